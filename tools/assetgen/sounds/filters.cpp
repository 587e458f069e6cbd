#include "filters.h"

#include <cmath>
#include <numbers>

float LowPass::process(float in, double cutoff, int rate) {
    const double k = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / rate);
    state += static_cast<float>(k) * (in - state);
    return state;
}

float HighPass::process(float in, double cutoff, int rate) {
    return in - low.process(in, cutoff, rate);
}

void BandPass::design(double centre, double q, int rate) {
    const double w = 2.0 * std::numbers::pi * centre / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0 = alpha / a0;
    b2 = -alpha / a0;
    a1 = -2.0 * std::cos(w) / a0;
    a2 = (1.0 - alpha) / a0;
    designedCentre = centre;
    designedQ = q;
}

float BandPass::process(float in, double centre, double q, int rate) {
    // Redesigning costs two transcendental calls; a sweep moves slowly enough to skip
    // changes under half a percent.
    if (std::fabs(centre - designedCentre) > designedCentre * 0.005 || q != designedQ) {
        design(centre, q, rate);
    }
    const double out = b0 * in + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = in;
    y2 = y1;
    y1 = out;
    return static_cast<float>(out);
}
