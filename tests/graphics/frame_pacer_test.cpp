#include "graphics/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kSecond = FramePacer::kSecond;

// A display and the game's loop around the pacer: each pass starts when the pacer's wake has
// come (or at once when it is past), costs `cost(pass)`, then presents. A present that really
// waits returns at the next refresh; one that does not returns at once.
struct Machine {
    int refreshHz = 60;
    bool presentWaits = false;
    std::function<std::int64_t(int)> cost = [](int) { return 2 * kMs; };

    std::vector<std::int64_t> presents;
    std::vector<std::int64_t> wakes;

    std::int64_t nextRefresh(std::int64_t t) const {
        const std::int64_t period = kSecond / refreshHz;
        return (t / period + 1) * period;
    }

    // Runs more passes, on from where the last run ended.
    void run(FramePacer& pacer, int passes) {
        std::int64_t wake = wakes.empty() ? 0 : wakes.back();
        std::int64_t presented = presents.empty() ? 0 : presents.back();
        for (int pass = 0; pass < passes; ++pass) {
            const std::int64_t ready =
                std::max(wake, presented) + cost(static_cast<int>(presents.size()));
            presented = presentWaits ? nextRefresh(ready) : ready;
            presents.push_back(presented);
            wake = pacer.afterPresent(ready, presented);
            wakes.push_back(wake);
        }
    }

    // Frames a second over the presents from `from` on.
    double rate(std::size_t from = 60) const {
        const double span = static_cast<double>(presents.back() - presents[from]);
        return static_cast<double>(presents.size() - 1 - from) * kSecond / span;
    }

    // How many refreshes each frame from `from` on stayed on the screen.
    std::vector<int> holds(std::size_t from = 60) const {
        const std::int64_t period = kSecond / refreshHz;
        std::vector<int> result;
        for (std::size_t i = from + 1; i < presents.size(); ++i)
            result.push_back(
                static_cast<int>((presents[i] - presents[i - 1] + period / 2) / period));
        return result;
    }
};

// Whatever the display reports, a present that does not wait is paced by the clock to sixty
// frames a second, with uneven passes too.
TEST(FramePacer, TheClockGivesSixtyPassesAtAnyReportedRefresh) {
    for (const int reported : {0, 1, 50, 60, 75, 120, 144, 165, 240, 1000}) {
        for (const bool uneven : {false, true}) {
            SCOPED_TRACE(testing::Message() << reported << " Hz, uneven " << uneven);
            FramePacer pacer;
            pacer.reset(reported, false);
            Machine machine;
            if (uneven) machine.cost = [](int pass) { return (pass % 2 ? 9 : 1) * kMs; };
            machine.run(pacer, 1200);
            EXPECT_FALSE(pacer.pacedByDisplay());
            EXPECT_NEAR(machine.rate(), 60.0, 0.05);
        }
    }
}

// A present that really waits paces the frames at sixty or faster: each frame is held for a
// whole number of refreshes, always the same number at a multiple of sixty, alternating
// otherwise, sixty frames a second on average. Displays that report nonsense, or refresh more
// slowly than sixty, are paced by the clock.
TEST(FramePacer, ARealWaitForTheRefreshHoldsEachFrameForWholeRefreshes) {
    const struct {
        int hz;
        bool byDisplay;
        int shortest, longest;
    } displays[] = {{60, true, 1, 1},  {75, true, 1, 2},  {120, true, 2, 2}, {144, true, 2, 3},
                    {165, true, 2, 3}, {240, true, 4, 4}, {50, false, 1, 1}, {1000, false, 17, 17}};
    for (const auto& d : displays) {
        SCOPED_TRACE(testing::Message() << d.hz << " Hz");
        FramePacer pacer;
        pacer.reset(d.hz, true);
        Machine machine;
        machine.refreshHz = d.hz;
        machine.presentWaits = d.byDisplay;
        machine.run(pacer, 1200);
        EXPECT_EQ(pacer.pacedByDisplay(), d.byDisplay);
        EXPECT_NEAR(machine.rate(), 60.0, 0.1);
        const std::vector<int> holds = machine.holds();
        EXPECT_EQ(*std::min_element(holds.begin(), holds.end()), d.shortest);
        EXPECT_EQ(*std::max_element(holds.begin(), holds.end()), d.longest);
        // The pass runs late in its frame: between its wake and the refresh that shows it
        // lies little more than the pass itself.
        for (std::size_t i = 60; d.byDisplay && i + 1 < machine.presents.size(); ++i)
            ASSERT_LE(machine.presents[i + 1] - machine.wakes[i], 5 * kMs) << i;
    }
}

