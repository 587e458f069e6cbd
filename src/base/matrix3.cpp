#include "base/matrix3.h"

#include <cmath>

namespace {

// The game's pi: turning is tuned to this value, not to the exact one.
constexpr float kPi = 3.14159f;

float at(const Matrix3& m, int row, int column) {
    return m.m[row * 3 + column];
}

} // namespace

void setIdentity(Matrix3& m) {
    for (int i = 0; i < 9; ++i)
        m.m[i] = (i % 4 == 0) ? 1.0f : 0.0f;
}

void multiply(const Matrix3& a, const Matrix3& b, Matrix3& out) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            out.m[r * 3 + c] =
                at(b, r, 0) * at(a, 0, c) + at(b, r, 1) * at(a, 1, c) + at(b, r, 2) * at(a, 2, c);
        }
    }
}

void transform(const Matrix3& m, const Vector3& v, Vector3& out) {
    out.x = v.x * at(m, 0, 0) + v.y * at(m, 1, 0) + v.z * at(m, 2, 0);
    out.y = v.x * at(m, 0, 1) + v.y * at(m, 1, 1) + v.z * at(m, 2, 1);
    out.z = v.x * at(m, 0, 2) + v.y * at(m, 1, 2) + v.z * at(m, 2, 2);
}

void rotateMatrix(Matrix3& m, float angleDegrees, const Vector3& axis) {
    const float r = angleDegrees * kPi / 180.0f;
    const float c = std::cos(r);
    const float s = std::sin(r);
    const float k = 1.0f - c;
    Vector3 a = axis;
    normalise(a);
    const float x = a.x, y = a.y, z = a.z;
    const Matrix3 rotation{{k * x * x + c, k * x * y + s * z, k * x * z - s * y, k * x * y - s * z,
                            k * y * y + c, k * y * z + s * x, k * x * z + s * y, k * y * z - s * x,
                            k * z * z + c}};
    const Matrix3 old = m;
    multiply(old, rotation, m);
}

void rotateVector(Vector3& v, float angleDegrees, const Vector3& axis) {
    const Vector3 original = v;
    Matrix3 rotation;
    setIdentity(rotation);
    rotateMatrix(rotation, angleDegrees, axis);
    transform(rotation, original, v);
}
