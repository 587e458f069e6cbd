#include "voice.h"

#include "filters.h"
#include "oscillators.h"
#include "synthesize.h"

namespace {

double mix(double a, double b, double k) {
    return a + (b - a) * k;
}

} // namespace

Audio speak(const VoiceShape& s) {
    Noise noise(s.seed), jitter(s.seed ^ 0x55aa55aau);
    BandPass formant1, formant2, formant3;
    LowPass tilt, jitterSmooth;
    double phase = 0.0;
    return synthesize(s.seconds, [&](double t) {
        // A voice never holds its pitch exactly: a slow random waver keeps it human.
        const double waver = 1.0 + 0.3 * jitterSmooth.process(jitter.next(), 12.0, kEffectRate);
        const double f0 = s.pitch(t) * waver;
        const double increment = f0 / kEffectRate;
        const double buzz = tilt.process(saw(phase, increment), 3000.0, kEffectRate);
        phase = advancePhase(phase, f0, kEffectRate);
        const double source = (1.0 - s.breath) * buzz + s.breath * noise.next();
        const double k = s.openness(t);
        const double out =
            formant1.process(source, mix(s.from.f1, s.to.f1, k), 6.0, kEffectRate) +
            0.6 * formant2.process(source, mix(s.from.f2, s.to.f2, k), 8.0, kEffectRate) +
            0.3 * formant3.process(source, mix(s.from.f3, s.to.f3, k), 10.0, kEffectRate);
        return out * s.level(t);
    });
}
