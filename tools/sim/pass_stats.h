#pragma once
// Per-pass cost of the game's own work (logic and drawing, without presenting).
#include <chrono>
#include <cstdio>
#include <vector>

class PassStats {
  public:
    using Duration = std::chrono::steady_clock::duration;

    // The start-up's wall time, and the main thread's processor time in it: on a busy machine
    // the first waits for the processor, the second does not.
    void setStartUp(Duration duration, Duration processorTime) {
        startUp = duration;
        startUpProcessor = processorTime;
    }
    void add(Duration duration) { passes.push_back(duration); }

    // Writes the start-up, then passes, median, 99th percentile and maximum in microseconds.
    void print(std::FILE* out) const;

  private:
    Duration startUp{};
    Duration startUpProcessor{};
    std::vector<Duration> passes;
};
