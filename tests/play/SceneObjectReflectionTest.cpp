// The reflection mixed in on a second texture unit against the two passes it
// stands for: an opaque reflective object drawn both ways under real OpenGL
// gives the same picture up to rounding, fog and lighting included, and only
// objects whose passes are both opaque are joined.
#include <SDL_opengl.h>

#include <algorithm>
#include <cstdlib>

#include "engine/Camera.h"
#include "engine/TextureUnits.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/ViewFrustum.h"
#include "play/SceneObject.h"
#include "support/GlTestWindow.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

const int kWidth = 480;
const int kHeight = 360;

// An 8 x 8 picture of every shade, so that the sphere-mapped coordinates
// show as a pattern across the object.
std::vector<uint8_t> makeShadedPicture() {
    std::vector<uint32_t> pixels;
    for (uint32_t y = 0; y < 8; ++y) {
        for (uint32_t x = 0; x < 8; ++x) {
            pixels.push_back((x * 36u) << 16 | (y * 36u) << 8 | ((x + y) * 18u));
        }
    }
    return makePicture(8, 8, pixels);
}

class SceneObjectReflectionTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        if (HasFatalFailure()) return;
        writeMesh(10, makeStillQuadMesh(1.5f, -1.5f, -1.0f, 1.0f));
        ASSERT_TRUE(writeScrambledFile(resourcePath(20), makePlainPicture(2, 2, 0xc08040)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(21), makeShadedPicture()));
        ASSERT_TRUE(writeScrambledFile(resourcePath(22), makePlainRgbaPng(2, 2, kWhite, 128)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(23), makePlainRgbaPng(2, 2, kWhite, 0)));
        object = makeSceneObject();
        object->position.set(3.0f, 0.0f, 0.0f);
        object->setSceneObjectMesh(10);
        object->setSceneObjectTexture(20);
        object->setSceneObjectSecondTexture(21);
        // Fog over part of the distance, so that both passes are fogged.
        gCamera->fogOn = 1;
        gCamera->fogStart = 1.0f;
        gCamera->fogEnd = 6.0f;
    }
    void TearDown() override {
        object.reset();
        PlayFixture::TearDown();
    }
    // The scene's lit white material, with one light from behind the camera.
    void startLitFrame() {
        startFrame(0.3f, 0.2f, 0.1f);
        glEnable(GL_LIGHT0);
        const GLfloat towardsObject[4] = {-1.0f, 0.3f, 0.2f, 0.0f};
        glLightfv(GL_LIGHT0, GL_POSITION, towardsObject);
        applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f);
    }
    std::vector<uint8_t> drawTwoPasses(bool reflection) {
        startLitFrame();
        object->drawSceneObject(view);
        if (reflection) {
            setSphereMapTexGen(true);
            applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
            object->drawSceneObjectSecondPass(view);
            setSphereMapTexGen(false);
        }
        unbindTexture();
        return readWindow(kWidth, kHeight);
    }
    // The joined pass, then the reflection it leaves over if asked.
    std::vector<uint8_t> drawJoined(bool leftOver = false) {
        startLitFrame();
        object->drawSceneObjectWithReflection(view, 0.5f);
        if (leftOver) {
            setSphereMapTexGen(true);
            applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
            object->drawSceneObjectSecondPass(view, MeshFaces::overlapping);
            setSphereMapTexGen(false);
        }
        unbindTexture();
        return readWindow(kWidth, kHeight);
    }

    std::unique_ptr<SceneObject> object;
    ViewFrustum view;
};

// The largest difference of any colour channel between two windows.
int largestDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int largest = 0;
    for (size_t k = 0; k < a.size(); ++k) {
        if (k % 4 != 3) largest = std::max(largest, std::abs(static_cast<int>(a[k]) - static_cast<int>(b[k])));
    }
    return largest;
}

}  // namespace

