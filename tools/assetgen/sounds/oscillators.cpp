#include "oscillators.h"

#include <cmath>
#include <numbers>

namespace {

// The polyBLEP residual that rounds a step at phase 0 over one sample on each side.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

double advancePhase(double phase, double frequency, int rate) {
    phase += frequency / rate;
    return phase - std::floor(phase);
}

float pulse(double phase, double increment, double duty) {
    double value = phase < duty ? 1.0 : -1.0;
    value += blep(phase, increment);
    double falling = phase - duty;
    if (falling < 0.0) falling += 1.0;
    value -= blep(falling, increment);
    return static_cast<float>(value - (2.0 * duty - 1.0));
}

float saw(double phase, double increment) {
    return static_cast<float>(2.0 * phase - 1.0 - blep(phase, increment));
}

float triangle(double phase) {
    return static_cast<float>(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
}

float sine(double phase) {
    return static_cast<float>(std::sin(2.0 * std::numbers::pi * phase));
}

float Noise::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
}

double noteFrequency(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
