#include "collision/game_object.h"

#include <cmath>

namespace {

// Truncation towards zero, then "at most 1": a push of 1.99 px/s is cleared, 2.0 is kept.
float decayed(float push) {
    const float next = push / 1.2f;
    return std::fabs(std::trunc(next)) <= 1.0f ? 0.0f : next;
}

} // namespace

void GameObject::collide(GameObject*, int, int) {}

void decayPush(GameObject& object) {
    object.pushX = decayed(object.pushX);
    object.pushY = decayed(object.pushY);
}

bool canMeet(const GameObject& m, const GameObject& o) {
    return &m != &o && o.kind != m.kind && o.ignoreKind != m.kind && m.ignoreKind != o.kind;
}
