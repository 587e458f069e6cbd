// The application object: start-up, the main loop and shutdown, on a manual clock.
#include "core/core.h"
#include "core/game_screen.h"
#include "core/gui.h"
#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "platform/manual_clock.h"
#include "sound/sound_manager.h"

#include "support/game_folder.h"
#include "support/test_level.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// The records are filled while the Core is built, which may come before their own
// construction: they must have none that could overwrite what is already there.
static_assert(std::is_trivially_default_constructible_v<Gui>);
static_assert(std::is_trivially_default_constructible_v<GameScreen>);

// The start-up's handle order, sprites 0-35 and sounds 0-21.
constexpr const char* kSprites =
    "mario_big fire_mario crater blood1 blood2 player mario bullet rocket bomb fireball arrow "
    "health armor speedup extralife handgun rifle launcher bombs explosion1 explosion2 smoke1 "
    "smoke2 pool wall1 wall2 block mario mark rocket_animated GUI intro_screen end_screen "
    "fontaz_v font09_v ";
constexpr const char* kSounds =
    "mariohurt memario outro b1 rocketshoot swing handgunshoot noammo weaponpickup healthpickup "
    "speeduppickup itemspawn ricochet mariocollide fireBall arrowcolide blemphurt2 blempdie "
    "explosion explosion2 intro level1 ";

class CoreTest : public ::testing::Test {
  protected:
    CoreTest() { setClockSource(&clock); }
    ~CoreTest() override {
        releaseStartUp();
        setClockSource(nullptr);
    }
    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(CoreTest, ACloseRequestEndsTheLoopAndTheLogShowsEachStageInOrder) {
    {
        Core core;
        SDL_Event event{};
        event.type = SDL_QUIT;
        SDL_PushEvent(&event);
        EXPECT_EQ(core.run(), 0);
        EXPECT_EQ(core.loopState, -1);
    }
    const std::string log = readFile(kLogFileName);
    std::size_t from = 0;
    for (const std::string line :
         {"High resolution timing system supported", "Initializing OS Handler", "Init. Direct Draw",
          "Init. Direct Input", "Core Initializing...", "", "Quorvish Blemp", "", "Team Tallowfork",
          "", "Made it here 1", "Core Main Loop", "", "Core Shutdown...", ""}) {
        from = log.find(line + "\n", from);
        ASSERT_NE(from, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        from += line.size() + 1;
    }
}

TEST_F(CoreTest, WithoutADisplayTheRunEndsAtOnceWithCodeOne) {
    const char* previous = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    {
        Core core;
        EXPECT_FALSE(soundManager().deviceOpen) << "a sound device opened for nothing";
        EXPECT_EQ(soundManager().count, 0);
        EXPECT_EQ(spriteCount(), 0);
        EXPECT_EQ(core.run(), 1);
    }
    setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    const std::string log = readFile(kLogFileName);
    // The start-up's lines stay as they always were, the failure first.
    EXPECT_NE(log.find("Failed to initialise Direct Draw.\nInitializing OS Handler\n"
                       "Init. Direct Draw\n"),
              std::string::npos);
    EXPECT_NE(log.find("CreateWindowEx: Unable to create window      *ERROR*\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Core Main Loop"), std::string::npos);
    EXPECT_NE(log.find("Core Shutdown...\n"), std::string::npos);
}

// The whole start-up on the generated game folder: every picture and sound in its place in
// the handle order, each one usable, and the progress lines of the log in their order.
TEST_F(CoreTest, TheGameFolderLoadsInOrderAndTheLogMarksEachStage) {
    linkGameFolder("images");
    linkGameFolder("sounds");
    {
        Core core;
        std::vector<std::string> progress;
        std::istringstream log(readFile(kLogFileName));
        for (std::string line; std::getline(log, line);) {
            if (line.starts_with("Made it here") || line.starts_with("Creating Textures"))
                progress.push_back(line);
        }
        EXPECT_EQ(progress, (std::vector<std::string>{
                                "Made it here 1", "Made it here 2", "Made it here 3",
                                "Made it here 4", "Made it here 6", "Made it here!#$!@$",
                                "Made it here", "Creating Textures for GUI"}));
        EXPECT_TRUE(readFile(kLogFileName).ends_with("Creating Textures for GUI\n"));

        // The first game pass adds the level music as the last sound.
        core.startLoop();
        core.loopState = 1;
        EXPECT_TRUE(core.updateScreens());

        std::string sprites, sounds;
        for (int handle = 0; handle < spriteCount(); ++handle) {
            const std::string path = spriteInfo(handle).path;
            EXPECT_TRUE(path.starts_with("./images/") && spriteInfo(handle).loaded) << path;
            sprites += path.substr(9) + " ";
        }
        for (int handle = 0; handle < soundManager().count; ++handle) {
            const std::string& path = soundManager().sounds[handle].path;
            EXPECT_TRUE(path.starts_with("./sounds/") && path.ends_with(".wav")) << path;
            sounds += path.substr(9, path.size() - 13) + " ";
        }
        EXPECT_EQ(sprites, kSprites);
        EXPECT_EQ(sounds, kSounds);
        // Each handle went to the field that names its file.
        EXPECT_EQ((std::vector{assets.player, assets.handgun, assets.rifle, assets.pool,
                               assets.marioAgain, assets.gui, assets.fontAzV, assets.font09V,
                               assets.meMarioSound, assets.outroSound, assets.introSound,
                               assets.level1Sound}),
                  (std::vector{5, 16, 17, 24, 28, 31, 34, 35, 1, 2, 20, 21}));
    }
}

} // namespace
