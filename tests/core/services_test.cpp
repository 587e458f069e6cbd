#include "core/services.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "platform/manual_clock.h"
#include "platform/window.h"

#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class Services : public ::testing::Test {
  protected:
    void SetUp() override { setClockSource(&clock); }
    void TearDown() override {
        shutdownPlatform();
        setPauseWhenAway(true);
        setClockSource(nullptr);
    }
    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(Services, StartUpWritesTheFixedLinesInOrderAndAQuietPassStillAdvancesTheClock) {
    writeFile(kLogFileName, "a previous run\n");
    initPlatform();
    EXPECT_TRUE(hasWindow());
    const std::string log = readFile(kLogFileName);
    EXPECT_EQ(log.find("High resolution timing system supported\n"), 0u);
    EXPECT_EQ(log.find("a previous run"), std::string::npos);
    const auto osHandler = log.find("Initializing OS Handler\n");
    const auto directDraw = log.find("Init. Direct Draw\n");
    ASSERT_NE(osHandler, std::string::npos);
    EXPECT_LT(osHandler, directDraw);
    EXPECT_LT(directDraw, log.find("Init. Direct Input\n"));
    const float before = now();
    clock.advance(25);
    pumpMessages();
    EXPECT_FLOAT_EQ(now() - before, 25.0f);
    EXPECT_FLOAT_EQ(frameTime(), 25.0f);
}

void pushWindowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = id;
    SDL_PushEvent(&event);
}

// The focus goes and comes back within one pump: the simulator, never away, keeps the key
// held; the game waits the absence out and releases the key held before the player left.
TEST_F(Services, ThePumpSitsOutTheFocusLossAndReleasesTheKeys) {
    initPlatform();
    for (const bool pauseWhenAway : {false, true}) {
        SCOPED_TRACE(pauseWhenAway);
        setPauseWhenAway(pauseWhenAway);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        queueKeyEvent(kSpaceKey, true);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        pumpMessages();
        EXPECT_FALSE(playerAway());
        EXPECT_EQ(keyDown(kSpaceKey), pauseWhenAway ? 0 : 1);
    }
}

} // namespace
