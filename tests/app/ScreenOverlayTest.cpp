// The fog layer's texture offset and the vignette's darkening.
#include <gtest/gtest.h>

#include "app/OverlayQuad.h"
#include "app/ScreenOverlay.h"
#include "engine/Camera.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "support/ScreenHarness.h"

using namespace screentest;

TEST(ScreenOverlay, FogTurnsWithTheCameraAndDrifts) {
    ScreenSession s;
    s.start();
    ScreenOverlay overlay;
    overlay.createScreenOverlay();
    gCamera->rotation = Vec3(0.0f, 0.0f, 0.0f);
    float u0 = 1.0f, v0 = 1.0f;
    overlay.fogOffset(u0, v0);
    EXPECT_FLOAT_EQ(0.0f, u0);
    EXPECT_FLOAT_EQ(0.0f, v0);
    gCamera->rotation = Vec3(0.0f, 0.0f, 6.2831855f);
    overlay.fogOffset(u0, v0);
    EXPECT_FLOAT_EQ(-4.0f, u0);  // a full turn: four whole widths
    gCamera->rotation = Vec3(0.0f, 6.2831855f / 8.0f, 0.0f);
    overlay.advanceScreenOverlay(2.5f);
    overlay.fogOffset(u0, v0);
    EXPECT_FLOAT_EQ(0.1f, u0);
    EXPECT_FLOAT_EQ(0.5f, v0);
    overlay.reloadScreenOverlay();
    EXPECT_EQ(0.0f, overlay.time);
    // The main menu's, the intro's and the play screen's overlays hold the
    // others, and the play screen's answer panel one more of picture 2.
    EXPECT_EQ(5, gResourceCache->textureTable().countOf("res/2.dat"));
    overlay.freeScreenOverlay();
    EXPECT_EQ(3, gResourceCache->textureTable().countOf("res/3.dat"));
    EXPECT_EQ(nullptr, overlay.vignette);
}

TEST(ScreenOverlay, EachVignetteDarkensByAQuarter) {
    ScreenSession s;
    writePicture(3, 255, 255, 255, 255);
    s.start();
    ScreenOverlay overlay;
    overlay.createScreenOverlay();
    gScreenSize2D->apply();
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    drawFullOverlayQuad();
    overlay.drawScreenOverlayVignette();
    EXPECT_NEAR(191, pixelAt(24, 18).g, 2);
    overlay.drawScreenOverlayVignette();
    EXPECT_NEAR(143, pixelAt(24, 18).g, 2);
}