// A renderer that claims to wait for the refresh and does not is found out within a few
// frames, and the clock takes over.
TEST(FramePacer, APresentThatClaimsToWaitAndDoesNotLosesThePacing) {
    FramePacer pacer;
    pacer.reset(144, true);
    Machine machine;
    machine.refreshHz = 144;
    machine.run(pacer, 600);
    EXPECT_FALSE(pacer.pacedByDisplay());
    EXPECT_NEAR(machine.rate(), 60.0, 0.01);
}

// The margin follows what a pass costs: it grows when passes get dearer and frames come
// late, and settles back once they are cheap again.
TEST(FramePacer, TheMarginAdaptsToWhatAPassCosts) {
    FramePacer pacer;
    pacer.reset(60, false);
    Machine machine;
    const int dearFrom = 300, dearUntil = 600;
    machine.cost = [&](int pass) { return (pass >= dearFrom && pass < dearUntil ? 7 : 2) * kMs; };
    machine.run(pacer, 300);
    const std::int64_t cheap = pacer.margin();
    EXPECT_GE(cheap, 2 * kMs);
    EXPECT_LE(cheap, 4 * kMs);

    machine.run(pacer, 300);
    EXPECT_GE(pacer.margin(), 7 * kMs);
    // Once the margin has caught up, the dear passes' frames come when they are due.
    const std::size_t end = machine.presents.size();
    for (std::size_t i = end - 100; i < end; ++i) {
        const std::int64_t gap = machine.presents[i] - machine.presents[i - 1];
        ASSERT_NEAR(static_cast<double>(gap), kSecond / 60.0, 0.2 * kMs) << i;
    }

    machine.run(pacer, 2000);
    EXPECT_LE(pacer.margin(), 4 * kMs);
    EXPECT_NEAR(machine.rate(), 60.0, 0.01);
}

// A machine too slow for sixty passes runs as fast as it can: the wake is always already past.
TEST(FramePacer, ATooSlowMachineRunsFlatOut) {
    for (const bool byDisplay : {false, true}) {
        FramePacer pacer;
        pacer.reset(60, byDisplay);
        Machine machine;
        machine.presentWaits = byDisplay;
        machine.cost = [](int) { return 25 * kMs; };
        machine.run(pacer, 300);
        for (std::size_t i = 1; i < machine.wakes.size(); ++i)
            ASSERT_LE(machine.wakes[i], machine.presents[i] + kMs) << i;
        EXPECT_NEAR(machine.rate(), byDisplay ? 30.0 : 40.0, 0.1);
    }
}

// After a frame seconds late (a stall, or time away) the pacer starts afresh instead of
// running a burst of frames to catch up, and the hold-up does not count as a pass's cost.
TEST(FramePacer, AFrameSecondsLateStartsAfresh) {
    FramePacer pacer;
    pacer.reset(60, false);
    Machine machine;
    machine.cost = [](int pass) { return (pass == 300 ? 3000 : 2) * kMs; };
    machine.run(pacer, 400);
    for (std::size_t i = 302; i < machine.presents.size(); ++i) {
        const std::int64_t gap = machine.presents[i] - machine.presents[i - 1];
        ASSERT_GT(gap, 15 * kMs) << i;
    }
    EXPECT_LE(pacer.margin(), 4 * kMs);
}

} // namespace
