#pragma once
// The generator's own random numbers: a fixed-seed sequence and a position hash, so that every
// run draws exactly the same pictures.
#include <cstdint>

// SplitMix64: a small, well-mixed sequence fully fixed by its seed.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1 (n > 0).
    int below(int n) { return int(next() % std::uint64_t(n)); }
    // A number from lo to hi.
    float range(float lo, float hi) { return lo + (hi - lo) * float(next() >> 40) / 16777216.0f; }

  private:
    std::uint64_t state;
};

// A well-mixed 32-bit value for a lattice point and a seed: noise without a table.
inline std::uint32_t hashPoint(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed * 0x27D4EB2Du ^ std::uint32_t(x) * 0x85EBCA6Bu ^ std::uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// hashPoint as a number from 0 to 1.
inline float hashUnit(int x, int y, std::uint32_t seed) {
    return float(hashPoint(x, y, seed) >> 8) / 16777216.0f;
}
