#pragma once
// A clock source that moves only when told to: the simulator and tests run on it, with a
// fixed frame time, so a run is the same every time.
#include "platform/clock.h"

class ManualClockSource final : public ClockSource {
  public:
    // frequency 0 makes the clock fall back to the millisecond timer.
    explicit ManualClockSource(std::uint64_t frequency = 1'000'000, std::uint64_t start = 0)
        : countsPerSecond(frequency), count(start),
          milliseconds(static_cast<std::uint32_t>(start)) {}

    std::uint64_t frequency() const override { return countsPerSecond; }
    std::uint64_t counter() const override { return count; }
    std::uint32_t ticks() const override { return milliseconds; }

    // Moves both counters on by ms milliseconds: the count to the nearest count, the
    // millisecond ticks by ms's whole milliseconds.
    void advance(double ms) {
        count +=
            static_cast<std::uint64_t>(ms * static_cast<double>(countsPerSecond) / 1000.0 + 0.5);
        milliseconds += static_cast<std::uint32_t>(ms);
    }

  private:
    std::uint64_t countsPerSecond;
    std::uint64_t count;
    std::uint32_t milliseconds;
};
