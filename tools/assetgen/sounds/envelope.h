#pragma once
// Amplitude envelopes, as functions of the time since a note or sound began (seconds).

struct Adsr {
    double attack = 0.005; // seconds from silence to full
    double decay = 0.1;    // seconds from full towards sustain (exponential, time constant)
    double sustain = 0.7;  // level held while the gate is open
    double release = 0.02; // seconds from the gate's end to silence (linear)
};

// The level at time t of a note whose gate stays open for gate seconds.
double adsrLevel(const Adsr& envelope, double t, double gate);

// exp(-t / timeConstant) after a linear rise of attack seconds: the shape of a hit.
double hitLevel(double t, double attack, double timeConstant);
