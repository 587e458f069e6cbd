#pragma once
// A digest of everything a run's rules decide, for telling whether two runs of the same input
// played the same: the loop and the screens, the hero and his weapons, every enemy, projectile
// and effect in list order, the obstacle store's order, and the random generator's state. Not
// what the sound device is doing at the moment, which follows the real time of the mix.
#include <cstdint>

class Core;

// One 64-bit digest per part of the state, in this order.
enum class StatePart { kScreens, kHero, kEnemies, kProjectiles, kEffects, kStore, kRandom };
inline constexpr int kStatePartCount = 7;

struct StateDigest {
    std::uint64_t parts[kStatePartCount] = {};

    bool operator==(const StateDigest&) const = default;
};

StateDigest digestState(const Core& core);

// What a demo's verdict says of a part that differs: "the hero differs", …
const char* stateDifference(int part);

// The digest as text: the parts as 16 hexadecimal digits each, separated by spaces.
inline constexpr int kDigestTextSize = kStatePartCount * 17;
void formatDigest(const StateDigest& digest, char (&text)[kDigestTextSize]);

// Reads that text back; false for anything but exactly that.
bool readDigest(const char* text, StateDigest& digest);
