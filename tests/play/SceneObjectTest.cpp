// Scene objects against the real resource cache and OpenGL: every reference
// they take comes back, the two passes and the cross-fade draw what they
// should, and the fade and texture rules hold at their edges.
#include "play/GlowSprite.h"
#include "play/SceneObject.h"

#include "engine/Mesh.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class SceneObjectTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        // Mesh 10 on the left, mesh 11 on the right, mesh 12 low in the
        // middle, as the camera at the origin sees them at x = 3.
        writeMesh(10, makeStillQuadMesh(1.5f, 0.5f, -0.5f, 0.5f));
        writeMesh(11, makeStillQuadMesh(-0.5f, -1.5f, -0.5f, 0.5f));
        writeMesh(12, makeStillQuadMesh(0.5f, -0.5f, -1.5f, -0.5f));
        ASSERT_TRUE(writeScrambledFile(resourcePath(20), makePlainPicture(2, 2, kRed)));
    }

    SceneObject* makeObject() {
        SceneObject* object = new SceneObject();
        object->constructSceneObject();
        object->position.set(3.0f, 0.0f, 0.0f);
        return object;
    }
    void destroy(SceneObject* object) {
        object->destroySceneObject();
        delete object;
    }
    // Red wherever the object's main pass lands; the second pass blends over
    // it in white at alpha 0.5 with sphere-mapped coordinates.
    void drawBothPasses(SceneObject& object) {
        startFrame(0.0f, 0.0f, 0.0f);
        applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
        object.drawSceneObject();
        setSphereMapTexGen(true);
        applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
        object.drawSceneObjectSecondPass();
        setSphereMapTexGen(false);
    }
    std::vector<int> pixelOf(float y, float z) {
        int px = 0, py = 0;
        project(3.0f, y, z, px, py);
        return pixelAt(px, py);
    }
    void expectRed(const std::vector<int>& p) {
        EXPECT_EQ(255, p[0]);
        EXPECT_EQ(0, p[1]);
        EXPECT_EQ(0, p[2]);
    }
    void expectBlack(const std::vector<int>& p) { EXPECT_EQ((std::vector<int>{0, 0, 0}), p); }
};

