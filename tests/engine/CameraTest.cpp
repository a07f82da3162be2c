// The camera's view of the Z-up world and the 2D overlay, drawn in the game's
// 800 x 450 window and read back pixel by pixel.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Camera.h"
#include "engine/Platform.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "support/GlTestWindow.h"

namespace {

class CameraTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("Quendralvoss", 800, 450, false)) << SDL_GetError();
        camera.setAspect(gScreenWidth, gScreenHeight);
    }
    void TearDown() override { SDL_Quit(); }

    // A red square of half-size s facing the origin-side viewer, centred on
    // (x, y, z) in the plane X = x, wound counter-clockwise as seen from -X.
    void drawSquareAtX(float x, float y, float z, float s) {
        applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
        glBegin(GL_QUADS);
        glVertex3f(x, y + s, z - s);
        glVertex3f(x, y - s, z - s);
        glVertex3f(x, y - s, z + s);
        glVertex3f(x, y + s, z + s);
        glEnd();
    }

    Camera camera;
};

}  // namespace

TEST_F(CameraTest, LooksAlongPlusXWithPlusYToTheLeft) {
    camera.fogOn = 0;
    camera.apply(true);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    drawSquareAtX(5.0f, 0.0f, 0.0f, 0.2f);
    EXPECT_TRUE(isRed(readPixel(400, 225)));

    // One unit to +Y at distance 5 is 225 / (5 tan 35 degrees) = 64 pixels
    // to the left of the centre.
    camera.apply(true);
    drawSquareAtX(5.0f, 1.0f, 0.0f, 0.2f);
    EXPECT_FALSE(isRed(readPixel(400, 225)));
    EXPECT_TRUE(isRed(readPixel(336, 225)));
    EXPECT_FALSE(isRed(readPixel(464, 225)));

    camera.apply(true);
    drawSquareAtX(5.0f, 0.0f, 1.0f, 0.2f);
    EXPECT_TRUE(isRed(readPixel(400, 289)));
    EXPECT_FALSE(isRed(readPixel(400, 161)));
}

TEST_F(CameraTest, YawTurnsTheViewTowardsPlusY) {
    camera.fogOn = 0;
    camera.rotation.z = static_cast<float>(M_PI / 2);
    camera.apply(true);
    // Seen from the origin looking along +Y, +X lies to the right.
    applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_CULL_FACE);
    glBegin(GL_QUADS);
    glVertex3f(-0.2f, 5.0f, -0.2f);
    glVertex3f(0.2f, 5.0f, -0.2f);
    glVertex3f(0.2f, 5.0f, 0.2f);
    glVertex3f(-0.2f, 5.0f, 0.2f);
    glEnd();
    glEnable(GL_CULL_FACE);
    EXPECT_TRUE(isRed(readPixel(400, 225)));

    camera.apply(true);
    drawSquareAtX(5.0f, 0.0f, 0.0f, 0.2f);
    EXPECT_FALSE(isRed(readPixel(400, 225)));
}

TEST_F(CameraTest, FogOnHidesFarGeometryAndOffClearsToTheFogColour) {
    camera.fogColour[0] = 0.0f;
    camera.fogColour[1] = 0.0f;
    camera.fogColour[2] = 1.0f;
    camera.fogStart = 1.0f;
    camera.fogEnd = 2.0f;
    camera.apply(true);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    GLfloat start = 0.0f;
    GLfloat end = 0.0f;
    glGetFloatv(GL_FOG_START, &start);
    glGetFloatv(GL_FOG_END, &end);
    EXPECT_EQ(1.0f, start);
    EXPECT_EQ(2.0f, end);
    drawSquareAtX(5.0f, 0.0f, 0.0f, 0.2f);
    const Rgb fogged = readPixel(400, 225);
    EXPECT_LT(fogged.r, 10);
    EXPECT_GT(fogged.b, 245);

    camera.fogOn = 0;
    camera.apply(true);
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    const Rgb cleared = readPixel(10, 10);
    EXPECT_EQ(0, cleared.r);
    EXPECT_EQ(255, cleared.b);
    drawSquareAtX(5.0f, 0.0f, 0.0f, 0.2f);
    EXPECT_TRUE(isRed(readPixel(400, 225)));
}

TEST_F(CameraTest, ApplyWithoutClearKeepsTheBuffersAndDepthFunction) {
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDepthFunc(GL_LESS);
    camera.apply(false);
    const Rgb kept = readPixel(10, 10);
    EXPECT_EQ(255, kept.g);
    GLint function = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &function);
    EXPECT_EQ(GL_LESS, function);
    camera.apply(true);
    glGetIntegerv(GL_DEPTH_FUNC, &function);
    EXPECT_EQ(GL_LEQUAL, function);
}

TEST_F(CameraTest, OverlayMapsItsPlaneOntoTheWindow) {
    camera.fogOn = 1;
    camera.apply(true);
    ScreenSize2D overlay;
    EXPECT_EQ(1.0f, overlay.width);
    EXPECT_EQ(1.0f, overlay.height);
    overlay.width = 48.0f;
    overlay.height = 36.0f;
    overlay.apply();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_FOG));

    // A square on the plane X = 0 facing +X: Y runs right, Z up.
    auto square = [](float y, float z, float s) {
        applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
        glBegin(GL_QUADS);
        glVertex3f(0.0f, y - s, z - s);
        glVertex3f(0.0f, y + s, z - s);
        glVertex3f(0.0f, y + s, z + s);
        glVertex3f(0.0f, y - s, z + s);
        glEnd();
    };
    square(24.0f, 18.0f, 0.5f);
    EXPECT_TRUE(isRed(readPixel(400, 225)));
    EXPECT_FALSE(isRed(readPixel(400, 250)));

    // (6, 27) lies a quarter in from the left and the top.
    square(6.0f, 27.0f, 0.5f);
    EXPECT_TRUE(isRed(readPixel(100, 337)));

    // Anything with X between -10 and 10 shows.
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(9.5f, 0.0f, 0.0f);
    square(24.0f, 18.0f, 0.5f);
    glPopMatrix();
    EXPECT_TRUE(isRed(readPixel(400, 225)));
}
