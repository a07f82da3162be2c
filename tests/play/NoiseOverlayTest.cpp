// The noise overlay: its level follows the target both ways at its rate,
// drives the camera's fog and field of view, and at full level hides the scene.
#include "play/NoiseOverlay.h"

#include <cstdlib>

#include "engine/Camera.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class NoiseOverlayTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        ASSERT_TRUE(writeScrambledFile(resourcePath(195), makePlainPicture(2, 2, kWhite)));
        overlay.initNoiseOverlay();
    }
    void TearDown() override {
        overlay.releaseNoiseOverlay();
        PlayFixture::TearDown();
    }
    std::vector<int> drawnOverRed() {
        startOverlay(1.0f, 0.0f, 0.0f);
        overlay.drawNoiseOverlay();
        return pixelAt(240, 180);
    }
    NoiseOverlay overlay;
};

TEST_F(NoiseOverlayTest, LevelZeroLeavesTheRoomAsItIs) {
    overlay.updateNoiseOverlay(0.1f);
    EXPECT_FLOAT_EQ(5.0f, gCamera->fogEnd);
    EXPECT_FLOAT_EQ(0.2f, gCamera->fogColour[0]);
    EXPECT_FLOAT_EQ(70.0f, gCamera->fovy);
    EXPECT_EQ((std::vector<int>{255, 0, 0}), drawnOverRed());
}

// At level 0 nothing is drawn, but the noise window's two random numbers are
// taken as at any level, so that the random sequence does not depend on it.
TEST_F(NoiseOverlayTest, LevelZeroTakesTheSameRandomNumbers) {
    srand(5);
    EXPECT_EQ((std::vector<int>{255, 0, 0}), drawnOverRed());
    const int afterNone = rand();
    overlay.level = 0.5f;
    srand(5);
    EXPECT_NE((std::vector<int>{255, 0, 0}), drawnOverRed());
    EXPECT_EQ(afterNone, rand());
}

TEST_F(NoiseOverlayTest, RisesAndFallsAtItsRateAndHidesTheSceneAtFullLevel) {
    overlay.targetLevel = 1.0f;
    overlay.updateNoiseOverlay(5.0f);
    EXPECT_FLOAT_EQ(0.5f, overlay.level);
    overlay.updateNoiseOverlay(6.0f);
    EXPECT_FLOAT_EQ(1.0f, overlay.level);
    EXPECT_FLOAT_EQ(3.0f, gCamera->fogEnd);
    EXPECT_FLOAT_EQ(0.5f, gCamera->fogColour[2]);
    EXPECT_FLOAT_EQ(76.0f, gCamera->fovy);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), drawnOverRed());

    overlay.targetLevel = 0.25f;
    overlay.updateNoiseOverlay(2.0f);
    EXPECT_FLOAT_EQ(0.8f, overlay.level);
    overlay.updateNoiseOverlay(20.0f);
    EXPECT_FLOAT_EQ(0.25f, overlay.level);
}

TEST_F(NoiseOverlayTest, GivesItsTextureBack) {
    EXPECT_EQ(1, textureCount(195));
    overlay.releaseNoiseOverlay();
    EXPECT_EQ(0, textureCount(195));
    EXPECT_EQ(nullptr, overlay.noiseTexture);
}

}  // namespace
