// Which objects the room's passes draw, and the English caption's target
// line, which no grammar rule touches.
#include <gtest/gtest.h>

#include "engine/ViewFrustum.h"
#include "play/SceneDrawing.h"
#include "play/SceneObject.h"
#include "tests/play/PlayFixture.h"
#include "text/Text.h"

using namespace playtest;

namespace {
// An object at (x, y, 0) with the given draw distance.
void place(SceneObject& o, float x, float y, float drawDistance) {
    o.position.set(x, y, 0.0f);
    o.drawDistance = drawDistance;
}
}  // namespace

TEST(SceneDrawing, CloseUpObjectsMustBeInTheWedgeInFrontOfTheCamera) {
    const Vec3 camera(10.0f, 10.0f, 0.0f);
    SceneObject o;
    // Five units behind a camera looking along +X.
    place(o, 5.0f, 10.0f, 12.0f);
    EXPECT_TRUE(isSceneObjectVisible(o, camera, 0.0f));
    place(o, 5.0f, 10.0f, 5.0f);
    EXPECT_FALSE(isSceneObjectVisible(o, camera, 0.0f));
    // Turned round, the same object is in front and exactly at its distance.
    EXPECT_TRUE(isSceneObjectVisible(o, camera, 3.14159265f));
    place(o, 5.0f, 10.0f, 4.999f);
    EXPECT_FALSE(isSceneObjectVisible(o, camera, 3.14159265f));
    // At the camera itself.
    place(o, 10.0f, 10.0f, 5.0f);
    EXPECT_TRUE(isSceneObjectVisible(o, camera, 1.0f));
    // One unit behind still passes, a little more does not.
    place(o, 9.0f, 10.0f, 5.0f);
    EXPECT_TRUE(isSceneObjectVisible(o, camera, 0.0f));
    place(o, 8.9f, 10.0f, 5.0f);
    EXPECT_FALSE(isSceneObjectVisible(o, camera, 0.0f));
    // Beside the camera: the wedge opens 0.8 sideways per unit forward from
    // 2.5 behind, so 2 ahead it is 3.6 wide each side.
    place(o, 12.0f, 13.5f, 5.0f);
    EXPECT_TRUE(isSceneObjectVisible(o, camera, 0.0f));
    place(o, 12.0f, 6.3f, 5.0f);
    EXPECT_FALSE(isSceneObjectVisible(o, camera, 0.0f));
    // Far objects are culled by distance alone.
    place(o, 22.1f, 10.0f, 12.0f);
    EXPECT_FALSE(isSceneObjectVisible(o, camera, 0.0f));
}

TEST(SceneDrawing, TheEnglishTargetLineIsLeftAsItIs) {
    EXPECT_FALSE(text::kGerman);
    EXPECT_EQ("yourself", applyTargetGrammar("ask", "yourself"));
    EXPECT_EQ("yourself", applyTargetGrammar("take", "yourself"));
}

namespace {

// A triangle facing the camera, centred on (x, 0, 0).
std::vector<float> triangleAt(float x) { return {x, 0.5f, -0.5f, x, -0.5f, -0.5f, x, 0.0f, 0.5f}; }

class SceneViewCullTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        // Behind the camera first, in view from t = 1 on; always behind;
        // still and in view; still and beyond the far plane.
        writeMesh(30, makeMeshBytes({Frame{0.0f, triangleAt(-4.0f)}, Frame{1.0f, triangleAt(-4.0f)},
                                     Frame{2.0f, triangleAt(4.0f)}}));
        writeMesh(31, makeMeshBytes({Frame{0.0f, triangleAt(-4.0f)}, Frame{1.0f, triangleAt(-6.0f)}}));
        writeMesh(32, makeMeshBytes({Frame{0.0f, triangleAt(5.0f)}}));
        writeMesh(33, makeMeshBytes({Frame{0.0f, triangleAt(10.8f)}}));
        // The camera as the rooms set it, at the origin looking along +X.
        gCamera->farPlane = 10.0f;
        gCamera->apply(true);
        view.setFromCurrentMatrices();
    }
    void TearDown() override {
        object.destroySceneObject();
        PlayFixture::TearDown();
    }
    bool outside() const { return isSceneObjectOutsideView(object, view); }

    ViewFrustum view;
    SceneObject object;
};

}  // namespace

TEST_F(SceneViewCullTest, AnObjectIsCulledOnlyWhenNoPoseOfItCanShow) {
    object.constructSceneObject();
    // The blank mesh draws nothing at all.
    EXPECT_TRUE(outside());
    object.setSceneObjectMesh(30);
    // Culled by no time: its last frame enters the view.
    for (float t : {0.0f, 0.5f, 1.0f, 2.5f}) {
        object.animTime = t;
        EXPECT_FALSE(outside()) << t;
    }
    object.setSceneObjectMesh(31);
    EXPECT_TRUE(outside());
    // Turned round (as drawn: about Z) or moved, the same mesh is in front.
    object.rotation.set(0.0f, 0.0f, 3.14159265f);
    EXPECT_FALSE(outside());
    object.rotation.set(0.0f, 0.0f, 0.0f);
    object.position.set(9.0f, 0.0f, 0.0f);
    EXPECT_FALSE(outside());
    object.position.set(0.0f, 0.0f, 0.0f);
    // Compiled meshes keep their bounds: in view, and beyond the far plane.
    object.setSceneObjectMesh(32);
    EXPECT_FALSE(outside());
    object.setSceneObjectMesh(33);
    EXPECT_TRUE(outside());
    // While fading from a mesh in view to one behind, both are drawn.
    object.setSceneObjectMesh(32);
    object.crossFadeSceneObjectMesh(31, 1.0f);
    object.updateSceneObject(0.9f);
    EXPECT_FALSE(outside());
    object.updateSceneObject(0.2f);
    EXPECT_TRUE(outside());
}
