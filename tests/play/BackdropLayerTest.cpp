// The backdrop of room 7: its references, the costume texture chosen by the
// flags, and the camera's fog and far settings kept across the sky's draw.
#include "play/BackdropLayer.h"

#include <memory>

#include "engine/Camera.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class BackdropLayerTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        for (int n : {228, 229, 253}) {
            writeMesh(n, makeStillQuadMesh(1.0f, -1.0f, -1.0f, 1.0f));
        }
        for (int n : {230, 231, 252, 254, 255, 256}) {
            ASSERT_TRUE(writeScrambledFile(resourcePath(n), makePlainPicture(2, 2, kWhite)));
        }
    }
};

TEST_F(BackdropLayerTest, TakesOneCostumeTextureAndGivesEverythingBack) {
    BackdropLayer layer;
    // Two flags at once take only the last one's texture, so nothing is left
    // behind when the layer is freed.
    layer.createBackdropLayer(true, true, false);
    EXPECT_EQ(0, textureCount(255));
    EXPECT_EQ(1, textureCount(256));
    for (int n : {228, 229, 253}) {
        EXPECT_EQ(1, meshCount(n));
    }
    layer.freeBackdropLayer();
    for (int n : {228, 229, 253}) {
        EXPECT_EQ(0, meshCount(n));
    }
    for (int n : {230, 231, 252, 254, 255, 256}) {
        EXPECT_EQ(0, textureCount(n)) << n;
    }
    layer.createBackdropLayer(false, false, true);
    EXPECT_EQ(1, textureCount(254));
    layer.freeBackdropLayer();
    EXPECT_EQ(0, textureCount(254));
}

TEST_F(BackdropLayerTest, SkyDrawLeavesTheCameraAsItWas) {
    BackdropLayer layer;
    layer.createBackdropLayer(false, true, false);
    layer.advanceBackdropLayer(13.0f);
    gCamera->fogOn = 1;
    gCamera->fogStart = 1.5f;
    gCamera->fogEnd = 4.75f;
    gCamera->farPlane = 100.0f;
    gCamera->fogColour[1] = 0.3f;
    startFrame(0.0f, 0.3f, 0.0f);
    layer.drawBackdropSky();
    // The sky goes without the depth test; what follows has it again.
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
    EXPECT_EQ(1u, gCamera->fogOn);
    EXPECT_EQ(1.5f, gCamera->fogStart);
    EXPECT_EQ(4.75f, gCamera->fogEnd);
    EXPECT_EQ(100.0f, gCamera->farPlane);
    EXPECT_EQ(0.3f, gCamera->fogColour[1]);
    EXPECT_EQ(0.0f, gCamera->fogColour[0]);
    layer.drawBackdropCostume(0.25f);
    layer.drawBackdropCostume(0.0f);
    layer.freeBackdropLayer();
}

}  // namespace
