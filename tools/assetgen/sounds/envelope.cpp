#include "envelope.h"

#include <algorithm>
#include <cmath>

namespace {

double heldLevel(const Adsr& e, double t) {
    if (t < e.attack) return t / e.attack;
    return e.sustain + (1.0 - e.sustain) * std::exp(-(t - e.attack) / e.decay);
}

} // namespace

double adsrLevel(const Adsr& e, double t, double gate) {
    if (t < 0.0) return 0.0;
    if (t < gate) return heldLevel(e, t);
    const double fall = 1.0 - (t - gate) / e.release;
    return fall <= 0.0 ? 0.0 : heldLevel(e, gate) * fall;
}

double hitLevel(double t, double attack, double timeConstant) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / timeConstant);
}
