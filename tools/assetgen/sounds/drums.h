#pragma once
// The drum kit of the music: every hit synthesised from sine sweeps and noise.
#include <vector>

enum class Drum { Kick, Snare, Hat, OpenHat, Tom };

// One hit of the drum at full level, mono, from its first sample until it has died away.
std::vector<float> drumHit(Drum drum, int rate);
