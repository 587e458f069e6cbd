#include "base/random.h"

namespace {
std::uint32_t state = 1;
}

int nextRandom() {
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's own modulus.
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

void seedRandom(std::uint32_t seed) {
    state = seed;
}

std::uint32_t randomState() {
    return state;
}
