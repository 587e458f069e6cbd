#include "platform/clock.h"

#include "platform/log.h"

#include <chrono>

namespace {

// The system's monotonic clock in nanoseconds.
class SteadyClockSource final : public ClockSource {
  public:
    std::uint64_t frequency() const override { return 1'000'000'000; }
    std::uint64_t counter() const override {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
    }
    std::uint32_t ticks() const override {
        return static_cast<std::uint32_t>(counter() / 1'000'000);
    }
};

// The origin lies this far before startClock, so that 0 stays in the past.
constexpr double kOriginMs = 60000.0;

// The most one pass may advance the game. A longer gap between two samples is a stall (a
// suspended machine, a stopped process, a driver that blocked): moving everything by seconds
// of velocity in one pass would throw it through walls and out of the arena, so the rest of
// the gap is left out as time away.
constexpr std::uint64_t kLongestPassMs = 250;
constexpr unsigned kStartUpSamples = 2;

struct FrameClock {
    int mode = 0;
    std::uint64_t counterFrequency = 0;
    std::uint64_t startCount = 0;   // counter, or ticks in mode 0, at startClock
    std::uint64_t currentCount = 0; // the latest raw sample
    std::uint64_t awayCounts = 0;   // time spent held, left out of every sample
    std::uint64_t heldAt = 0;       // the source's count when the clock was held
    unsigned samples = 0;           // updateClock calls since startClock
    float nowValue = 0.0f;
    float frameTimeValue = 0.0f;
};

// constinit: in place before main() runs, with no constructor to order against the others.
constinit const SteadyClockSource steadySource;
constinit const ClockSource* source = &steadySource;
constinit FrameClock frameClock;

std::uint64_t sourceCount() {
    return frameClock.mode == 1 ? source->counter() : source->ticks();
}

// In mode 0 a difference may wrap below zero; countsBetween reads it modulo 2^32.
std::uint64_t rawSample() {
    return sourceCount() - frameClock.awayCounts;
}

// Milliseconds for a count difference, exact in 64 bits before the division.
double countsToMs(std::uint64_t counts) {
    if (frameClock.mode == 0) return static_cast<double>(counts);
    const std::uint64_t f = frameClock.counterFrequency;
    return static_cast<double>(counts / f) * 1000.0 +
           static_cast<double>(counts % f) * 1000.0 / static_cast<double>(f);
}

std::uint64_t countsBetween(std::uint64_t earlier, std::uint64_t later) {
    // The millisecond timer is 32 bits wide and wraps after 49 days.
    if (frameClock.mode == 0) return static_cast<std::uint32_t>(later - earlier);
    return later - earlier;
}

std::uint64_t longestPassCounts() {
    if (frameClock.mode == 0) return kLongestPassMs;
    return frameClock.counterFrequency / 1000 * kLongestPassMs +
           frameClock.counterFrequency % 1000 * kLongestPassMs / 1000;
}

// A sample too far after the previous one is brought back to the longest pass; the rest
// becomes time away, left out of this sample and every later one. The first two samples span
// the start-up (the services, then the loading): they are held to the longest pass like any
// other, but loading is work, not a stall, so the log says nothing of them.
std::uint64_t withoutStall(std::uint64_t previous, std::uint64_t current) {
    const std::uint64_t gap = countsBetween(previous, current);
    const std::uint64_t longest = longestPassCounts();
    if (gap <= longest) return current;
    const std::uint64_t excess = gap - longest;
    frameClock.awayCounts += excess;
    if (frameClock.samples > kStartUpSamples)
        logMessage("Clock: the game stood still for %.0f ms and goes on as if %u ms had passed",
                   countsToMs(gap), static_cast<unsigned>(kLongestPassMs));
    return current - excess;
}

} // namespace

void setClockSource(const ClockSource* replacement) {
    source = replacement != nullptr ? replacement : &steadySource;
}

void startClock() {
    clearLog();
    frameClock = FrameClock{};
    const std::uint64_t frequency = source->frequency();
    if (frequency == 0) {
        appendLog("High resolution timing not supported by hardware!\n");
        appendLog("Utilizing low resolution timing system\n");
        frameClock.mode = 0;
    } else {
        frameClock.mode = 1;
        appendLog("High resolution timing system supported\n");
        frameClock.counterFrequency = frequency;
    }
    frameClock.startCount = rawSample();
    frameClock.currentCount = frameClock.startCount;
}

void updateClock() {
    ++frameClock.samples;
    const std::uint64_t previous = frameClock.currentCount;
    const std::uint64_t current = withoutStall(previous, rawSample());
    frameClock.currentCount = current;
    // Equal samples keep the last frame time: a pass never reports 0 once time has moved.
    if (current != previous)
        frameClock.frameTimeValue =
            static_cast<float>(countsToMs(countsBetween(previous, current)));
    frameClock.nowValue =
        static_cast<float>(kOriginMs + countsToMs(countsBetween(frameClock.startCount, current)));
}

void holdClock() {
    frameClock.heldAt = sourceCount();
}

void resumeClock() {
    frameClock.awayCounts += sourceCount() - frameClock.heldAt;
}

float now() {
    return frameClock.nowValue;
}

float frameTime() {
    return frameClock.frameTimeValue;
}

int clockMode() {
    return frameClock.mode;
}

std::uint64_t clockFrequency() {
    return frameClock.mode == 1 ? frameClock.counterFrequency : 0;
}

std::uint64_t clockStartCount() {
    return frameClock.startCount;
}

std::uint64_t clockSampleCount() {
    return frameClock.currentCount;
}
