#include "platform/clock.h"
#include "platform/log.h"
#include "platform/manual_clock.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ClockTest : public ::testing::Test {
  protected:
    void start(ManualClockSource& source) {
        setClockSource(&source);
        startClock();
    }
    void TearDown() override { setClockSource(nullptr); }
    ScopedWorkDir dir;
};

TEST_F(ClockTest, HighResolutionCounterIsChosenAndLogged) {
    ManualClockSource source(1'000'000);
    start(source);
    EXPECT_EQ(clockMode(), 1);
    EXPECT_EQ(readFile(kLogFileName), "High resolution timing system supported\n");
}

TEST_F(ClockTest, FallsBackToMillisecondsWithoutACounter) {
    ManualClockSource source(0, 5000);
    start(source);
    EXPECT_EQ(clockMode(), 0);
    EXPECT_EQ(readFile(kLogFileName), "High resolution timing not supported by hardware!\n"
                                      "Utilizing low resolution timing system\n");
    updateClock();
    source.advance(16);
    updateClock();
    EXPECT_FLOAT_EQ(frameTime(), 16.0f);
    EXPECT_FLOAT_EQ(now(), 60016.0f);
}

TEST_F(ClockTest, NowStartsSixtySecondsAfterItsOriginAndFrameTimeAtZero) {
    ManualClockSource source;
    start(source);
    updateClock();
    EXPECT_FLOAT_EQ(now(), 60000.0f);
    EXPECT_FLOAT_EQ(frameTime(), 0.0f);
    source.advance(20);
    updateClock();
    EXPECT_FLOAT_EQ(now(), 60020.0f);
    EXPECT_FLOAT_EQ(frameTime(), 20.0f);
}

TEST_F(ClockTest, EqualSamplesKeepThePreviousFrameTime) {
    ManualClockSource source(0);
    start(source);
    updateClock();
    source.advance(15);
    updateClock();
    updateClock(); // the timer did not move
    EXPECT_FLOAT_EQ(frameTime(), 15.0f);
    EXPECT_FLOAT_EQ(now(), 60015.0f);
}

TEST_F(ClockTest, StaysPreciseAfterAHundredDaysOfUptime) {
    constexpr std::uint64_t frequency = 1'000'000'000; // a nanosecond counter
    constexpr std::uint64_t hundredDays = 100ull * 24 * 3600 * frequency;
    ManualClockSource source(frequency, hundredDays);
    start(source);
    updateClock();
    float before = now();
    for (int pass = 0; pass < 100; ++pass) {
        source.advance(16.667);
        updateClock();
        ASSERT_NEAR(frameTime(), 16.667f, 0.001f);
        ASSERT_NEAR(now() - before, 16.667f, 0.01f);
        before = now();
    }
}

TEST_F(ClockTest, MillisecondTimerWrapsWithoutAJump) {
    ManualClockSource source(0, 0xFFFFFFF0u);
    start(source);
    updateClock();
    source.advance(32); // crosses the 32-bit wrap
    updateClock();
    EXPECT_FLOAT_EQ(frameTime(), 32.0f);
    EXPECT_FLOAT_EQ(now(), 60032.0f);
}

// Both timers, the millisecond one across its wrap: a pass that spans three seconds away
// reports only the time it spent in the game.
TEST_F(ClockTest, TimeAwayCountsForNothing) {
    const struct { std::uint64_t frequency, start; } cases[] = {{1'000'000, 0}, {0, 0xFFFFF000u}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        ManualClockSource source(c.frequency, c.start);
        start(source);
        updateClock();
        source.advance(10);
        holdClock();
        source.advance(3000);
        resumeClock();
        source.advance(6);
        updateClock();
        EXPECT_FLOAT_EQ(frameTime(), 16.0f);
        EXPECT_FLOAT_EQ(now(), 60016.0f);
        source.advance(16);
        updateClock();
        EXPECT_FLOAT_EQ(frameTime(), 16.0f);
    }
}

// A stall advances the game by 250 ms and no more, on both timers and across the wrap; the
// rest is left out of every later sample, and the log says how long the game stood still.
// Gaps up to 250 ms pass unchanged, and a long start-up is held to 250 ms without a line.
TEST_F(ClockTest, AStallAdvancesTheGameByAQuarterSecond) {
    const struct {
        std::uint64_t frequency, start;
    } cases[] = {{1'000'000, 0}, {1'000'000'000, 0}, {0, 0xFFFFF000u}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        ManualClockSource source(c.frequency, c.start);
        start(source);
        source.advance(400); // the services start slowly
        updateClock();
        EXPECT_FLOAT_EQ(now(), 60250.0f);
        source.advance(250);
        updateClock();
        EXPECT_FLOAT_EQ(frameTime(), 250.0f);
        source.advance(3000);
        updateClock();
        EXPECT_FLOAT_EQ(frameTime(), 250.0f);
        EXPECT_FLOAT_EQ(now(), 60750.0f);
        source.advance(16);
        updateClock();
        EXPECT_FLOAT_EQ(frameTime(), 16.0f);
        EXPECT_FLOAT_EQ(now(), 60766.0f);
        const std::string log = readFile(kLogFileName);
        EXPECT_NE(log.find("Clock: the game stood still for 3000 ms and goes on as if 250 ms "
                           "had passed\n"),
                  std::string::npos)
            << log;
        EXPECT_EQ(log.find("stood still for 400"), std::string::npos);
        EXPECT_EQ(log.find("stood still for 250"), std::string::npos);
    }
}

} // namespace
