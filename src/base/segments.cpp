#include "base/segments.h"

namespace {

// Line parameters of p + t d and q + s e where the two lines meet; the expression order is
// kept as it is, since the cell walk and the sweep stop on exact float ties.
struct LineParameters {
    float t;
    float s;
};

LineParameters meetingParameters(const Vector3& p, const Vector3& q, const Vector3& d,
                                 const Vector3& e) {
    const float nt = (p.y - q.y) * e.x - (p.x - q.x) * e.y;
    const float ns = (p.y - q.y) * d.x - (p.x - q.x) * d.y;
    const float den = e.y * d.x - e.x * d.y;
    return {nt / den, ns / den};
}

bool withinBoth(const LineParameters& k) {
    return k.t >= 0.0f && k.t <= 1.0f && k.s >= 0.0f && k.s <= 1.0f;
}

Vector3 pointAlong(const Vector3& p, const Vector3& d, float t) {
    return {p.x + t * d.x, p.y + t * d.y, 0.0f};
}

} // namespace

bool isParallel(Vector3& a, Vector3& b) {
    flatten(a);
    flatten(b);
    // Division by zero is wanted here: infinities and NaN decide the comparison.
    float rx = a.x / b.x;
    float ry = a.y / b.y;
    if (a.x == 0.0f && b.x == 0.0f) rx = ry;
    if (a.y == 0.0f && b.y == 0.0f) ry = rx;
    return rx == ry;
}

bool crossLines(Vector3& p, Vector3& q, Vector3& d, Vector3& e, Vector3& out) {
    flatten(p);
    flatten(q);
    flatten(d);
    flatten(e);
    if (isParallel(d, e)) return false;
    const LineParameters k = meetingParameters(p, q, d, e);
    out = pointAlong(p, d, k.t);
    return withinBoth(k);
}

bool crossSegments(Vector3& a0, Vector3& b0, Vector3& a1, Vector3& b1, Vector3& out, float& u) {
    flatten(a0);
    flatten(b0);
    flatten(a1);
    flatten(b1);
    Vector3 d{a1.x - a0.x, a1.y - a0.y, 0.0f};
    Vector3 e{b1.x - b0.x, b1.y - b0.y, 0.0f};
    if (isParallel(d, e)) return false;
    const LineParameters k = meetingParameters(a0, b0, d, e);
    out = pointAlong(a0, d, k.t);
    u = k.t;
    return withinBoth(k);
}
