#pragma once
// The frame of every effect: a mono piece made one sample at a time.
#include "audio.h"

#include <cmath>
#include <numbers>

inline constexpr int kEffectRate = 44100;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Makes seconds of mono sound at the effect rate; next(t) gives the sample at t seconds and
// is called in order, so it may keep state (phases, filters, noise).
template <typename Next>
Audio synthesize(double seconds, Next next) {
    Audio audio = silence(kEffectRate, seconds);
    for (std::size_t i = 0; i < audio.samples.size(); ++i) {
        audio.samples[i] = static_cast<float>(next(static_cast<double>(i) / kEffectRate));
    }
    return audio;
}

// A value gliding exponentially from one level to another with the given time constant.
inline double glide(double from, double to, double t, double timeConstant) {
    return to + (from - to) * std::exp(-t / timeConstant);
}
