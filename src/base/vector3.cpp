#include "base/vector3.h"

#include <cmath>

float dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float length(const Vector3& v) {
    return std::sqrt(dot(v, v));
}

void normalise(Vector3& v) {
    float size = length(v);
    if (size == 0.0f) size = 1.0f;
    v.x /= size;
    v.y /= size;
    v.z /= size;
}

void flatten(Vector3& v) {
    v.z = 0.0f;
}