TEST_F(SceneObjectReflectionTest, OnePassGivesTheTwoPassesPictureUpToRounding) {
    ASSERT_GE(textureUnitCount(), 2);
    ASSERT_TRUE(object->isReflectionJoinable());
    const std::vector<uint8_t> mainOnly = drawTwoPasses(false);
    const std::vector<uint8_t> twoPasses = drawTwoPasses(true);
    const std::vector<uint8_t> joined = drawJoined();
    // The reflection shows: the picture is not the main pass alone.
    EXPECT_GT(largestDifference(mainOnly, twoPasses), 20);
    EXPECT_LE(largestDifference(twoPasses, joined), 2);

    // Sphere-mapped main texture as well: both units generate coordinates.
    object->sphereMapped = true;
    object->setSceneObjectTexture(21);
    EXPECT_LE(largestDifference(drawTwoPasses(true), drawJoined()), 2);

    // Untextured (the blank texture): unit 0 is off and the lit colour itself
    // is mixed with the reflection.
    object->sphereMapped = false;
    object->setSceneObjectTexture(-1);
    EXPECT_LE(largestDifference(drawTwoPasses(true), drawJoined()), 2);

    // The second unit is off again afterwards: a plain main pass draws as
    // before.
    object->sphereMapped = false;
    object->setSceneObjectTexture(20);
    drawJoined();
    EXPECT_EQ(0, largestDifference(mainOnly, drawTwoPasses(false)));
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(GL_TEXTURE0, active);
}

TEST_F(SceneObjectReflectionTest, OnlyOpaquePassesWithAShownReflectionJoin) {
    EXPECT_TRUE(object->isReflectionJoinable());
    // A blended or cut-out main texture keeps the second pass.
    object->setSceneObjectTexture(22);
    EXPECT_FALSE(object->isReflectionJoinable());
    object->setSceneObjectTexture(23);
    EXPECT_FALSE(object->isReflectionJoinable());
    // Untextured (the blank texture) is opaque.
    object->setSceneObjectTexture(-1);
    EXPECT_TRUE(object->isReflectionJoinable());
    // A reflection that blends, is cut out or is hidden is not mixed in.
    object->setSceneObjectSecondTexture(22);
    EXPECT_FALSE(object->isReflectionJoinable());
    object->setSceneObjectSecondTexture(23);
    EXPECT_FALSE(object->isReflectionJoinable());
    object->setSceneObjectSecondTexture(58);
    EXPECT_FALSE(object->isReflectionJoinable());
    object->setSceneObjectSecondTexture(117);
    EXPECT_TRUE(object->isReflectionJoinable());
}

TEST_F(SceneObjectReflectionTest, FacesLaidOnOneAnotherKeepTheirSecondPass) {
    ASSERT_GE(textureUnitCount(), 2);
    // Two quads side by side, a strip laid on the right one.
    std::vector<float> faces = quadFacingMinusX(1.5f, 0.1f, -1.0f, 1.0f);
    for (const std::vector<float>& more :
         {quadFacingMinusX(-0.1f, -1.5f, -1.0f, 1.0f), quadFacingMinusX(-0.5f, -1.0f, -0.5f, 0.5f)}) {
        faces.insert(faces.end(), more.begin(), more.end());
    }
    writeMesh(11, makeMeshBytes({Frame{0.0f, faces}, Frame{1.0f, faces}}));
    object->setSceneObjectMesh(11);
    ASSERT_TRUE(object->isReflectionJoinable());
    ASSERT_TRUE(object->isReflectionLeftOver());
    const std::vector<uint8_t> twoPasses = drawTwoPasses(true);
    // The strip's reflection lands twice in the two passes; the pass left
    // over keeps that, and one pass alone would not.
    EXPECT_LE(largestDifference(twoPasses, drawJoined(true)), 2);
    EXPECT_GT(largestDifference(twoPasses, drawJoined(false)), 10);

    // A cross-fade blends whole meshes, which cannot be split: both passes.
    object->crossFadeSceneObjectMesh(10, 1.0f);
    EXPECT_FALSE(object->isReflectionJoinable());
    EXPECT_FALSE(object->isReflectionLeftOver());
}
