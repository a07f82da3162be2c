// The view cull's test against the camera's real matrices in the game's
// 800 x 450 window: spheres just inside and just outside each of the six
// planes, behind the camera and beyond the far plane; and what OpenGL draws
// of a triangle within a sphere the test calls outside (nothing).
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/Camera.h"
#include "engine/Platform.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/ViewFrustum.h"
#include "support/GlTestWindow.h"

namespace {

const int kWidth = 800;
const int kHeight = 450;
const float kRadius = 0.5f;

// Turns (x, y, z) by angle radians about axis (0 X, 1 Y, 2 Z), right-handed.
Vec3 turned(const Vec3& v, int axis, float angle) {
    float c[3] = {v.x, v.y, v.z};
    const int u = (axis + 1) % 3;
    const int w = (axis + 2) % 3;
    const float a = c[u] * std::cos(angle) - c[w] * std::sin(angle);
    const float b = c[u] * std::sin(angle) + c[w] * std::cos(angle);
    c[u] = a;
    c[w] = b;
    return Vec3(c[0], c[1], c[2]);
}

Vec3 along(const Vec3& point, const Vec3& direction, float distance) {
    Vec3 moved = direction;
    moved.scale(distance);
    moved.add(point);
    return moved;
}

// One plane of the view from the origin along +X: a point on it, its unit
// normal pointing into the view, a direction along it and one that leads
// away from the view or along the plane, both across the line of sight.
struct Plane {
    const char* name;
    Vec3 point;
    Vec3 inward;
    Vec3 side;
    Vec3 other;
};

class ViewFrustumTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("Quendralvoss", kWidth, kHeight, false)) << SDL_GetError();
        camera.setAspect(gScreenWidth, gScreenHeight);
        camera.fogOn = 0;
        // As the rooms set it.
        camera.farPlane = 10.0f;
        camera.nearPlane = 0.01f;
        glDisable(GL_CULL_FACE);
    }
    void TearDown() override { SDL_Quit(); }

    // The view of the camera as it stands, taken from OpenGL.
    ViewFrustum look() {
        camera.apply(true);
        ViewFrustum view;
        view.setFromCurrentMatrices();
        return view;
    }

    // The six planes of the camera at the origin looking along +X: 35 degrees
    // up and down, atan(tan 35 x 16/9) left and right, near 0.01, far 10.
    std::vector<Plane> planes() const {
        const float v = 35.0f * static_cast<float>(M_PI) / 180.0f;
        const float h = std::atan(std::tan(v) * camera.aspect);
        const float d = 5.0f;
        return {
            {"top", Vec3(d, 0, d * std::tan(v)), Vec3(std::sin(v), 0, -std::cos(v)), Vec3(0, 1, 0), Vec3(0, 0, 1)},
            {"bottom", Vec3(d, 0, -d * std::tan(v)), Vec3(std::sin(v), 0, std::cos(v)), Vec3(0, 1, 0),
             Vec3(0, 0, -1)},
            {"left", Vec3(d, d * std::tan(h), 0), Vec3(std::sin(h), -std::cos(h), 0), Vec3(0, 0, 1), Vec3(0, 1, 0)},
            {"right", Vec3(d, -d * std::tan(h), 0), Vec3(std::sin(h), std::cos(h), 0), Vec3(0, 0, 1),
             Vec3(0, -1, 0)},
            {"near", Vec3(0.01f, 0, 0), Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)},
            {"far", Vec3(10.0f, 0, 0), Vec3(-1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)},
        };
    }

    // A red triangle within the sphere of kRadius round centre, on the side
    // that faces plane; whether any of it reaches the window.
    bool triangleShows(const Vec3& centre, const Plane& plane) {
        camera.apply(true);
        unbindTexture();
        applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
        const Vec3 front = along(centre, plane.inward, 0.9f * kRadius);
        const Vec3 a = along(front, plane.side, 0.4f * kRadius);
        const Vec3 b = along(front, plane.side, -0.4f * kRadius);
        const Vec3 c = along(front, plane.other, 0.4f * kRadius);
        glBegin(GL_TRIANGLES);
        glVertex3f(a.x, a.y, a.z);
        glVertex3f(b.x, b.y, b.z);
        glVertex3f(c.x, c.y, c.z);
        glEnd();
        const std::vector<uint8_t> pixels = readWindow(kWidth, kHeight);
        for (size_t k = 0; k < pixels.size(); k += 4) {
            if (pixels[k] > 0) {
                return true;
            }
        }
        return false;
    }

    Camera camera;
};

}  // namespace

TEST_F(ViewFrustumTest, SpheresAtEachPlaneAreOutsideOnlyWhenWhollyBeyondIt) {
    const ViewFrustum view = look();
    for (const Plane& plane : planes()) {
        SCOPED_TRACE(plane.name);
        // Overlapping the view by a hair: kept.
        const Vec3 inside = along(plane.point, plane.inward, -(kRadius - 0.005f));
        EXPECT_FALSE(view.excludesSphere(inside, kRadius));
        // Clear of the plane by a little more than the margin: culled, and
        // OpenGL indeed draws nothing of a triangle within it.
        const Vec3 outside = along(plane.point, plane.inward, -(kRadius + 0.03f));
        EXPECT_TRUE(view.excludesSphere(outside, kRadius));
        EXPECT_FALSE(triangleShows(outside, plane));
        // The same triangle a little further in does show, so the drawing
        // above could have shown it.
        EXPECT_TRUE(triangleShows(along(outside, plane.inward, 0.2f), plane));
    }
}

