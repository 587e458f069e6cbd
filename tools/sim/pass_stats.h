#pragma once
// Per-pass cost of the game's own work (logic and drawing, without presenting).
#include <chrono>
#include <cstdio>
#include <vector>

class PassStats {
  public:
    using Duration = std::chrono::steady_clock::duration;

    void setStartUp(Duration duration) { startUp = duration; }
    void add(Duration duration) { passes.push_back(duration); }

    // Writes passes, median, 99th percentile and maximum in microseconds, and the start-up.
    void print(std::FILE* out) const;

  private:
    Duration startUp{};
    std::vector<Duration> passes;
};
