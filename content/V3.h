#ifndef QUENDRALVOSS_CONTENT_V3_H
#define QUENDRALVOSS_CONTENT_V3_H

#include <cmath>

// A small value-type vector for building content: positions, normals,
// colours. Operators return new vectors; nothing is changed in place.
struct V3 {
    float x = 0, y = 0, z = 0;
    V3() = default;
    V3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}
};

inline V3 operator+(V3 a, V3 b) { return V3(a.x + b.x, a.y + b.y, a.z + b.z); }
inline V3 operator-(V3 a, V3 b) { return V3(a.x - b.x, a.y - b.y, a.z - b.z); }
inline V3 operator*(V3 a, float s) { return V3(a.x * s, a.y * s, a.z * s); }
inline V3 operator*(float s, V3 a) { return V3(a.x * s, a.y * s, a.z * s); }
inline V3 mul(V3 a, V3 b) { return V3(a.x * b.x, a.y * b.y, a.z * b.z); }
inline float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 cross(V3 a, V3 b) {
    return V3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
inline float length(V3 a) { return std::sqrt(dot(a, a)); }
// Unit vector along a; the zero vector stays zero.
inline V3 normalized(V3 a) {
    const float l = length(a);
    return l > 1e-12f ? a * (1.0f / l) : V3();
}
inline V3 lerp(V3 a, V3 b, float f) { return a + (b - a) * f; }

#endif