TEST_F(ViewFrustumTest, BehindTheCameraAndBeyondFarAreOutsideWhereverTheCameraTurns) {
    ViewFrustum view = look();
    EXPECT_TRUE(view.excludesSphere(Vec3(-5.0f, 0.0f, 0.0f), 1.0f));
    EXPECT_TRUE(view.excludesSphere(Vec3(-0.6f, 0.0f, 0.0f), 0.5f));
    EXPECT_TRUE(view.excludesSphere(Vec3(11.2f, 0.0f, 0.0f), 1.0f));
    // A sphere round the camera always shows.
    EXPECT_FALSE(view.excludesSphere(Vec3(-0.3f, 0.0f, 0.0f), 0.5f));
    EXPECT_FALSE(view.excludesSphere(Vec3(5.0f, 0.0f, 0.0f), 0.0f));

    camera.rotation.z = static_cast<float>(M_PI);
    view = look();
    EXPECT_FALSE(view.excludesSphere(Vec3(-5.0f, 0.0f, 0.0f), 1.0f));
    EXPECT_TRUE(view.excludesSphere(Vec3(5.0f, 0.0f, 0.0f), 1.0f));

    // Moved and turned to look along +Y.
    camera.position.set(3.0f, 4.0f, 1.0f);
    camera.rotation.z = static_cast<float>(M_PI / 2);
    view = look();
    EXPECT_FALSE(view.excludesSphere(Vec3(3.0f, 9.0f, 1.0f), 0.5f));
    EXPECT_TRUE(view.excludesSphere(Vec3(3.0f, -1.0f, 1.0f), 0.5f));
    EXPECT_TRUE(view.excludesSphere(Vec3(3.0f, 14.6f, 1.0f), 0.5f));
    EXPECT_FALSE(view.excludesSphere(Vec3(3.0f, 14.4f, 1.0f), 0.5f));
    // Looking down, a sphere well below comes into view.
    EXPECT_TRUE(view.excludesSphere(Vec3(3.0f, 5.0f, -3.0f), 0.5f));
    camera.rotation.y = 1.2f;
    view = look();
    EXPECT_FALSE(view.excludesSphere(Vec3(3.0f, 5.0f, -3.0f), 0.5f));
}

TEST_F(ViewFrustumTest, WithoutMatricesNothingIsExcluded) {
    const ViewFrustum view;
    EXPECT_FALSE(view.excludesSphere(Vec3(-100.0f, 0.0f, 0.0f), 1.0f));
    // A degenerate projection proves nothing either.
    const float zero[16] = {};
    ViewFrustum flat;
    flat.setFromMatrices(zero, zero);
    EXPECT_FALSE(flat.excludesSphere(Vec3(-100.0f, 0.0f, 0.0f), 1.0f));
}

TEST_F(ViewFrustumTest, InAModelsCoordinatesTheEdgesStayWhereOpenGlPutsThem) {
    camera.position.set(1.0f, -2.0f, 0.5f);
    camera.rotation.z = 0.3f;
    // Placed and turned as a scene object is: moved, then about Z, Y and X.
    const Vec3 position(4.0f, 1.5f, -0.75f);
    const Vec3 rotation(0.4f, -1.1f, 2.5f);
    const ViewFrustum world = look();
    const ViewFrustum model = world.inModelSpace(position, rotation);
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.z * 180.0f / static_cast<float>(M_PI), 0.0f, 0.0f, 1.0f);
    glRotatef(rotation.y * 180.0f / static_cast<float>(M_PI), 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.x * 180.0f / static_cast<float>(M_PI), 1.0f, 0.0f, 0.0f);
    ViewFrustum fromOpenGl;
    fromOpenGl.setFromCurrentMatrices();

    // The edges of the camera at the origin along +X, carried to where this
    // camera stands, then into the model's coordinates.
    for (const Plane& plane : planes()) {
        SCOPED_TRACE(plane.name);
        for (const float reach : {-(kRadius - 0.005f), -(kRadius + 0.03f)}) {
            Vec3 w = turned(along(plane.point, plane.inward, reach), 2, camera.rotation.z);
            w.add(camera.position);
            w.subtract(position);
            const Vec3 m = turned(turned(turned(w, 2, -rotation.z), 1, -rotation.y), 0, -rotation.x);
            const bool outside = reach < -kRadius;
            EXPECT_EQ(outside, model.excludesSphere(m, kRadius));
            EXPECT_EQ(outside, fromOpenGl.excludesSphere(m, kRadius));
        }
    }
    // Without planes the model's view excludes nothing either.
    EXPECT_FALSE(ViewFrustum().inModelSpace(position, rotation).excludesSphere(Vec3(-100.0f, 0.0f, 0.0f), 1.0f));
}
