// The world script's frame through the run loop: the room change with its
// fades, the answer panel holding it back, the step machine, the ending step,
// music volume, fog breathing, visibility and ending progress.
#include <gtest/gtest.h>

#include <cmath>

#include <SDL_mixer.h>

#include "engine/Camera.h"
#include "engine/ResourcesByNumber.h"
#include "play/RoomId.h"
#include "script/StepIds.h"
#include "support/PlayHarness.h"

using namespace playtest;

namespace {
class WorldScriptTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reachPlayByNewGame(s));
        s.frames(30);  // faded in
        ASSERT_FLOAT_EQ(1.0f, play(s).view.roomFade);
    }
    ScreenSession s;
};
}  // namespace

TEST_F(WorldScriptTest, ARoomChangeFadesOutBuildsOneFrameLaterAndFadesIn) {
    PlayScreen& p = play(s);
    p.world.pendingRoom = room::kShed;
    EXPECT_FALSE(p.isPlayerInControl());
    int frames = 0;
    while (p.view.roomFade > 0.0f && frames < 100) {
        s.frames(1);
        ++frames;
    }
    EXPECT_EQ(23, frames);  // 1 s at 0.045 s a frame
    EXPECT_EQ(room::kStreet, p.world.room);
    EXPECT_EQ(room::kShed, p.world.pendingRoom);
    s.frames(1);
    EXPECT_EQ(room::kShed, p.world.room);
    EXPECT_EQ(room::kNone, p.world.pendingRoom);
    EXPECT_FLOAT_EQ(0.0f, p.view.roomFade);
    EXPECT_EQ(155, gCurrentMusicTrack);
    EXPECT_EQ(12u, p.world.worldList.objects().size());  // the shed with its broom
    s.frames(1);
    EXPECT_FLOAT_EQ(0.045f, p.view.roomFade);
    // Room 3 keeps the short fog its builder gave it.
    EXPECT_FLOAT_EQ(2.5f, gCamera->fogEnd);
    s.frames(25);
    EXPECT_FLOAT_EQ(1.0f, p.view.roomFade);
    EXPECT_TRUE(p.isPlayerInControl());
}

TEST_F(WorldScriptTest, APendingRoomWaitsForTheAnswerPanel) {
    PlayScreen& p = play(s);
    p.answerPanel.setAnswerText("a door creaks");
    p.world.pendingRoom = room::kStreet;
    s.frames(30);
    EXPECT_FLOAT_EQ(1.0f, p.view.roomFade);
    EXPECT_EQ(room::kStreet, p.world.pendingRoom);
    EXPECT_FLOAT_EQ(1.0f, p.answerPanel.openness);
    s.tap(SDLK_RETURN);
    // Closing: showing until half closed, then the fade falls.
    int frames = 0;
    while (p.world.pendingRoom != room::kNone && frames < 200) {
        s.frames(1);
        ++frames;
    }
    EXPECT_GT(frames, 22 + 10);
    EXPECT_LT(frames, 22 + 14);
    EXPECT_EQ(room::kStreet, p.world.room);
}

TEST_F(WorldScriptTest, TheStepMachineRunsOnlyWhenNothingHoldsItBack) {
    PlayScreen& p = play(s);
    p.script.scriptStep = 200;
    p.script.scriptStepDelay = 0.2f;
    s.frames(4);
    EXPECT_EQ(200, p.script.scriptStep);
    s.frames(2);
    EXPECT_EQ(step::kNone, p.script.scriptStep);

    p.script.scriptStep = step::kEndingShown;
    s.frames(3);
    EXPECT_EQ(step::kEndingShown, p.script.scriptStep);
    p.script.scriptStep = 0;
    s.frames(1);
    EXPECT_EQ(step::kNone, p.script.scriptStep);

    // A running flight does not hold the machine back.
    p.startCameraFlight(Vec3(1.0f, 2.0f, 3.0f), Vec3(0.0f, 0.0f, 1.0f), 2.0f, false);
    p.script.scriptStep = -7;
    s.frames(1);
    EXPECT_EQ(step::kNone, p.script.scriptStep);
    EXPECT_FALSE(p.isPlayerInControl());
    s.frames(50);
    EXPECT_TRUE(p.isPlayerInControl());
}

TEST_F(WorldScriptTest, StepOneFortyTwoEndsTheFrameInTheEnding) {
    PlayScreen& p = play(s);
    const float scroll = p.answerPanel.scrollTime;
    const float walk = p.player.walkPhase;
    const int32_t counter = p.world.frameCounter;
    p.script.scriptStep = step::kShowEndingScreen;
    markBackBuffer();
    s.frames(1);
    EXPECT_EQ(kGameStateEnding, gGameState);
    EXPECT_EQ(step::kEndingShown, p.script.scriptStep);
    EXPECT_EQ(counter + 1, p.world.frameCounter);
    // No common updates and no drawing after the step.
    EXPECT_FLOAT_EQ(scroll, p.answerPanel.scrollTime);
    EXPECT_FLOAT_EQ(walk, p.player.walkPhase);
    EXPECT_TRUE(backBufferStillMarked());
}

TEST_F(WorldScriptTest, MusicFogVisibilityAndEndingFollowTheClock) {
    PlayScreen& p = play(s);
    s.frames(3);
    EXPECT_EQ(89, Mix_VolumeMusic(-1));  // 0.7 of full
    // Outside room 3 the fog breathes between 4.75 and 5.
    EXPECT_GE(gCamera->fogEnd, 4.75f);
    EXPECT_LE(gCamera->fogEnd, 5.0f);

    // In room 7 the tunnel's two values scale the music.
    // The opening follows the player's x (half open at |x| = 29 / sqrt 2); a
    // closed tunnel stays closed.
    p.story.storyValue49 = 0.5f;
    p.story.storyValue50 = 1.0f;
    p.enterRoom(room::kTunnel);
    p.player.position.x = -29.0f * std::sqrt(0.5f);
    EXPECT_EQ(93, gCurrentMusicTrack);
    s.frames(30);
    EXPECT_EQ(80, Mix_VolumeMusic(-1));  // 0.7 x 4.5 / 5 of full

    p.view.sceneVisibilityTarget = 0.0f;
    p.view.sceneVisibilityRate = 2.0f;
    s.frames(5);
    EXPECT_NEAR(1.0f - 5 * 0.09f, p.view.sceneVisibility, 1e-5f);
    s.frames(10);
    EXPECT_FLOAT_EQ(0.0f, p.view.sceneVisibility);

    p.story.endingProgress = 0.45f;
    s.frames(20);
    EXPECT_FLOAT_EQ(0.5f, p.story.endingProgress);
    p.story.endingProgress = 0.6f;
    s.frames(1);
    EXPECT_NEAR(0.6f + 0.045f / 12.0f, p.story.endingProgress, 1e-6f);
}
