#pragma once
// 3x3 single-precision matrices, row by row, and rotation by an angle in degrees.
#include "base/vector3.h"

struct Matrix3 {
    float m[9] = {}; // element (row, column) at row * 3 + column
};

// m = identity.
void setIdentity(Matrix3& m);

// out = b times a: out(r, c) = sum over j of b(r, j) * a(j, c). out must not be a or b.
void multiply(const Matrix3& a, const Matrix3& b, Matrix3& out);

// out = the row vector v times m. out must not be v.
void transform(const Matrix3& m, const Vector3& v, Vector3& out);

// m = R times m, R the right-handed rotation by angleDegrees about axis (normalised here; the
// caller's axis is unchanged).
void rotateMatrix(Matrix3& m, float angleDegrees, const Vector3& axis);

// Rotates v in place by angleDegrees about axis. About (0, 0, 1) a positive angle turns a
// vector clockwise on the screen, where y grows downwards.
void rotateVector(Vector3& v, float angleDegrees, const Vector3& axis);
