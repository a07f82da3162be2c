#include "content/Transform.h"

#include <cmath>

namespace {
const float kDegree = 3.14159265358979f / 180.0f;
}

Transform::Transform() : m{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}} {}

Transform Transform::translation(V3 tr) {
    Transform r;
    r.t = tr;
    return r;
}

Transform Transform::scaling(V3 s) {
    Transform r;
    r.m[0][0] = s.x;
    r.m[1][1] = s.y;
    r.m[2][2] = s.z;
    return r;
}

Transform Transform::rotationX(float degrees) {
    const float c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    Transform r;
    r.m[1][1] = c; r.m[1][2] = -s;
    r.m[2][1] = s; r.m[2][2] = c;
    return r;
}

Transform Transform::rotationY(float degrees) {
    const float c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    Transform r;
    r.m[0][0] = c; r.m[0][2] = s;
    r.m[2][0] = -s; r.m[2][2] = c;
    return r;
}

Transform Transform::rotationZ(float degrees) {
    const float c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    Transform r;
    r.m[0][0] = c; r.m[0][1] = -s;
    r.m[1][0] = s; r.m[1][1] = c;
    return r;
}

Transform Transform::rotateXYZ(V3 d) {
    return rotationZ(d.z) * rotationY(d.y) * rotationX(d.x);
}

Transform Transform::rotateAbout(V3 pivot, V3 degrees) {
    return translation(pivot) * rotateXYZ(degrees) * translation(pivot * -1.0f);
}

Transform Transform::operator*(const Transform& o) const {
    Transform r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
    r.t = point(o.t);
    return r;
}

V3 Transform::point(V3 p) const {
    return V3(m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + t.x,
              m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + t.y,
              m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + t.z);
}

V3 Transform::normal(V3 n) const {
    // Cofactor matrix = inverse transpose times the determinant; the scale
    // drops out when normalised, and the sign is kept for mirrorings.
    const float c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const float c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    const float c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    const float c10 = m[0][2] * m[2][1] - m[0][1] * m[2][2];
    const float c11 = m[0][0] * m[2][2] - m[0][2] * m[2][0];
    const float c12 = m[0][1] * m[2][0] - m[0][0] * m[2][1];
    const float c20 = m[0][1] * m[1][2] - m[0][2] * m[1][1];
    const float c21 = m[0][2] * m[1][0] - m[0][0] * m[1][2];
    const float c22 = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    const float det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
    V3 r(c00 * n.x + c01 * n.y + c02 * n.z, c10 * n.x + c11 * n.y + c12 * n.z,
         c20 * n.x + c21 * n.y + c22 * n.z);
    if (det < 0) r = r * -1.0f;
    return normalized(r);
}
