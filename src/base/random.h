#pragma once
// The one random generator of the whole program: a linear congruential generator whose
// state is 1 when the program starts. Level layout, respawn places, effect particles and
// steering all draw from it, so a run is the same every time.
#include <cstdint>

// Advances the state (state * 214013 + 2531011, modulo 2^32) and returns bits 16..30 of the
// new state: a whole number from 0 to 32767.
int nextRandom();

// Sets the state; the next nextRandom continues from it.
void seedRandom(std::uint32_t seed);

// The state itself, for the record of a run.
std::uint32_t randomState();
