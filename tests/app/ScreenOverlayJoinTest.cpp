// The fog layer and the vignette drawn as one quad against the two drawn in
// turn, under real OpenGL: the whole screen and bands of it give the same
// picture up to rounding, seams included.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/ScreenOverlay.h"
#include "engine/Camera.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "support/PictureFiles.h"
#include "support/ScreenHarness.h"

using namespace screentest;

namespace {

const int kWidth = 640;
const int kHeight = 360;

// A 16 x 16 picture of bright shades (the fog, opaque) and one whose alpha
// rises to the corners (the vignette).
void writeShadedLayers() {
    std::vector<uint8_t> fog;
    std::vector<uint8_t> vignette;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            fog.insert(fog.end(), {static_cast<uint8_t>(120 + 8 * x), static_cast<uint8_t>(250 - 9 * y),
                                   static_cast<uint8_t>(60 + 6 * (x + y))});
            const int edge = std::max(std::abs(2 * x - 15), std::abs(2 * y - 15));
            vignette.insert(vignette.end(), {0, 0, 0, static_cast<uint8_t>(edge * 17)});
        }
    }
    writeScrambledFile("res/2.dat", makePng(16, 16, pngRgb, fog));
    writeScrambledFile("res/3.dat", makePng(16, 16, pngRgba, vignette));
}

// A backdrop of every shade over the overlay.
void drawBackdrop() {
    gScreenSize2D->apply();
    unbindTexture();
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    glBegin(GL_QUADS);
    glColor4f(0.9f, 0.1f, 0.3f, 1.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glColor4f(0.1f, 0.8f, 0.5f, 1.0f);
    glVertex3f(0.0f, w, 0.0f);
    glColor4f(0.2f, 0.3f, 1.0f, 1.0f);
    glVertex3f(0.0f, w, h);
    glColor4f(1.0f, 1.0f, 0.9f, 1.0f);
    glVertex3f(0.0f, 0.0f, h);
    glEnd();
}

std::vector<uint8_t> readScreen() {
    glFinish();
    std::vector<uint8_t> rgb(static_cast<size_t>(kWidth * kHeight * 3));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

int largestDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int largest = 0;
    for (size_t k = 0; k < a.size(); ++k) {
        largest = std::max(largest, std::abs(static_cast<int>(a[k]) - static_cast<int>(b[k])));
    }
    return largest;
}

class ScreenOverlayJoinTest : public testing::Test {
protected:
    void SetUp() override {
        writeShadedLayers();
        session.start();
        overlay.createScreenOverlay();
        gCamera->rotation = Vec3(0.0f, 0.3f, 1.1f);
        overlay.advanceScreenOverlay(3.7f);
    }
    std::vector<uint8_t> drawnApart() {
        drawBackdrop();
        overlay.drawScreenOverlayFog();
        overlay.drawScreenOverlayVignette();
        return readScreen();
    }

    ScreenSession session;
    ScreenOverlay overlay;
};

}  // namespace

TEST_F(ScreenOverlayJoinTest, OneQuadGivesTheTwoLayersPictureUpToRounding) {
    ASSERT_TRUE(overlay.canJoinScreenOverlay());
    drawBackdrop();
    const std::vector<uint8_t> backdrop = readScreen();
    const std::vector<uint8_t> apart = drawnApart();
    // Both layers show: the vignette darkens the corners by up to a quarter.
    EXPECT_GT(largestDifference(backdrop, apart), 40);

    drawBackdrop();
    overlay.drawScreenOverlayJoined(0.0f, gScreenSize2D->height);
    EXPECT_LE(largestDifference(apart, readScreen()), 2);

    // Bands: apart below and above, joined between, with seams at heights
    // that fall inside pixel rows.
    drawBackdrop();
    overlay.drawScreenOverlayFog(0.0f, 7.3f);
    overlay.drawScreenOverlayFog(30.05f, 36.0f);
    overlay.drawScreenOverlayVignette(0.0f, 7.3f);
    overlay.drawScreenOverlayVignette(30.05f, 36.0f);
    overlay.drawScreenOverlayJoined(7.3f, 30.05f);
    EXPECT_LE(largestDifference(apart, readScreen()), 2);

    // The layers drawn apart in bands cover each pixel once.
    drawBackdrop();
    overlay.drawScreenOverlayFog(0.0f, 12.7f);
    overlay.drawScreenOverlayFog(12.7f, 36.0f);
    overlay.drawScreenOverlayVignette(0.0f, 20.1f);
    overlay.drawScreenOverlayVignette(20.1f, 36.0f);
    EXPECT_LE(largestDifference(apart, readScreen()), 1);

    // Afterwards the plain drawing is as before: the units are off again.
    EXPECT_EQ(0, largestDifference(apart, drawnApart()));
}

TEST_F(ScreenOverlayJoinTest, OnlyAnOpaqueFogPictureUnderAVignetteIsJoined) {
    EXPECT_TRUE(overlay.canJoinScreenOverlay());
    writePicture(90, 255, 255, 255, 128);
    Texture blended;
    ASSERT_TRUE(blended.load("res/90.dat"));
    Texture* const fog = overlay.fogLayer;
    overlay.fogLayer = &blended;
    EXPECT_FALSE(overlay.canJoinScreenOverlay());
    overlay.fogLayer = fog;
    Texture* const vignette = overlay.vignette;
    overlay.vignette = nullptr;
    EXPECT_FALSE(overlay.canJoinScreenOverlay());
    overlay.vignette = vignette;
}
