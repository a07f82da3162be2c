#include "engine/Vec3.h"

#include <cmath>

#include "engine/Angles.h"
#include "engine/Random.h"

namespace {
// One polar turn of the pair (a, b) by angle: a = r cos(phi + angle),
// b = r sin(phi + angle) with phi = atan2(b, a). A point on the axis stays.
void turnPair(float& a, float& b, float angle) {
    const float r = static_cast<float>(std::sqrt(static_cast<double>(a) * a + static_cast<double>(b) * b));
    if (r == 0.0f) {
        return;
    }
    const float phi = static_cast<float>(std::atan2(static_cast<double>(b), static_cast<double>(a)) + angle);
    a = static_cast<float>(r * std::cos(static_cast<double>(phi)));
    b = static_cast<float>(r * std::sin(static_cast<double>(phi)));
}

void unwrapComponent(float& a, float& b) {
    a = wrapPositive(a, kFullTurn);
    b = wrapPositive(b, kFullTurn);
    if (b > a) {
        if (std::fabs(a - b) > (kFullTurn - b) + a) {
            a += kFullTurn;
        }
    } else if (std::fabs(a - b) > (kFullTurn - a) + b) {
        a -= kFullTurn;
    }
}
}  // namespace

Vec3::Vec3() : x(0), y(0), z(0) {}
Vec3::Vec3(float nx, float ny, float nz) : x(nx), y(ny), z(nz) {}

void Vec3::set(float nx, float ny, float nz) {
    x = nx;
    y = ny;
    z = nz;
}
void Vec3::set(const Vec3& v) { set(v.x, v.y, v.z); }
void Vec3::add(float ax, float ay, float az) {
    x += ax;
    y += ay;
    z += az;
}
void Vec3::add(const Vec3& v) { add(v.x, v.y, v.z); }
void Vec3::subtract(float sx, float sy, float sz) {
    x -= sx;
    y -= sy;
    z -= sz;
}
void Vec3::subtract(const Vec3& v) { subtract(v.x, v.y, v.z); }
void Vec3::scale(float s) { multiply(s, s, s); }
void Vec3::multiply(float mx, float my, float mz) {
    x *= mx;
    y *= my;
    z *= mz;
}
void Vec3::multiply(const Vec3& v) { multiply(v.x, v.y, v.z); }
void Vec3::divide(float s) { divide(s, s, s); }
void Vec3::divide(float dx, float dy, float dz) {
    x /= dx;
    y /= dy;
    z /= dz;
}
void Vec3::divide(const Vec3& v) { divide(v.x, v.y, v.z); }

void Vec3::cross(float vx, float vy, float vz) {
    const float cx = y * vz - z * vy;
    const float cy = z * vx - x * vz;
    const float cz = x * vy - y * vx;
    set(cx, cy, cz);
}
void Vec3::cross(const Vec3& v) { cross(v.x, v.y, v.z); }

float Vec3::dot(float vx, float vy, float vz) const { return x * vx + y * vy + z * vz; }
float Vec3::dot(const Vec3& v) const { return dot(v.x, v.y, v.z); }
float Vec3::length() const { return std::sqrt(x * x + y * y + z * z); }

void Vec3::reflect(float nx, float ny, float nz) {
    const float len = length();
    Vec3 u(x / len, y / len, z / len);
    const float d = u.dot(nx, ny, nz);
    u.subtract(2 * d * nx, 2 * d * ny, 2 * d * nz);
    u.scale(len);
    set(u);
}
void Vec3::reflect(const Vec3& n) { reflect(n.x, n.y, n.z); }

void Vec3::rotate(float rx, float ry, float rz) {
    turnPair(y, z, rx);
    turnPair(z, x, ry);
    turnPair(x, y, rz);
}
void Vec3::rotate(const Vec3& angles) { rotate(angles.x, angles.y, angles.z); }

void Vec3::setDirectionAngles(const Vec3& a, const Vec3& b) {
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float dz = b.z - a.z;
    x = 0;
    y = std::atan2(-dz, std::sqrt(dx * dx + dy * dy));
    z = std::atan2(dy, dx);
}

void Vec3::unwrapAngles(Vec3& target) {
    unwrapComponent(x, target.x);
    unwrapComponent(y, target.y);
    unwrapComponent(z, target.z);
}
