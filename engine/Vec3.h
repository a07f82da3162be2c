#ifndef QUENDRALVOSS_ENGINE_VEC3_H
#define QUENDRALVOSS_ENGINE_VEC3_H

// Three 32-bit floats: positions, rotations (radians about X, then Y, then Z),
// directions, sizes and colours. Operations change the vector in place; only
// length and dot return a number. The world is Z-up. Division is unguarded.
class Vec3 {
public:
    Vec3();
    Vec3(float x, float y, float z);

    void set(float nx, float ny, float nz);
    void set(const Vec3& v);
    void add(float ax, float ay, float az);
    void add(const Vec3& v);
    void subtract(float sx, float sy, float sz);
    void subtract(const Vec3& v);
    void scale(float s);
    void multiply(float mx, float my, float mz);
    void multiply(const Vec3& v);
    void divide(float s);
    void divide(float dx, float dy, float dz);
    void divide(const Vec3& v);
    // this = this x v (right-handed).
    void cross(float vx, float vy, float vz);
    void cross(const Vec3& v);
    float dot(float vx, float vy, float vz) const;
    float dot(const Vec3& v) const;
    float length() const;
    // Mirrors the vector at the plane with unit normal n, keeping its length;
    // a zero vector gives non-numbers.
    void reflect(const Vec3& n);
    void reflect(float nx, float ny, float nz);
    // Turns the point about the origin by rx about X, then ry about Y, then rz
    // about Z, each turn done in polar form.
    void rotate(float rx, float ry, float rz);
    void rotate(const Vec3& angles);
    // this = (0, pitch, yaw) that looks from a towards b; positive pitch looks
    // down, yaw 0 along +X; all zero when a equals b.
    void setDirectionAngles(const Vec3& a, const Vec3& b);
    // Wraps this and target into [0, 2 pi) and shifts each of this's angles by
    // a turn where that brings it within pi of the target's, so that a linear
    // interpolation from this to target turns the short way.
    void unwrapAngles(Vec3& target);

    float x;
    float y;
    float z;
};

#endif
