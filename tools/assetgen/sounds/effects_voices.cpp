// The hero's grunt and cry and the enemy's squeal.
#include "effects.h"
#include "envelope.h"
#include "filters.h"
#include "oscillators.h"
#include "synthesize.h"
#include "voice.h"

#include <algorithm>

Audio heroGrunt() {
    return speak({0.4, [](double t) { return glide(165.0, 100.0, t, 0.18); },
                  [](double t) { return hitLevel(t, 0.02, 0.14); },
                  [](double t) { return std::min(1.0, t / 0.25); }, kVowelUh, kVowelOh, 0.15,
                  0x96u});
}

Audio heroDeathCry() {
    // Up to a held scream, a trembling fall, and the breath running out.
    auto pitch = [](double t) {
        const double held =
            t < 0.35 ? glide(220.0, 330.0, t, 0.06) : glide(330.0, 75.0, t - 0.35, 0.45);
        const double tremble = 1.0 + 0.04 * std::min(1.0, t) * std::sin(kTwoPi * 7.0 * t);
        return held * tremble;
    };
    auto level = [](double t) {
        const double rise = std::min(1.0, t / 0.05);
        return t < 0.5 ? rise : std::exp(-(t - 0.5) / 0.35);
    };
    auto openness = [](double t) { return std::clamp((t - 0.3) / 0.6, 0.0, 1.0); };
    return speak({1.4, pitch, level, openness, kVowelAh, kVowelOh, 0.25, 0xde4du});
}

Audio enemySqueal() {
    double phase = 0.0;
    BandPass nose;
    return synthesize(0.4, [&](double t) {
        // A quick squeak up and a slide down, with the fast flutter of a small creature.
        const double f =
            (t < 0.07 ? 700.0 + 450.0 * t / 0.07 : glide(1150.0, 480.0, t - 0.07, 0.15)) *
            (1.0 + 0.05 * std::sin(kTwoPi * 18.0 * t));
        const double buzz = saw(phase, f / kEffectRate);
        phase = advancePhase(phase, f, kEffectRate);
        return (0.4 * buzz + nose.process(buzz, 1600.0, 3.0, kEffectRate)) *
               hitLevel(t, 0.01, 0.14);
    });
}
