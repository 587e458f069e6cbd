#pragma once
// Band-limited oscillators and a repeatable noise source. Phases run from 0 to 1.
#include <cstdint>

// Advances a phase by a frequency over one sample, wrapping at 1.
double advancePhase(double phase, double frequency, int rate);

// Pulse wave with the given duty (0.5 = square), zero mean, edges smoothed (polyBLEP) so
// high notes do not alias.
float pulse(double phase, double increment, double duty);

// Sawtooth from -1 to 1, smoothed like pulse.
float saw(double phase, double increment);

float triangle(double phase);

float sine(double phase);

// White noise from a fixed seed: the same seed always gives the same samples.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state(seed != 0 ? seed : 0x9e3779b9u) {}
    float next(); // uniform in [-1, 1)

  private:
    std::uint32_t state;
};

// Converts a note number (69 = A4 = 440 Hz) to a frequency.
double noteFrequency(double note);
