// The play screen through the real run loop: a new game from the menu and the
// intro, walking, collision and looking, and which frames draw.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Camera.h"
#include "engine/MouseState.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/RoomId.h"
#include "play/RoomTables.h"
#include "play/SceneObject.h"
#include "support/PlayHarness.h"

using namespace playtest;

namespace {

int32_t soundCount(int32_t n) { return gResourceCache->soundTable().countOf(resourcePath(n)); }
int32_t meshCount(int32_t n) { return gResourceCache->meshTable().countOf(resourcePath(n)); }

// Every count of every cached resource, to compare before and after.
std::vector<int32_t> allCounts() {
    std::vector<int32_t> counts;
    for (int32_t n = 0; n < 400; ++n) {
        counts.push_back(soundCount(n));
        counts.push_back(meshCount(n));
        counts.push_back(gResourceCache->textureTable().countOf(resourcePath(n)));
    }
    return counts;
}

class PlayScreenTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reachPlayByNewGame(s)); }
    ScreenSession s;
};

}  // namespace

TEST_F(PlayScreenTest, ANewGameLandsInRoomZeroWithItsResourcesReferencedOnce) {
    PlayScreen& p = play(s);
    EXPECT_EQ(room::kStreet, p.world.room);
    EXPECT_FLOAT_EQ(3.5f, p.player.position.x);
    EXPECT_FLOAT_EQ(5.01f, p.player.position.y);
    EXPECT_FLOAT_EQ(0.0f, p.player.position.z);
    EXPECT_FLOAT_EQ(0.4f, p.player.viewAngles.y);
    EXPECT_FLOAT_EQ(0.0f, p.player.viewAngles.z);
    EXPECT_EQ(94, gCurrentMusicTrack);
    EXPECT_TRUE(p.story.costumeGhost);
    EXPECT_FALSE(p.story.costumeDeath || p.story.costumeWerewolf);

    // Only the play world takes these: each is held exactly once, although
    // the start room was built at construction and again for the new game.
    for (int32_t n : {4, 278, 39, 279}) EXPECT_EQ(1, soundCount(n)) << n;
    const RoomPinnedList& pinned = kRoomPinned[0];
    for (int32_t k = 0; k < pinned.soundCount; ++k) EXPECT_EQ(1, soundCount(pinned.sounds[k])) << pinned.sounds[k];
    // The procession walks from the first frame in control, so its meshes
    // are held twice meanwhile; the statues' are not.
    for (int32_t n : {64, 65}) EXPECT_EQ(1, meshCount(n)) << n;

    // Entering room 0 again rebuilds it and changes no count.
    p.enterRoom(room::kStreet);
    const std::vector<int32_t> before = allCounts();
    const size_t objects = p.world.worldList.objects().size();
    p.enterRoom(room::kStreet);
    EXPECT_EQ(before, allCounts());
    EXPECT_EQ(objects, p.world.worldList.objects().size());
    EXPECT_FLOAT_EQ(3.5f, p.player.position.x);
}

TEST_F(PlayScreenTest, WalkingSlidesAlongWallsAndStepsOntoLowBoxes) {
    PlayScreen& p = play(s);
    // One second of W at 60 frames a second: two units along the view.
    holdKey(SDLK_w, true);
    framesAt60(s, 60);
    holdKey(SDLK_w, false);
    framesAt60(s, 1);
    EXPECT_NEAR(5.5f, p.player.position.x, 1e-3f);
    EXPECT_NEAR(5.01f, p.player.position.y, 1e-4f);
    EXPECT_FLOAT_EQ(0.0f, p.player.position.z);

    // Heading south-east into the south wall (its face at y 0.6): the wall
    // stops y, x goes on at its share of the speed.
    p.player.position.set(6.5f, 1.2f, 0.0f);
    p.player.viewAngles.z = 7.0f * 3.14159265f / 4.0f;
    holdKey(SDLK_w, true);
    framesAt60(s, 30);
    holdKey(SDLK_w, false);
    framesAt60(s, 1);
    EXPECT_NEAR(6.5f + 0.70711f, p.player.position.x, 2e-3f);
    EXPECT_GE(p.player.position.y, 0.8f);
    EXPECT_LT(p.player.position.y, 0.85f);

    // A box 0.2 high, lower than the step height: walking goes on and the
    // player rises onto it by one unit a second.
    std::unique_ptr<SceneObject> box = makeSceneObject();
    box->position.set(5.0f, 5.01f, 0.1f);
    box->halfSize.set(0.3f, 0.3f, 0.1f);
    p.world.worldList.appendSceneObject(std::move(box));
    p.player.position.set(3.5f, 5.01f, 0.0f);
    p.player.viewAngles.z = 0.0f;
    holdKey(SDLK_w, true);
    framesAt60(s, 45);
    holdKey(SDLK_w, false);
    framesAt60(s, 20);
    EXPECT_NEAR(5.0f, p.player.position.x, 2e-3f);
    EXPECT_GT(p.player.position.z, 0.2f);
    EXPECT_LE(p.player.position.z, 0.2f + 0.0171f);
}

