// Glow sprites drawn over a cleared background in a real OpenGL window: they
// add light, fade in over two seconds, vanish beyond twice the fog end, and sit
// on the vertex of their object's mesh as it moves.
#include "play/GlowSprite.h"
#include "play/SceneObject.h"

#include <cstdlib>

#include "engine/SurfaceColour.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class GlowSpriteTest : public PlayFixture {
protected:
    GlowSprite* addSprite(SceneObject& object, float r, float g, float b) {
        GlowSprite& sprite = object.attachGlowSprite(-1);
        sprite.colour[0] = r;
        sprite.colour[1] = g;
        sprite.colour[2] = b;
        return &sprite;
    }
    std::vector<int> drawnAt(SceneObject& object, float x, float y, float z) {
        startFrame(0.0f, 1.0f, 0.0f);
        glDepthMask(GL_FALSE);
        object.drawSceneObjectAttachments();
        glDepthMask(GL_TRUE);
        int px = 0, py = 0;
        project(x, y, z, px, py);
        return pixelAt(px, py);
    }
};

TEST_F(GlowSpriteTest, AddsOverTheBackgroundAfterFadingIn) {
    SceneObject object;
    object.constructSceneObject();
    object.position.set(2.0f, 0.0f, 0.0f);
    GlowSprite* sprite = addSprite(object, 1.0f, 0.0f, 0.0f);

    // Invisible at first: the background stays exactly green.
    EXPECT_EQ((std::vector<int>{0, 255, 0}), drawnAt(object, 2.0f, 0.0f, 0.0f));

    object.updateSceneObject(1.0f);
    EXPECT_FLOAT_EQ(0.5f, sprite->fadeIn);
    const std::vector<int> half = drawnAt(object, 2.0f, 0.0f, 0.0f);
    object.updateSceneObject(1.0f);
    EXPECT_FLOAT_EQ(1.0f, sprite->fadeIn);
    const std::vector<int> full = drawnAt(object, 2.0f, 0.0f, 0.0f);
    // The quad texture's alpha is one half: red rises by 128 at full strength,
    // by 64 halfway; green is never taken away.
    EXPECT_NEAR(64, half[0], 2);
    EXPECT_NEAR(128, full[0], 2);
    EXPECT_EQ(255, half[1]);
    EXPECT_EQ(255, full[1]);
    EXPECT_EQ(0, full[2]);

    // A black sprite darkens with plain blending instead.
    sprite->colour[0] = 0.0f;
    const std::vector<int> dark = drawnAt(object, 2.0f, 0.0f, 0.0f);
    EXPECT_NEAR(128, dark[1], 2);
}

TEST_F(GlowSpriteTest, GoneBeyondTwiceTheFogEnd) {
    SceneObject object;
    object.constructSceneObject();
    object.position.set(2.5f, 0.0f, 0.0f);
    GlowSprite* sprite = addSprite(object, 1.0f, 0.0f, 0.0f);
    object.updateSceneObject(2.0f);
    gCamera->fogEnd = 1.2f;
    EXPECT_EQ((std::vector<int>{0, 255, 0}), drawnAt(object, 2.5f, 0.0f, 0.0f));
    // Between the fog end and twice it the sprite fades, nearer it is raised:
    // at 2.5 with a fog end of 2 its alpha is 0.75 of the texture's half.
    gCamera->fogEnd = 2.0f;
    EXPECT_NEAR(96, drawnAt(object, 2.5f, 0.0f, 0.0f)[0], 3);
    sprite->colour[3] = 0.25f;
    gCamera->fogEnd = 5.0f;
    EXPECT_NEAR(48, drawnAt(object, 2.5f, 0.0f, 0.0f)[0], 3);
}

// A sprite that draws nothing still takes its flicker's random number, so
// that whatever draws after it sees the same random sequence as when it shows.
TEST_F(GlowSpriteTest, ATransparentSpriteTakesItsRandomNumberAllTheSame) {
    SceneObject object;
    object.constructSceneObject();
    object.position.set(2.0f, 0.0f, 0.0f);
    GlowSprite* sprite = addSprite(object, 1.0f, 0.0f, 0.0f);
    ASSERT_EQ(0.0f, sprite->fadeIn);
    srand(11);
    EXPECT_EQ((std::vector<int>{0, 255, 0}), drawnAt(object, 2.0f, 0.0f, 0.0f));
    const int afterHidden = rand();
    object.updateSceneObject(2.0f);
    srand(11);
    EXPECT_NE((std::vector<int>{0, 255, 0}), drawnAt(object, 2.0f, 0.0f, 0.0f));
    EXPECT_EQ(afterHidden, rand());
}

TEST_F(GlowSpriteTest, FollowsItsVertex) {
    // Vertex 0 runs from y = 1 at time 0 to y = -1 at time 1 and back.
    const std::vector<float> start = {0, 1, 0, 0, 1, -0.1f, 0, 0.9f, 0};
    const std::vector<float> end = {0, -1, 0, 0, -1, -0.1f, 0, -1.1f, 0};
    writeMesh(30, makeMeshBytes({Frame{0.0f, start}, Frame{1.0f, end}, Frame{2.0f, start}}));
    SceneObject object;
    object.constructSceneObject();
    object.setSceneObjectMesh(30);
    object.position.set(3.0f, 0.0f, 0.0f);
    GlowSprite* sprite = addSprite(object, 1.0f, 0.0f, 0.0f);
    sprite->vertexIndex = 0;
    sprite->quadExtent.set(0.0f, 0.03f, 0.03f);
    object.updateSceneObject(2.0f);  // fully faded in, the mesh back at its start

    EXPECT_GT(drawnAt(object, 3.0f, 1.0f, 0.0f)[0], 100);
    EXPECT_EQ(0, drawnAt(object, 3.0f, -1.0f, 0.0f)[0]);
    object.animTime = 1.0f;
    EXPECT_EQ(0, drawnAt(object, 3.0f, 1.0f, 0.0f)[0]);
    EXPECT_GT(drawnAt(object, 3.0f, -1.0f, 0.0f)[0], 100);
    object.animTime = 0.5f;
    EXPECT_GT(drawnAt(object, 3.0f, 0.0f, 0.0f)[0], 100);

    // The object's turn carries the vertex along; an index outside the mesh
    // sits at the object's origin.
    object.animTime = 0.0f;
    object.rotation.set(0.0f, 0.0f, 3.1415927f);
    object.position.set(3.0f, 0.0f, 0.0f);
    EXPECT_GT(drawnAt(object, 3.0f, -1.0f, 0.0f)[0], 100);
    sprite->vertexIndex = 99;
    EXPECT_GT(drawnAt(object, 3.0f, 0.0f, 0.0f)[0], 100);
}

}  // namespace
