// The sweep effect: progress moves with or without an object, the object's
// sprites fade with the progress, and the effect gives back all it holds.
#include "play/SweepEffect.h"

#include "play/GlowSprite.h"
#include "play/SceneObject.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class SweepEffectTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        ASSERT_TRUE(writeScrambledFile(resourcePath(185), makePlainPicture(2, 2, kWhite)));
        sweep.constructSweepEffect();
    }
    void TearDown() override {
        sweep.destroySweepEffect();
        PlayFixture::TearDown();
    }
    GlowSprite* giveInstanceWithSprite() {
        sweep.instance = makeSceneObject();
        GlowSprite& sprite = sweep.instance->attachGlowSprite(-1);
        sprite.colour[3] = 1.0f;
        return &sprite;
    }
    SweepEffect sweep;
};

TEST_F(SweepEffectTest, ProgressMovesWithoutAnInstanceAndStopsAtItsTarget) {
    EXPECT_FLOAT_EQ(0.75f, sweep.progress);
    sweep.updateSweepEffect(7.0f);
    EXPECT_FLOAT_EQ(0.25f, sweep.progress);
    sweep.drawSweepEffect();
    sweep.updateSweepEffect(100.0f);
    EXPECT_FLOAT_EQ(0.0f, sweep.progress);
    sweep.updateSweepEffect(1.0f);
    EXPECT_FLOAT_EQ(0.0f, sweep.progress);
}

TEST_F(SweepEffectTest, SpritesStayBrightUntilHalfwayThenFadeOut) {
    GlowSprite* sprite = giveInstanceWithSprite();
    // Bright while the progress falls from 0.75 to below one half: the step
    // that crosses still sees the progress from before its move.
    while (sweep.progress >= 0.5f) {
        sweep.updateSweepEffect(0.1f);
        ASSERT_FLOAT_EQ(1.0f, sprite->colour[3]);
    }
    sweep.updateSweepEffect(0.1f);
    EXPECT_NEAR(0.8f, sprite->colour[3], 1e-5f);
    for (int k = 0; k < 5; ++k) {
        sweep.updateSweepEffect(0.1f);
    }
    EXPECT_NEAR(0.0f, sprite->colour[3], 1e-6f);
}

TEST_F(SweepEffectTest, DrawKeepsTheObjectsTextureAndDestroyGivesAllBack) {
    giveInstanceWithSprite();
    Texture* own = sweep.instance->sceneObjectTexture();
    startFrame(0.0f, 0.0f, 0.0f);
    sweep.drawSweepEffect();
    EXPECT_EQ(own, sweep.instance->sceneObjectTexture());
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(GL_LEQUAL, depthFunc);
    GLint textureDepth = 0;
    glGetIntegerv(GL_TEXTURE_STACK_DEPTH, &textureDepth);
    EXPECT_EQ(1, textureDepth);

    EXPECT_EQ(1, textureCount(185));
    const int32_t spriteTextures = textureCount(35);
    EXPECT_GT(spriteTextures, 0);
    sweep.destroySweepEffect();
    EXPECT_EQ(nullptr, sweep.instance);
    EXPECT_EQ(0, textureCount(185));
    EXPECT_EQ(spriteTextures - 1, textureCount(35));
}

}  // namespace