TEST_F(PlayScreenTest, PitchStopsAtItsLimitsAndYawWraps) {
    PlayScreen& p = play(s);
    holdKey(SDLK_UP, true);
    framesAt60(s, 90);
    holdKey(SDLK_UP, false);
    framesAt60(s, 1);
    EXPECT_FLOAT_EQ(-1.3962634f, p.player.viewAngles.y);
    holdKey(SDLK_DOWN, true);
    framesAt60(s, 150);
    holdKey(SDLK_DOWN, false);
    framesAt60(s, 1);
    EXPECT_FLOAT_EQ(1.3962634f, p.player.viewAngles.y);

    // Turning right from yaw 0.05 for 6 frames (0.1 s) passes through 0.
    p.player.viewAngles.z = 0.05f;
    holdKey(SDLK_RIGHT, true);
    framesAt60(s, 6);
    holdKey(SDLK_RIGHT, false);
    framesAt60(s, 1);
    EXPECT_NEAR(0.05f - 0.13962634f + 6.2831855f, p.player.viewAngles.z, 1e-4f);
    // And left across 2 pi back to a small angle.
    p.player.viewAngles.z = 6.25f;
    holdKey(SDLK_LEFT, true);
    framesAt60(s, 6);
    holdKey(SDLK_LEFT, false);
    framesAt60(s, 1);
    EXPECT_NEAR(6.25f + 0.13962634f - 6.2831855f, p.player.viewAngles.z, 1e-4f);
}

TEST_F(PlayScreenTest, SaveAndMenuFramesDrawNothingWhileALoadFrameDraws) {
    PlayScreen& p = play(s);
    s.frames(30);

    markBackBuffer();
    gSaveRequest = 1;
    s.frames(1);
    EXPECT_EQ(kGameStatePauseMenu, gGameState);
    EXPECT_EQ(1, gSavedOk);
    EXPECT_EQ(0, gSaveRequest);
    EXPECT_TRUE(backBufferStillMarked());
    EXPECT_EQ(1, gSaveAllowed);

    // Back to play: Escape in the pause menu resumes.
    s.tap(SDLK_ESCAPE);
    ASSERT_EQ(kGameStatePlay, gGameState);
    s.frames(2);

    markBackBuffer();
    holdKey(SDLK_ESCAPE, true);
    s.frames(1);
    holdKey(SDLK_ESCAPE, false);
    EXPECT_EQ(kGameStatePauseMenu, gGameState);
    EXPECT_TRUE(backBufferStillMarked());
    s.tap(SDLK_ESCAPE);
    ASSERT_EQ(kGameStatePlay, gGameState);
    s.frames(2);

    p.player.position.set(9.0f, 4.0f, 0.0f);
    markBackBuffer();
    gLoadRequest = 1;
    s.frames(1);
    EXPECT_EQ(kGameStatePlay, gGameState);
    EXPECT_FALSE(backBufferStillMarked());
    EXPECT_FLOAT_EQ(3.5f, p.player.position.x);
}

TEST_F(PlayScreenTest, TheMouseMovedDuringAnAnswerIsDropped) {
    PlayScreen& p = play(s);
    p.answerPanel.setAnswerText("a word");
    const float yaw = p.player.viewAngles.z;
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.xrel = 40;
    SDL_PushEvent(&motion);
    s.frames(1);
    EXPECT_FALSE(p.isPlayerInControl());
    EXPECT_FLOAT_EQ(yaw, p.player.viewAngles.z);
    EXPECT_EQ(0, gMouseState->dx);
}
