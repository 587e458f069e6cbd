// Shots, blasts and impacts: shaped noise over falling sine thumps.
#include "effects.h"
#include "envelope.h"
#include "filters.h"
#include "oscillators.h"
#include "synthesize.h"

namespace {

struct ShotShape {
    double seconds;
    double crackCutoff; // Hz: the high-passed snap at the start
    double crackDecay;  // seconds
    double thumpHigh;   // Hz the thump starts at
    double bodyDecay;   // seconds of the mid-range body
    double tailDecay;   // seconds of the low room tail
    unsigned seed;
};

Audio shot(const ShotShape& s) {
    Noise noise(s.seed);
    HighPass crack;
    LowPass body, tail;
    double phase = 0.0;
    return synthesize(s.seconds, [&](double t) {
        const float n = noise.next();
        const double snap =
            crack.process(n, s.crackCutoff, kEffectRate) * hitLevel(t, 0.0002, s.crackDecay);
        const double mid = body.process(n, 2200.0, kEffectRate) * hitLevel(t, 0.001, s.bodyDecay);
        const double room = tail.process(n, 500.0, kEffectRate) * hitLevel(t, 0.01, s.tailDecay);
        const double thump = sine(phase) * hitLevel(t, 0.001, 0.045);
        phase = advancePhase(phase, glide(s.thumpHigh, 45.0, t, 0.03), kEffectRate);
        return 1.4 * snap + 1.3 * mid + 1.5 * room + 0.8 * thump;
    });
}

struct BlastShape {
    double seconds;
    double flashDecay;  // seconds of the bright first crack
    double rumbleDecay; // seconds of the low rumble
    double rollRate;    // Hz of the rumble's rolling swell
    unsigned seed;
};

// A bright crack, a sub-bass drop and a rumble whose brightness falls as it rolls on.
Audio blast(const BlastShape& s) {
    Noise noise(s.seed), wobbleNoise(s.seed * 7u + 1u);
    LowPass flash, rumble, rumble2, wobble;
    double phase = 0.0;
    return synthesize(s.seconds, [&](double t) {
        const float n = noise.next();
        const double bright = flash.process(n, glide(6000.0, 800.0, t, 0.05), kEffectRate) *
                              hitLevel(t, 0.001, s.flashDecay);
        const double cutoff = glide(1200.0, 90.0, t, s.rumbleDecay * 0.5);
        const double low =
            rumble2.process(rumble.process(n, cutoff, kEffectRate), cutoff, kEffectRate);
        // Slow random swells make the rumble roll instead of simply fading.
        const double swell =
            1.0 + 6.0 * wobble.process(wobbleNoise.next(), s.rollRate, kEffectRate);
        const double roll = low * hitLevel(t, 0.01, s.rumbleDecay) * swell;
        const double sub = sine(phase) * hitLevel(t, 0.002, 0.25);
        phase = advancePhase(phase, glide(90.0, 28.0, t, 0.15), kEffectRate);
        return 1.2 * bright + 5.0 * roll + 0.9 * sub;
    });
}

} // namespace

Audio handgunShot() {
    return shot({0.45, 2500.0, 0.010, 160.0, 0.035, 0.09, 0x1234567u});
}

Audio heavyShot() {
    return shot({0.6, 1500.0, 0.016, 120.0, 0.06, 0.16, 0x7654321u});
}

Audio explosion() {
    return blast({2.4, 0.12, 0.7, 4.0, 0xe4910u});
}

Audio rocketBlast() {
    return blast({1.6, 0.07, 0.38, 6.0, 0xb1a57u});
}

Audio rocketLaunch() {
    Noise noise(0x40c4e7u);
    BandPass band;
    LowPass low;
    return synthesize(1.1, [&](double t) {
        const float n = noise.next();
        // The whoosh climbs while the motor lights, then falls as the rocket flies off.
        const double centre =
            t < 0.22 ? 300.0 + 2300.0 * t / 0.22 : glide(2600.0, 700.0, t - 0.22, 0.3);
        const double whoosh = band.process(n, centre, 1.6, kEffectRate);
        const double level = t < 0.08 ? t / 0.08 : std::exp(-(t - 0.08) / 0.35);
        const double roar = low.process(n, 250.0, kEffectRate) * hitLevel(t, 0.005, 0.25);
        return 2.2 * whoosh * level + 2.5 * roar;
    });
}

