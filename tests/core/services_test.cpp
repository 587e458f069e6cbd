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

TEST(Services, StartUpWritesTheFixedLinesInOrderAfterTheTimerLine) {
    ScopedWorkDir dir;
    writeFile(kLogFileName, "a previous run\n");
    ManualClockSource clock;
    setClockSource(&clock);
    initPlatform();
    EXPECT_TRUE(hasWindow());
    const std::string log = readFile(kLogFileName);
    shutdownPlatform();
    setClockSource(nullptr);
    EXPECT_EQ(log.find("High resolution timing system supported\n"), 0u);
    EXPECT_EQ(log.find("a previous run"), std::string::npos);
    const auto osHandler = log.find("Initializing OS Handler\n");
    const auto directDraw = log.find("Init. Direct Draw\n");
    const auto directInput = log.find("Init. Direct Input\n");
    ASSERT_NE(osHandler, std::string::npos);
    EXPECT_LT(osHandler, directDraw);
    EXPECT_LT(directDraw, directInput);
}

TEST(Services, APassWithoutEventsStillAdvancesTheClock) {
    ScopedWorkDir dir;
    ManualClockSource clock;
    setClockSource(&clock);
    initPlatform();
    const float before = now();
    clock.advance(25);
    pumpMessages();
    EXPECT_FLOAT_EQ(now() - before, 25.0f);
    EXPECT_FLOAT_EQ(frameTime(), 25.0f);
    shutdownPlatform();
    setClockSource(nullptr);
}

void pushWindowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = id;
    SDL_PushEvent(&event);
}

// The focus goes and comes back within one pump: the pass waits it out, and the key held
// before the player left is released; the simulator, never away, keeps it held.
TEST(Services, ThePumpSitsOutTheFocusLossAndReleasesTheKeys) {
    const struct {
        bool pauseWhenAway;
        std::uint8_t spaceHeldAfter;
    } cases[] = {{true, 0}, {false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pauseWhenAway);
        ScopedWorkDir dir;
        ManualClockSource clock;
        setClockSource(&clock);
        setPauseWhenAway(c.pauseWhenAway);
        initPlatform();
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        queueKeyEvent(kSpaceKey, true);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        pumpMessages();
        EXPECT_FALSE(playerAway());
        EXPECT_EQ(keyDown(kSpaceKey), c.spaceHeldAfter);
        shutdownPlatform();
        setPauseWhenAway(true);
        setClockSource(nullptr);
    }
}

} // namespace
