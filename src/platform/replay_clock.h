#pragma once
// A clock source that hands back recorded counts: a demo's start count at startClock, its
// start-up sample at the end of the services' start, then whatever each pass was recorded
// with. The clock's own arithmetic then gives the recorded run's now() and frameTime() to the
// bit.
#include "platform/clock.h"

class ReplayClockSource final : public ClockSource {
  public:
    // frequency 0 replays a run on the millisecond timer.
    ReplayClockSource(std::uint64_t frequency, std::uint64_t start, std::uint64_t startUp)
        : countsPerSecond(frequency), startCount(start), current(startUp) {}

    std::uint64_t frequency() const override { return countsPerSecond; }
    std::uint64_t counter() const override { return next(); }
    std::uint32_t ticks() const override { return static_cast<std::uint32_t>(next()); }

    // The count every read gives from now on, until the next call.
    void setCount(std::uint64_t count) { current = count; }

  private:
    // The first read is startClock's; every later one this pass's sample.
    std::uint64_t next() const { return reads++ == 0 ? startCount : current; }

    std::uint64_t countsPerSecond;
    std::uint64_t startCount;
    std::uint64_t current;
    mutable unsigned reads = 0;
};
