// The whole start-up on the generated game folder: every picture and sound in its place in
// the handle order, each one usable, and the progress lines of the log in their order.
#include "core/core.h"
#include "core/gui.h"
#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

#include "release_level.h"
#include "screen_fixture.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kSprites = {
    "mario_big",       "fire_mario", "crater",       "blood1",     "blood2",
    "player",          "mario",      "bullet",       "rocket",     "bomb",
    "fireball",        "arrow",      "health",       "armor",      "speedup",
    "extralife",       "handgun",    "rifle",        "launcher",   "bombs",
    "explosion1",      "explosion2", "smoke1",       "smoke2",     "pool",
    "wall1",           "wall2",      "block",        "mario",      "mark",
    "rocket_animated", "GUI",        "intro_screen", "end_screen", "fontaz_v",
    "font09_v"};

const std::vector<std::string> kSounds = {
    "mariohurt",    "memario",      "outro",        "b1",           "rocketshoot",   "swing",
    "handgunshoot", "noammo",       "weaponpickup", "healthpickup", "speeduppickup", "itemspawn",
    "ricochet",     "mariocollide", "fireBall",     "arrowcolide",  "blemphurt2",    "blempdie",
    "explosion",    "explosion2",   "intro",        "level1"};

std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    std::istringstream log(readFile(kLogFileName));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class StartUpTest : public ::testing::Test {
  protected:
    StartUpTest() {
        setClockSource(&clock);
        linkGameFolder("images");
        linkGameFolder("sounds");
    }
    ~StartUpTest() override {
        releaseStartUp();
        setClockSource(nullptr);
    }

    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(StartUpTest, TheGameFolderLoadsInOrderAndTheLogMarksEachStage) {
    Core core;

    std::vector<std::string> progress;
    for (const std::string& line : logLines()) {
        if (line.starts_with("Made it here") || line.starts_with("Creating Textures"))
            progress.push_back(line);
    }
    EXPECT_EQ(progress,
              (std::vector<std::string>{"Made it here 1", "Made it here 2", "Made it here 3",
                                        "Made it here 4", "Made it here 6", "Made it here!#$!@$",
                                        "Made it here", "Creating Textures for GUI"}));
    EXPECT_EQ(logLines().back(), "Creating Textures for GUI");

    // The first game pass adds the level music as the last sound.
    core.startLoop();
    core.loopState = 1;
    EXPECT_TRUE(core.updateScreens());
    EXPECT_EQ(core.loopState, 1);

    ASSERT_EQ(spriteCount(), static_cast<int>(kSprites.size()));
    for (int handle = 0; handle < spriteCount(); ++handle) {
        const SpriteInfo info = spriteInfo(handle);
        EXPECT_EQ(std::string(info.path), "./images/" + kSprites[handle]) << handle;
        EXPECT_TRUE(info.loaded) << info.path;
    }
    const SoundManager& table = soundManager();
    ASSERT_EQ(table.count, static_cast<int>(kSounds.size()));
    for (int handle = 0; handle < table.count; ++handle)
        EXPECT_EQ(table.sounds[handle].path, "./sounds/" + kSounds[handle] + ".wav") << handle;

    // Each handle went to the field that names its file.
    EXPECT_EQ(assets.player, 5);
    EXPECT_EQ(assets.handgun, 16);
    EXPECT_EQ(assets.rifle, 17);
    EXPECT_EQ(assets.pool, 24);
    EXPECT_EQ(assets.marioAgain, 28);
    EXPECT_EQ(gui.menuSprite, 31);
    EXPECT_EQ(gui.letterFont, 34);
    EXPECT_EQ(gui.digitFont, 35);
    EXPECT_EQ(assets.meMarioSound, 1);
    EXPECT_EQ(assets.outroSound, 2);
    EXPECT_EQ(introMusic, 20);
    EXPECT_EQ(assets.level1Sound, 21);
}

} // namespace
