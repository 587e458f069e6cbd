#pragma once
// Three-component single-precision vectors. The plane code keeps z at 0.

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// a.x * b.x + a.y * b.y + a.z * b.z.
float dot(const Vector3& a, const Vector3& b);

// Square root of dot(v, v).
float length(const Vector3& v);

// Divides v by its length in place; a zero vector is divided by 1 and stays zero.
void normalise(Vector3& v);

// Sets v.z to 0 in place.
void flatten(Vector3& v);