Audio ricochet() {
    Noise noise(0x21c0c4e7u);
    HighPass click;
    double p1 = 0.0, p2 = 0.0, p3 = 0.0;
    return synthesize(0.65, [&](double t) {
        const double hit =
            click.process(noise.next(), 3000.0, kEffectRate) * hitLevel(t, 0.0002, 0.004);
        // A falling whine with inharmonic partials, which is what makes it sound like metal.
        const double f =
            glide(2600.0, 1050.0, t, 0.12) * (1.0 + 0.01 * std::sin(kTwoPi * 30.0 * t));
        const double ring = sine(p1) * hitLevel(t, 0.003, 0.2) +
                            0.5 * sine(p2) * hitLevel(t, 0.003, 0.1) +
                            0.3 * sine(p3) * hitLevel(t, 0.003, 0.06);
        p1 = advancePhase(p1, f, kEffectRate);
        p2 = advancePhase(p2, f * 2.76, kEffectRate);
        p3 = advancePhase(p3, f * 5.40, kEffectRate);
        return 1.5 * hit + 0.7 * ring;
    });
}

Audio fireballHiss() {
    Noise noise(0xf14eu), crackle(0xc4ac1eu);
    HighPass high;
    BandPass band;
    double pop = 0.0;
    return synthesize(0.75, [&](double t) {
        const float n = noise.next();
        const double hiss = high.process(n, 2500.0, kEffectRate) * 0.6 +
                            band.process(n, glide(3500.0, 1500.0, t, 0.3), 2.0, kEffectRate);
        const double level = t < 0.06 ? t / 0.06 : std::exp(-(t - 0.06) / 0.28);
        // Now and then a spark pops: rare noise peaks start a click that dies in a millisecond.
        if (crackle.next() > 0.9985f) pop = 1.0;
        const double spark = pop * n;
        pop *= 0.97;
        return hiss * level + 0.8 * spark * level;
    });
}

Audio swingWhoosh() {
    Noise noise(0x5e1e6u);
    BandPass band;
    return synthesize(0.35, [&](double t) {
        const double centre = 600.0 + 1800.0 * std::sin(std::numbers::pi * t / 0.35);
        const double level = std::sin(std::numbers::pi * t / 0.35);
        return band.process(noise.next(), centre, 2.5, kEffectRate) * level * level;
    });
}

Audio emptyClick() {
    Noise noise(0xc11cu);
    HighPass high;
    double phase = 0.0;
    return synthesize(0.2, [&](double t) {
        const double first = hitLevel(t, 0.0002, 0.003);
        const double second = hitLevel(t - 0.085, 0.0002, 0.004);
        const double ping =
            sine(phase) * (hitLevel(t, 0.0005, 0.015) + hitLevel(t - 0.085, 0.0005, 0.02));
        phase = advancePhase(phase, 2300.0, kEffectRate);
        return high.process(noise.next(), 2000.0, kEffectRate) * (first + second) + 0.3 * ping;
    });
}

Audio bodyBump() {
    Noise noise(0xb0b0u);
    LowPass low;
    double phase = 0.0;
    return synthesize(0.25, [&](double t) {
        const double bonk = sine(phase) * hitLevel(t, 0.002, 0.06);
        phase = advancePhase(phase, glide(260.0, 110.0, t, 0.04), kEffectRate);
        return bonk +
               0.8 * low.process(noise.next(), 900.0, kEffectRate) * hitLevel(t, 0.001, 0.02);
    });
}

Audio arrowThunk() {
    Noise noise(0xa440u);
    BandPass wood;
    double phase = 0.0;
    return synthesize(0.25, [&](double t) {
        const double knock =
            wood.process(noise.next(), 900.0, 5.0, kEffectRate) * hitLevel(t, 0.0005, 0.03);
        // The shaft keeps quivering a little after the hit.
        const double quiver =
            sine(phase) * hitLevel(t, 0.001, 0.06) * (1.0 + 0.5 * std::sin(kTwoPi * 38.0 * t));
        phase = advancePhase(phase, 420.0, kEffectRate);
        return 3.0 * knock + 0.5 * quiver;
    });
}