TEST_F(SceneObjectTest, ReferencesComeBackAfterDestroyFadeAndAttachments) {
    SceneObject* object = makeObject();
    EXPECT_EQ(1, blankMeshCount());
    EXPECT_EQ(1, blankTextureCount());
    EXPECT_EQ(1, textureCount(117));
    EXPECT_EQ(kGameStatePlay, gGameState) << "the blank entries raise nothing";
    EXPECT_FLOAT_EQ(102.0f, object->drawDistance);

    object->setSceneObjectMesh(10);
    object->setSceneObjectTexture(20);
    EXPECT_EQ(0, blankMeshCount());
    EXPECT_EQ(0, blankTextureCount());

    // During a fade both meshes are held once.
    object->crossFadeSceneObjectMesh(11, 1.0f);
    EXPECT_EQ(1, meshCount(10));
    EXPECT_EQ(1, meshCount(11));
    // A third mesh early in the fade keeps the old one as the source.
    object->updateSceneObject(0.4f);
    object->crossFadeSceneObjectMesh(12, 1.0f);
    EXPECT_EQ(1, meshCount(10));
    EXPECT_EQ(0, meshCount(11));
    EXPECT_EQ(1, meshCount(12));
    // Cutting in mid-fade gives the source back at once.
    object->updateSceneObject(0.5f);
    object->setSceneObjectMesh(11);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    EXPECT_EQ(0, meshCount(10));
    EXPECT_EQ(0, meshCount(12));
    EXPECT_EQ(1, meshCount(11));
    // After a completed fade only the new mesh is held.
    object->crossFadeSceneObjectMesh(10, 0.5f);
    object->updateSceneObject(0.6f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    EXPECT_EQ(0, meshCount(11));
    EXPECT_EQ(1, meshCount(10));

    for (int k = 0; k < 2; ++k) {
        object->attachGlowSprite(-1);
    }
    EXPECT_EQ(2, textureCount(35));
    EXPECT_EQ(2, textureCount(6));
    object->crossFadeSceneObjectMesh(11, 1.0f);
    destroy(object);
    for (int n : {10, 11, 12}) {
        EXPECT_EQ(0, meshCount(n)) << n;
    }
    for (int n : {20, 117, 35, 6}) {
        EXPECT_EQ(0, textureCount(n)) << n;
    }
    EXPECT_EQ(0, blankMeshCount());
    EXPECT_EQ(0, blankTextureCount());
}

TEST_F(SceneObjectTest, CrossFadeRules) {
    SceneObject* object = makeObject();
    // From the blank mesh there is no fade.
    object->crossFadeSceneObjectMesh(10, 1.0f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    EXPECT_TRUE(object->meshAssigned);
    Mesh* ten = object->sceneObjectMesh();
    // To the mesh shown: nothing.
    object->crossFadeSceneObjectMesh(10, 1.0f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    // A duration of 0 or less is a cut.
    object->crossFadeSceneObjectMesh(11, 0.0f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    object->crossFadeSceneObjectMesh(10, -1.0f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    EXPECT_EQ(ten, object->sceneObjectMesh());

    // Back at 30 %: mesh 10 returns with its weight of 0.7 and ends in 2 s.
    object->crossFadeSceneObjectMesh(11, 1.0f);
    object->updateSceneObject(0.3f);
    object->crossFadeSceneObjectMesh(10, 2.0f);
    EXPECT_EQ(ten, object->sceneObjectMesh());
    EXPECT_NEAR(0.7f, object->fadeWeight(), 1e-5f);
    object->updateSceneObject(1.99f);
    EXPECT_NE(nullptr, object->sceneObjectFadeSource());
    object->updateSceneObject(0.02f);
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());

    // Turned back in the very frame it began: the fade ends on the mesh that
    // was fully shown, with no jump to the other one.
    object->crossFadeSceneObjectMesh(11, 1.0f);
    object->crossFadeSceneObjectMesh(10, 1.0f);
    EXPECT_EQ(ten, object->sceneObjectMesh());
    EXPECT_EQ(nullptr, object->sceneObjectFadeSource());
    EXPECT_EQ(0, meshCount(11));
    EXPECT_EQ(1, meshCount(10));

    // A third mesh at 50 % keeps the newer one as the source.
    object->crossFadeSceneObjectMesh(11, 1.0f);
    Mesh* eleven = object->sceneObjectMesh();
    object->updateSceneObject(0.5f);
    object->crossFadeSceneObjectMesh(12, 1.0f);
    EXPECT_EQ(eleven, object->sceneObjectFadeSource());
    EXPECT_EQ(0, meshCount(10));
    destroy(object);
}

TEST_F(SceneObjectTest, TexturesMinusOneAnd58) {
    SceneObject* object = makeObject();
    object->setSceneObjectTexture(20);
    Texture* blank = object->setSceneObjectTexture(-1);
    EXPECT_EQ(0u, blank->glName);
    EXPECT_EQ(1, blankTextureCount());
    EXPECT_FALSE(gResourceCache->textureTable().holds("res/-1.dat"));
    EXPECT_EQ(kGameStatePlay, gGameState);

    EXPECT_TRUE(object->reflectionShown);
    object->setSceneObjectSecondTexture(58);
    EXPECT_FALSE(object->reflectionShown);
    EXPECT_EQ(0, textureCount(117));
    object->setSceneObjectSecondTexture(117);
    EXPECT_TRUE(object->reflectionShown);
    destroy(object);
}

TEST_F(SceneObjectTest, PassesDrawTheTextureAndTheReflection) {
    SceneObject* object = makeObject();
    // The blank mesh draws nothing in either pass.
    drawBothPasses(*object);
    expectBlack(pixelOf(1.0f, 0.0f));

    object->setSceneObjectMesh(10);
    object->setSceneObjectTexture(20);
    drawBothPasses(*object);
    // Red under half blue: (128, 0, 128).
    const std::vector<int> mixed = pixelOf(1.0f, 0.0f);
    EXPECT_NEAR(128, mixed[0], 2);
    EXPECT_EQ(0, mixed[1]);
    EXPECT_NEAR(128, mixed[2], 2);
    expectBlack(pixelOf(-1.0f, 0.0f));

    object->setSceneObjectSecondTexture(58);
    drawBothPasses(*object);
    expectRed(pixelOf(1.0f, 0.0f));
    destroy(object);
}

TEST_F(SceneObjectTest, HalfwayCrossFadeDrawsTheMiddlePose) {
    SceneObject* object = makeObject();
    object->setSceneObjectMesh(10);
    object->setSceneObjectTexture(20);
    object->setSceneObjectSecondTexture(58);
    object->crossFadeSceneObjectMesh(11, 2.0f);
    object->updateSceneObject(1.0f);
    drawBothPasses(*object);
    expectRed(pixelOf(0.0f, 0.0f));
    expectBlack(pixelOf(1.2f, 0.0f));
    expectBlack(pixelOf(-1.2f, 0.0f));
    // The pose moves and turns it: half a turn about X brings mesh 10 from the
    // left to the right, still facing the camera.
    object->setSceneObjectMesh(10);
    object->position.set(3.0f, 0.0f, 0.25f);
    object->rotation.set(3.1415927f, 0.0f, 0.0f);
    drawBothPasses(*object);
    expectRed(pixelOf(-1.0f, 0.5f));
    expectBlack(pixelOf(1.0f, 0.5f));
    destroy(object);
}

}  // namespace
