// Which objects the room's passes draw, and the English caption's target
// line, which no grammar rule touches.
#include <gtest/gtest.h>

#include "play/SceneDrawing.h"
#include "play/SceneObject.h"
#include "text/Text.h"

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
