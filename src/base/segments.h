#pragma once
// Parallel test and segment intersection in the plane. Every argument vector is flattened
// in place (z = 0): callers see their vectors change, which the plane code relies on.
#include "base/vector3.h"

// A crossing parameter or distance beyond any real one: nothing was hit.
inline constexpr float kNoHit = 999999.0f;

// Flattens a and b, then compares the ratios a.x / b.x and a.y / b.y exactly (an axis where
// both are 0 takes the other axis's ratio). Opposite directions are parallel; a zero vector
// is parallel to any non-zero one; two zero vectors are not (their ratios are NaN).
bool isParallel(Vector3& a, Vector3& b);

// Does the segment p + t d meet the segment q + s e with t and s in [0, 1], ends included?
// When the directions are not parallel, out receives the meeting point of the two lines,
// even when it lies outside either segment; when they are parallel, out is left alone.
bool crossLines(Vector3& p, Vector3& q, Vector3& d, Vector3& e, Vector3& out);

// Does the segment a0 to a1 meet the segment b0 to b1 (ends included)? When they are not
// parallel, out receives the meeting point of the lines and u its parameter along a0 to a1
// (0 at a0, 1 at a1), whether or not it lies on both segments. Collinear segments never meet.
bool crossSegments(Vector3& a0, Vector3& b0, Vector3& a1, Vector3& b1, Vector3& out, float& u);
