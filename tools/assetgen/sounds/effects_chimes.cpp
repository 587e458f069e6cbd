// Pick-up chimes and the taunting jingle: short tunes of struck or chip-like tones.
#include "effects.h"
#include "envelope.h"
#include "oscillators.h"
#include "synthesize.h"

#include <vector>

namespace {

enum class Timbre { Bell, Chip, Glass };

struct Tone {
    double start;  // seconds
    int note;      // note number
    double decay;  // seconds
    double length; // seconds the tone is held before it fades (chip tones)
};

// One tone's sample: bells ring with inharmonic partials, chips are held square notes.
double toneSample(Timbre timbre, const Tone& tone, double t) {
    const double f = noteFrequency(tone.note);
    const double phase = f * t;
    switch (timbre) {
    case Timbre::Bell:
        return (sine(phase) + 0.4 * sine(phase * 2.0) + 0.25 * sine(phase * 3.01)) *
               hitLevel(t, 0.002, tone.decay);
    case Timbre::Glass:
        return (sine(phase) + 0.3 * sine(phase * 4.07)) * hitLevel(t, 0.001, tone.decay);
    case Timbre::Chip: {
        const double held = t < tone.length ? 1.0 : hitLevel(t - tone.length, 0.0, tone.decay);
        const double wrapped = phase - std::floor(phase);
        return 0.5 * pulse(wrapped, f / kEffectRate, 0.5) * held * std::min(1.0, t / 0.004);
    }
    }
    return 0.0;
}

Audio tune(double seconds, Timbre timbre, const std::vector<Tone>& tones) {
    return synthesize(seconds, [&](double t) {
        double sum = 0.0;
        for (const Tone& tone : tones) {
            if (t >= tone.start) sum += toneSample(timbre, tone, t - tone.start);
        }
        return sum;
    });
}

// A run of evenly spaced tones, each ringing with the same decay.
std::vector<Tone> run(std::initializer_list<int> notes, double step, double decay) {
    std::vector<Tone> tones;
    double start = 0.0;
    for (int note : notes) {
        tones.push_back({start, note, decay, step});
        start += step;
    }
    return tones;
}

} // namespace

Audio weaponPickup() {
    return tune(0.45, Timbre::Chip, run({67, 74, 79}, 0.06, 0.06));
}

Audio healthPickup() {
    return tune(0.7, Timbre::Bell, run({72, 76, 79, 84}, 0.07, 0.18));
}

Audio speedPickup() {
    return tune(0.5, Timbre::Glass, run({72, 74, 76, 79, 81, 84, 86, 88}, 0.035, 0.09));
}

Audio itemSpawn() {
    return tune(0.75, Timbre::Glass, run({100, 95, 91, 88, 91, 95, 100}, 0.06, 0.12));
}

Audio tauntJingle() {
    // The playground taunt: high, low, higher, high, low - and a smug last note.
    const double beat = 0.16;
    return tune(1.7, Timbre::Chip,
                {{0 * beat, 79, 0.05, 1.6 * beat},
                 {2 * beat, 76, 0.05, 0.8 * beat},
                 {3 * beat, 81, 0.05, 0.8 * beat},
                 {4 * beat, 79, 0.05, 1.6 * beat},
                 {6 * beat, 76, 0.05, 1.6 * beat},
                 {8 * beat, 72, 0.12, 1.5 * beat}});
}
