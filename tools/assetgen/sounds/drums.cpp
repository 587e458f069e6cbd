#include "drums.h"

#include "envelope.h"
#include "filters.h"
#include "oscillators.h"

#include <cmath>

namespace {

// A sine whose pitch falls from high to low: the body of a kick or a tom.
std::vector<float> pitchDrop(int rate, double seconds, double high, double low, double drop,
                             double decay) {
    std::vector<float> out(static_cast<std::size_t>(seconds * rate));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double frequency = low + (high - low) * std::exp(-t / drop);
        out[i] = static_cast<float>(sine(phase) * hitLevel(t, 0.001, decay));
        phase = advancePhase(phase, frequency, rate);
    }
    return out;
}

std::vector<float> snare(int rate) {
    std::vector<float> out(static_cast<std::size_t>(0.25 * rate));
    Noise noise(0x5a5a1234u);
    BandPass band;
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const float rattle = band.process(noise.next(), 3200.0, 0.7, rate);
        const double body = sine(phase) * hitLevel(t, 0.001, 0.04);
        out[i] = static_cast<float>(1.6 * rattle * hitLevel(t, 0.001, 0.06) + 0.6 * body);
        phase = advancePhase(phase, 185.0, rate);
    }
    return out;
}

std::vector<float> hat(int rate, double seconds, double decay) {
    std::vector<float> out(static_cast<std::size_t>(seconds * rate));
    Noise noise(0x0badf00du);
    HighPass high;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        out[i] = static_cast<float>(high.process(noise.next(), 7000.0, rate) *
                                    hitLevel(t, 0.0005, decay));
    }
    return out;
}

} // namespace

std::vector<float> drumHit(Drum drum, int rate) {
    switch (drum) {
    case Drum::Kick:
        return pitchDrop(rate, 0.35, 160.0, 48.0, 0.03, 0.09);
    case Drum::Tom:
        return pitchDrop(rate, 0.35, 220.0, 110.0, 0.05, 0.1);
    case Drum::Snare:
        return snare(rate);
    case Drum::Hat:
        return hat(rate, 0.08, 0.015);
    case Drum::OpenHat:
        return hat(rate, 0.3, 0.08);
    }
    return {};
}
