// The fog layer's texture offset and the vignette's darkening.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/OverlayQuad.h"
#include "app/ScreenOverlay.h"
#include "engine/Camera.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "support/GlTestWindow.h"
#include "support/PictureFiles.h"
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

TEST(ScreenOverlay, TheVignetteLeftOutOverItsClearCentreGivesTheSamePicture) {
    ScreenSession s;
    // A 64 x 64 vignette, clear inside a disc and darkening outside it.
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const float d = std::hypot((x + 0.5f) / 32.0f - 1.0f, (y + 0.5f) / 32.0f - 1.0f);
            rgba.insert(rgba.end(), {0, 0, 0, static_cast<uint8_t>(d < 0.6f ? 0 : std::fmin(255.0f, 600.0f * (d - 0.6f)))});
        }
    }
    writeScrambledFile("res/3.dat", makePng(64, 64, pngRgba, rgba));
    s.start();
    ScreenOverlay overlay;
    overlay.createScreenOverlay();
    ASSERT_FALSE(overlay.vignetteHole.spans().empty());
    const VignetteHole hole = overlay.vignetteHole;
    const VignetteHole none;
    // Whole and in bands that cut through the centre, over white.
    const float bands[3][2] = {{0.0f, 36.0f}, {10.0f, 19.5f}, {17.25f, 30.0f}};
    for (const auto& band : bands) {
        SCOPED_TRACE(band[0]);
        std::vector<uint8_t> pictures[2];
        for (int k = 0; k < 2; ++k) {
            overlay.vignetteHole = k == 0 ? none : hole;
            gScreenSize2D->apply();
            applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
            drawFullOverlayQuad();
            overlay.drawScreenOverlayVignette(band[0], band[1]);
            pictures[k] = readWindow(640, 360);
        }
        EXPECT_EQ(pictures[0], pictures[1]);
    }
}
