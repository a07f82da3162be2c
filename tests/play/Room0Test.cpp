// Room 0 as the room builder lays it out: the plan under the main flag
// combinations, the rows that follow story values, the atmosphere.
#include <gtest/gtest.h>

#include "engine/Camera.h"
#include "engine/Light.h"
#include "engine/ResourcesByNumber.h"
#include "play/GlowSprite.h"
#include "play/RoomId.h"
#include "support/PlayHarness.h"
#include "support/Room0Plan.h"

using namespace playtest;

namespace {
class Room0Test : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reachPlayByNewGame(s)); }
    ScreenSession s;
};

const SceneObject* named(PlayScreen& p, const std::string& name) {
    for (const SceneObject* o : p.world.worldList.objects()) {
        if (o->name == name) return o;
    }
    return nullptr;
}
}  // namespace

TEST_F(Room0Test, ThePlanFollowsTheFlags) { checkRoom0Plans(play(s)); }

TEST_F(Room0Test, StoryValuesPlaceTheProcessionAndTheHats) {
    PlayScreen& p = play(s);
    p.story.storyValue04 = -2.5f;
    p.story.moniqueHasFlower = true;
    p.story.storyValue14 = 11.25f;
    p.story.hatOnBroomstick = true;
    p.story.broomstickInCrack = true;
    p.story.storyFlag07 = true;
    p.story.storyFlag20 = true;
    p.story.processionWalking = true;
    p.enterRoom(room::kStreet);
    EXPECT_FALSE(p.story.processionWalking);
    EXPECT_FLOAT_EQ(0.5f, named(p, "something")->position.x);
    EXPECT_FLOAT_EQ(11.2f, named(p, "monique")->position.x);
    EXPECT_FLOAT_EQ(18.2f, named(p, "followed leader")->position.x);
    EXPECT_FLOAT_EQ(18.6f, named(p, "knife")->position.x);
    EXPECT_FLOAT_EQ(24.5f, named(p, "homeless skeleton")->position.x);
    EXPECT_FLOAT_EQ(23.26f, named(p, "stationary witch")->position.x);

    // Monique's hat at her recorded x; the hat on the broomstick in the
    // crack; both turned by their stored radians.
    std::vector<const SceneObject*> hats;
    std::vector<const SceneObject*> broomsticks;
    for (const SceneObject* o : p.world.worldList.objects()) {
        if (o->name == "hat") hats.push_back(o);
        if (o->name == "broomstick") broomsticks.push_back(o);
    }
    ASSERT_EQ(2u, hats.size());
    EXPECT_FLOAT_EQ(11.25f, hats[0]->position.x);
    EXPECT_FLOAT_EQ(2.792527f, hats[0]->rotation.x);
    EXPECT_FLOAT_EQ(-1.64061f, hats[1]->rotation.z);
    ASSERT_EQ(2u, broomsticks.size());
    EXPECT_FLOAT_EQ(12.1f, broomsticks[1]->position.x);
    ASSERT_NE(nullptr, named(p, "candle"));

    // Awake statues show their other meshes with glowing eyes.
    const SceneObject* right = named(p, "right bird statue");
    EXPECT_EQ(65, meshNumber(right));
    ASSERT_EQ(2u, right->attachments().size());
    EXPECT_EQ(363, right->attachments()[0]->vertexIndex);
    EXPECT_EQ(64, meshNumber(named(p, "left bird statue")));

    // The way past the statues open: they are gone.
    p.story.storyFlag21 = true;
    p.enterRoom(room::kStreet);
    EXPECT_EQ(nullptr, named(p, "right bird statue"));
}

TEST_F(Room0Test, TheSkyShowsTheFogColourByNightAndLateAtNight) {
    PlayScreen& p = play(s);
    p.player.viewAngles.y = -1.3f;
    s.frames(30);  // the room has faded in
    screentest::Rgb sky = screentest::pixelAt(24.0f, 18.0f);
    EXPECT_NEAR(51, sky.r, 1);
    EXPECT_NEAR(51, sky.g, 1);
    EXPECT_NEAR(51, sky.b, 1);
    EXPECT_FLOAT_EQ(1.0f, gMainLight->lightColour[1]);

    p.story.nightAlmostOver = true;
    p.enterRoom(room::kStreet);
    EXPECT_EQ(1, gCurrentMusicTrack);
    s.frames(30);
    sky = screentest::pixelAt(24.0f, 18.0f);
    EXPECT_NEAR(102, sky.r, 1);
    EXPECT_NEAR(89, sky.g, 1);
    EXPECT_NEAR(64, sky.b, 1);
    EXPECT_FLOAT_EQ(0.2f, gMainLight->lightColour[1]);
}
