#pragma once
// A little voice: a buzzing glottal pulse shaped by three formant filters, the way a throat
// and mouth shape a vowel.
#include "audio.h"

#include <functional>

struct Vowel {
    double f1, f2, f3; // formant centres, Hz
};

inline constexpr Vowel kVowelAh{730, 1090, 2440};
inline constexpr Vowel kVowelUh{640, 1190, 2390};
inline constexpr Vowel kVowelOh{570, 840, 2410};
inline constexpr Vowel kVowelEe{300, 2200, 3000};

struct VoiceShape {
    double seconds;
    std::function<double(double)> pitch;    // Hz at t seconds
    std::function<double(double)> level;    // amplitude 0..1 at t
    std::function<double(double)> openness; // 0 = first vowel, 1 = second vowel, at t
    Vowel from;
    Vowel to;
    double breath; // share of breath noise, 0..1
    unsigned seed;
};

// Speaks the shape at the effect rate.
Audio speak(const VoiceShape& shape);
