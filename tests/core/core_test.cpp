#include "core/core.h"
#include "core/game_screen.h"
#include "core/gui.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "platform/manual_clock.h"

#include "release_level.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// The records are filled while the Core is built, which may come before their own
// construction: they must have none that could overwrite what is already there.
static_assert(std::is_trivially_default_constructible_v<Gui>);
static_assert(std::is_trivially_default_constructible_v<GameScreen>);

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setClockSource(&clock); }
    void TearDown() override {
        releaseStartUp();
        setClockSource(nullptr);
    }

    // Lines of the log in order, checked as a subsequence.
    static void expectLogInOrder(const std::vector<std::string>& lines) {
        const std::string log = readFile(kLogFileName);
        std::size_t from = 0;
        for (const std::string& line : lines) {
            const std::size_t at = log.find(line + "\n", from);
            ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << log;
            from = at + line.size() + 1;
        }
    }

    static void pushQuit() {
        SDL_Event event{};
        event.type = SDL_QUIT;
        SDL_PushEvent(&event);
    }

    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(CoreTest, StartUpAndShutdownWriteTheirLinesInOrder) {
    {
        Core core;
        EXPECT_EQ(core.loopState, 0);
        pushQuit();
        EXPECT_EQ(core.run(), 0);
    }
    expectLogInOrder({"High resolution timing system supported", "Initializing OS Handler",
                      "Init. Direct Draw", "Init. Direct Input", "Core Initializing...", "",
                      "Quorvish Blemp", "", "Team Tallowfork", "", "Made it here 1",
                      "Core Main Loop", "", "Core Shutdown...", ""});
}

TEST_F(CoreTest, AWindowCloseRequestEndsTheLoopAfterThatPass) {
    Core core;
    pushQuit();
    EXPECT_FALSE(core.runPass());
    EXPECT_EQ(core.loopState, -1);
}

TEST_F(CoreTest, WithoutADisplayTheRunEndsAtOnceWithCodeOne) {
    const char* previous = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    {
        Core core;
        EXPECT_EQ(core.run(), 1);
    }
    setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    const std::string log = readFile(kLogFileName);
    EXPECT_NE(log.find("CreateWindowEx: Unable to create window      *ERROR*\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Core Main Loop"), std::string::npos);
    EXPECT_NE(log.find("Core Shutdown...\n"), std::string::npos);
}

} // namespace
