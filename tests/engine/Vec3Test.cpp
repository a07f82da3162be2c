#include <gtest/gtest.h>

#include <cmath>

#include "engine/Vec3.h"

namespace {
const float kPi = 3.14159265f;
const float kTwoPi = 6.2831855f;

void expectNear(const Vec3& v, float x, float y, float z) {
    EXPECT_NEAR(x, v.x, 1e-5f);
    EXPECT_NEAR(y, v.y, 1e-5f);
    EXPECT_NEAR(z, v.z, 1e-5f);
}
}  // namespace

TEST(Vec3, RotationTurnsAboutEachAxisRightHanded) {
    Vec3 a(1, 0, 0);
    a.rotate(0, 0, kPi / 2);
    expectNear(a, 0, 1, 0);
    Vec3 b(0, 1, 0);
    b.rotate(kPi / 2, 0, 0);
    expectNear(b, 0, 0, 1);
    Vec3 c(0, 0, 1);
    c.rotate(0, kPi / 2, 0);
    expectNear(c, 1, 0, 0);
}

TEST(Vec3, RotationAppliesXThenYThenZ) {
    Vec3 v(0, 1, 0);
    v.rotate(Vec3(kPi / 2, 0, kPi / 2));
    expectNear(v, 0, 0, 1);
    // Rz(pi/2) Rx(pi/2) on (0, 0, 1): X turn gives (0, -1, 0), Z turn (1, 0, 0).
    Vec3 w(0, 0, 1);
    w.rotate(kPi / 2, 0, kPi / 2);
    expectNear(w, 1, 0, 0);
    Vec3 origin;
    origin.rotate(1, 2, 3);
    expectNear(origin, 0, 0, 0);
}

TEST(Vec3, DirectionAnglesLookDownForPositivePitch) {
    Vec3 angles(9, 9, 9);
    angles.setDirectionAngles(Vec3(0, 0, 0), Vec3(1, 1, -1));
    EXPECT_FLOAT_EQ(0.0f, angles.x);
    EXPECT_NEAR(std::atan2(1.0f, std::sqrt(2.0f)), angles.y, 1e-6f);
    EXPECT_NEAR(kPi / 4, angles.z, 1e-6f);
    angles.setDirectionAngles(Vec3(2, 2, 2), Vec3(2, 2, 2));
    expectNear(angles, 0, 0, 0);
}

TEST(Vec3, UnwrapAnglesTakesTheShortWay) {
    Vec3 from(0.1f, 0, 0);
    Vec3 to(6.2f, 0, 0);
    from.unwrapAngles(to);
    EXPECT_NEAR(0.1f + kTwoPi, from.x, 1e-5f);
    EXPECT_FLOAT_EQ(6.2f, to.x);

    Vec3 back(-0.5f, 0, 0);
    Vec3 zero;
    back.unwrapAngles(zero);
    EXPECT_NEAR(-0.5f, back.x, 1e-5f);

    Vec3 near(1.0f, 2.0f, 3.0f);
    Vec3 target(1.5f, 2.5f, 3.5f);
    near.unwrapAngles(target);
    expectNear(near, 1.0f, 2.0f, 3.0f);
}

TEST(Vec3, ProductsLengthAndReflection) {
    Vec3 c(1, 0, 0);
    c.cross(Vec3(0, 1, 0));
    expectNear(c, 0, 0, 1);
    EXPECT_FLOAT_EQ(5.0f, Vec3(3, 4, 0).length());
    EXPECT_FLOAT_EQ(32.0f, Vec3(1, 2, 3).dot(4, 5, 6));

    Vec3 r(3, -4, 0);
    r.reflect(0, 1, 0);
    expectNear(r, 3, 4, 0);
    Vec3 zero;
    zero.reflect(Vec3(0, 0, 1));
    EXPECT_TRUE(std::isnan(zero.x));
}

TEST(Vec3, ComponentArithmetic) {
    Vec3 v(1, 2, 3);
    v.add(1, 1, 1);
    v.multiply(Vec3(2, 3, 4));
    expectNear(v, 4, 9, 16);
    v.divide(Vec3(4, 9, 16));
    v.subtract(Vec3(1, 1, 1));
    expectNear(v, 0, 0, 0);
    v.set(2, 4, 8);
    v.scale(0.5f);
    v.divide(2);
    expectNear(v, 0.5f, 1, 2);
}
