#include "graphics/frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t kClockPeriod = FramePacer::kSecond / FramePacer::kPassesPerSecond;
// A frame this late was held up by something else than its pass.
constexpr std::int64_t kHeldUp = 100'000'000;
// A frame by the clock counts as late when it comes this long after it was due.
constexpr std::int64_t kClockLateness = 1'000'000;
// Paced by the display, the wake never lies this close to the refresh before the due one.
constexpr std::int64_t kRefreshGuard = 250'000;
// A present that waits for the refresh cannot return before it: one that comes back this much
// earlier than the refresh it was due at has not waited.
constexpr std::int64_t kEarlyPresent = 500'000;

bool nearSixty(int hz) {
    return std::abs(hz - FramePacer::kPassesPerSecond) <=
           FramePacer::kPassesPerSecond * FramePacer::kSixtyHzTolerance;
}

} // namespace

void FramePacer::reset(int refreshHz, bool presentWaits) {
    *this = FramePacer{};
    const bool believable = refreshHz >= kSlowestRefresh && refreshHz <= kFastestRefresh;
    // Slower than sixty, waiting for the display would hold the game below sixty passes.
    byDisplay =
        presentWaits && believable && (nearSixty(refreshHz) || refreshHz > kPassesPerSecond);
    refresh = byDisplay && nearSixty(refreshHz) ? kPassesPerSecond : refreshHz;
}

std::int64_t FramePacer::afterPresent(std::int64_t ready, std::int64_t presented) {
    // A frame this late was held up by something else than its pass: a stall, time away, an
    // X server busy with a screenshot. What it cost says nothing about the machine.
    if (started && presented - due < kHeldUp) {
        // A present that waits for the refresh costs what came before it; one that does not,
        // everything up to its return.
        noteCost((byDisplay ? ready : presented) - std::max(wake, lastPresented));
    }
    // The first frame, or one a whole period late (held up, or a machine too slow): start
    // afresh rather than hurry to catch up.
    if (!started || presented - due > kClockPeriod) {
        startAfresh(presented);
    } else {
        judgePresent(presented);
    }
    lastPresented = presented;
    if (byDisplay) {
        // The present returned as the refresh that shows this frame began.
        const int hold = static_cast<int>((frame + 1) * refresh / kPassesPerSecond -
                                          frame * refresh / kPassesPerSecond);
        due = presented + hold * refreshPeriod();
    } else {
        due = clockOrigin + static_cast<std::int64_t>((frame + 1) * kSecond / kPassesPerSecond);
    }
    ++frame;
    wake = wakeBefore(due);
    return wake;
}

void FramePacer::startAfresh(std::int64_t presented) {
    started = true;
    frame = 0;
    // Once settled, a frame is shown its safety before it is due (the rest of the margin went
    // on its pass). The frame just shown counts as such; from an earlier origin the next few
    // would run flat out to get into that phase, from a later one the next pass would idle.
    clockOrigin = presented + safety;
}

void FramePacer::judgePresent(std::int64_t presented) {
    const std::int64_t lateness = byDisplay ? refreshPeriod() / 2 : kClockLateness;
    if (presented > due + lateness) {
        safety = std::min(safety * 2, kSafetyCeiling);
        passesSinceLate = 0;
    } else if (++passesSinceLate >= kPassesToRelax) {
        safety = std::max(safety / 2, kSafetyFloor);
        passesSinceLate = 0;
    }
    if (!byDisplay) return;
    earlyPresents = presented < due - kEarlyPresent ? earlyPresents + 1 : 0;
    if (earlyPresents >= kEarlyPresentsToDoubt) {
        byDisplay = false;
        startAfresh(presented);
    }
}

void FramePacer::noteCost(std::int64_t cost) {
    costs[costNext] = std::max<std::int64_t>(cost, 0);
    costNext = (costNext + 1) % costs.size();
    costCount = std::min(costCount + 1, costs.size());
    std::array<std::int64_t, 256> sorted = costs;
    const auto rank = static_cast<std::ptrdiff_t>((costCount * 99 + 99) / 100 - 1);
    std::nth_element(sorted.begin(), sorted.begin() + rank, sorted.begin() + costCount);
    costPercentile = sorted[static_cast<std::size_t>(rank)];
}

std::int64_t FramePacer::wakeBefore(std::int64_t dueTime) const {
    std::int64_t lead = margin();
    if (byDisplay) lead = std::min(lead, refreshPeriod() - kRefreshGuard);
    return dueTime - lead;
}
