// "knock on" and "ask": every row for its target and state, the fall-backs,
// and what each row leaves behind.
#include "catalog/ResourceCatalog.h"
#include "script/ResolverHarness.h"

using namespace resolvertest;

namespace {

const Cue kKnock = {4, 1.0f};

const RowCase kKnockOnCases[] = {
    {0, kObjDoor, nullptr, kNoAnswer, {{276, 0.8f}}, 59,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.doorKnocked);
         EXPECT_FLOAT_EQ(1.25f, p.script.scriptStepDelay);
         const SceneObject* door = p.findSceneObject(kObjDoor);
         EXPECT_TRUE(showsMesh(door, mesh::kHouseDoorOpening));
         EXPECT_TRUE(near(door->position, 12.6f, 29.4f, 2.4f));
         EXPECT_EQ(0.0f, door->animTime);
     }},
    {0, kObjGate, nullptr, kNoAnswer, {kKnock}, 123, nullptr},
    {0, kObjMedicalEquipment, nullptr, kAnsOutOfService, {kKnock}, -1, nullptr},
    {0, kObjChair, nullptr, kNoAnswer, {{5, 1.0f}}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(1, p.story.chairKnocks);
         EXPECT_GE(p.story.chairAngle, -109.0f);
         EXPECT_LE(p.story.chairAngle, -71.0f);
         EXPECT_FLOAT_EQ(p.story.chairAngle * 0.0174533f, p.findSceneObject(kObjChair)->rotation.z);
     }},
    {0, kObjInstantPicture, nullptr, kAnsMaybeNot, {}, -1, nullptr},
    {0, kObjDog, nullptr, kNoAnswer, {}, 47, nullptr},
    {0, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, 48, nullptr},
    {0, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = 1; }, kAnsNotLockedEnter, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(3, p.world.pendingRoom); }},
    {0, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = 3; }, kAnsNotLockedExit, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, p.world.pendingRoom); }},
    {0, kObjSpacedDoor, nullptr, kNoAnswer, {}, -1, [](PlayScreen& p) { EXPECT_EQ(-1, p.world.pendingRoom); }},
    {0, kObjSleepingSnake, nullptr, kAnsEllipsis, {kKnock}, 2, nullptr},
    {0, kObjFishPerson, nullptr, kAnsFishHum, {{332, 0.4f}}, -1, nullptr},
    {0, kObjStationaryWitch, nullptr, kAnsWitchCurtNo, {{338, 0.4f}}, -1, nullptr},
    {0, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, -1, nullptr},
    {0, kObjBroomstick, nullptr, kAnsEllipsis, {kKnock}, 3, nullptr},
    {0, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickTaken = true; }, kAnsEllipsis, {kKnock}, 4, nullptr},
    {0, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsEllipsis, {kKnock}, 4, nullptr},
    {0, kObjHat, nullptr, kAnsEllipsis, {kKnock}, 1, nullptr},  // no hat on the broomstick: fall-back
    {0, kObjPole, nullptr, kAnsEllipsis, {kKnock}, 4, nullptr},
    {0, kObjSomething, nullptr, kNoAnswer, {}, 12, nullptr},
    {0, kObjShadyCat, nullptr, kAnsCatPurrs, {{321, 0.2f}}, -1, nullptr},
    {0, kObjBat, nullptr, kAnsCantReach, {}, -1, nullptr},
    {0, kObjPillar, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {0, kObjRightBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsRightStatueKnows, {{331, 0.8f}}, -1,
     nullptr},
    {0, kObjRightBirdStatue, nullptr, kAnsEllipsis, {kKnock}, 1, nullptr},  // still asleep: fall-back
    {0, kObjLeftBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsLeftStatueNotAsleep, {{330, 0.8f}}, -1,
     nullptr},
    {0, kObjRightSlider, nullptr, kAnsDoesntMove, {kKnock}, -1, nullptr},
    {0, kObjLeftSlider, nullptr, kAnsDoesntMove, {kKnock}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, countNamed(p, kObjCandle)); }},
    {0, kObjLeftSlider, [](PlayScreen& p) { p.story.coinInserted = true; }, kAnsDispensedCandle, {{41, 0.6f}}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(2, countNamed(p, kObjCandle));
         EXPECT_EQ(objectName(kObjCandle), lastObject(p)->name);
         EXPECT_TRUE(showsMesh(lastObject(p), mesh::kCandle));
         EXPECT_TRUE(near(lastObject(p)->position, 15.34f, 0.95f, 0.748f));
         EXPECT_FALSE(p.story.coinInserted);
         EXPECT_TRUE(p.story.storyFlag07);
     }},
    {0, kObjBone, nullptr, kAnsEllipsis, {kKnock}, 1, nullptr},  // no row: fall-back
};

void expectFadeOut(const PlayScreen& p) {
    EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
    EXPECT_EQ(1.0f, p.view.sceneVisibilityRate);
    EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
}

void expectFlight(const PlayScreen& p, float x, float y, float z, float roll, float pitch, float yaw) {
    EXPECT_FLOAT_EQ(2.0f, p.script.scriptStepDelay);
    EXPECT_FLOAT_EQ(2.0f, p.view.flight.flightDuration);
    EXPECT_TRUE(p.view.flight.flightEase);
    EXPECT_TRUE(near(p.view.flight.flightEndPosition, x, y, z));
    // The end angles are unwrapped against the start; the same turn mod 2 pi.
    const float kTurn = 6.2831855f;
    EXPECT_NEAR(0.0f, std::remainder(p.view.flight.flightEndAngles.x - roll, kTurn), 1e-4f);
    EXPECT_NEAR(0.0f, std::remainder(p.view.flight.flightEndAngles.y - pitch, kTurn), 1e-4f);
    EXPECT_NEAR(0.0f, std::remainder(p.view.flight.flightEndAngles.z - yaw, kTurn), 1e-4f);
    EXPECT_EQ(0.0f, p.player.walkIntensity);
}

void awake(PlayScreen& p) { p.story.storyFlag20 = true; }

const RowCase kAskCases[] = {
    {1, kObjYourself, nullptr, kAnsAskYourself, {}, -1, nullptr},
    {1, kObjGate, nullptr, kNoAnswer, {}, 123, nullptr},
    {1, kObjPerson, nullptr, kAnsPersonMurmur, {{333, 0.15f}}, 85, nullptr},
    {1, kObjSpider, nullptr, kNoAnswer, {}, 130,
     [](PlayScreen& p) { expectFlight(p, -0.38f, 43.96f, 0.83f, 0.0f, -0.593412f, 1.6057f); }},
    {1, kObjBat, nullptr, kNoAnswer, {}, 134,
     [](PlayScreen& p) { expectFlight(p, 3.82f, 38.92f, 11.06f, 3.12414f, -0.20944f, 4.88692f); }},
    {1, kObjBat, [](PlayScreen& p) { p.story.nightAlmostOver = true; }, kAnsBatAsleep, {}, -1,
     [](PlayScreen& p) { EXPECT_FALSE(p.view.flight.isRunning()); }},
    {1, kObjMedicalEquipment, nullptr, kAnsOutOfService, {}, -1, nullptr},
    {1, kObjCrystalBall, nullptr, kAnsEllipsis, {}, 72, nullptr},
    {1, kObjCrystalBall, [](PlayScreen& p) { p.story.nightAlmostOver = true; }, kAnsEllipsis, {}, 5, nullptr},
    {1, kObjRoundDrawings, nullptr, kAnsRoundDrawings, {}, -1, nullptr},
    {1, kObjSmallPaintings, nullptr, kAnsSmallPaintings, {}, -1, nullptr},
    {1, kObjBigPainting, nullptr, kAnsBigPainting, {}, -1, nullptr},
    {1, kObjSmallPictures, nullptr, kAnsSmallPictures, {}, -1, nullptr},
    {1, kObjInstantPicture, nullptr, kAnsInstantPicture, {}, -1, nullptr},
    {1, kObjFishPerson, nullptr, kNoAnswer, {}, 60,
     [](PlayScreen& p) {
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjFishPerson), mesh::kFishPersonDucking));
         EXPECT_FLOAT_EQ(0.5f, p.script.scriptStepDelay);
     }},
    {1, kObjGoatPerson, nullptr, kAnsGoatNothingSweet, {{339, 0.4f}}, 75,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.storyFlag43);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjGoatPerson), mesh::kGoatPersonPleading));
     }},
    {1, kObjGoatPerson, [](PlayScreen& p) { p.story.storyCount40 = -1; }, kNoAnswer, {}, 79,
     [](PlayScreen& p) {
         expectFadeOut(p);
         EXPECT_FALSE(p.story.storyFlag43);
     }},
    {1, kObjBigPumpkin, [](PlayScreen& p) { p.story.storyCount33 = 5; }, kNoAnswer, {{325, 0.6f}}, 58,
     [](PlayScreen& p) {
         EXPECT_EQ(6, p.story.storyCount33);
         const SceneObject* pumpkin = p.findSceneObject(kObjBigPumpkin);
         EXPECT_TRUE(showsMesh(pumpkin, mesh::kPumpkinLaughing));
         EXPECT_EQ(1.0f, pumpkin->animSpeed);
         EXPECT_FLOAT_EQ(6.0f, p.script.scriptStepDelay);
     }},
    {1, kObjBigPumpkin, [](PlayScreen& p) { p.story.storyCount33 = 4; }, kAnsEllipsis, {}, 5, nullptr},
    {1, kObjDog, nullptr, kNoAnswer, {}, 47, nullptr},
    {1, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, 48, nullptr},
    {1, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = 3; }, kAnsNotLockedExit, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, p.world.pendingRoom); }},
    {1, kObjRope, [](PlayScreen& p) { p.world.room = 1; }, kNoAnswer, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(2, p.world.pendingRoom); }},
    {1, kObjRope, [](PlayScreen& p) { p.world.room = 2; }, kNoAnswer, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, p.world.pendingRoom); }},
    {1, kObjRope, nullptr, kNoAnswer, {}, -1, [](PlayScreen& p) { EXPECT_EQ(-1, p.world.pendingRoom); }},
    {1, kObjStationaryWitch, nullptr, kAnsWitchGrumbles, {}, -1, nullptr},
    {1, kObjMonique, nullptr, kAnsMoniqueGreets, {{337, 0.3f}}, -1, nullptr},
    {1, kObjFollowedLeader, nullptr, kAnsLeaderOutOfWay, {{329, 0.2f}}, -1, nullptr},
    {1, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeGhost = true; }, kAnsSkeletonGreetsGhost, {{328, 1.0f}},
     15, nullptr},
    {1, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeWerewolf = true; }, kAnsSkeletonGreetsWerewolf,
     {{328, 1.0f}}, 15, nullptr},
    {1, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeDeath = p.story.costumeGhost = true; }, kAnsSkeletonHello,
     {{328, 1.0f}}, 15, nullptr},
    {1, kObjHomelessSkeleton, nullptr, kNoAnswer, {{328, 1.0f}}, 15, nullptr},
    {1, kObjSomething, nullptr, kAnsSomethingSpeaks, {}, 144,
     [](PlayScreen&) { EXPECT_EQ(1, gCurrentMusicTrack); }},
    {1, kObjShadyCat, nullptr, kNoAnswer, {}, 17,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.storyFlag22);
         expectFadeOut(p);
     }},
    {1, kObjShadyCat, [](PlayScreen& p) { p.story.storyFlag22 = true; }, kNoAnswer, {}, 22,
     [](PlayScreen& p) {
         EXPECT_FALSE(p.story.storyFlag22);
         expectFadeOut(p);
     }},
    {1, kObjRightBirdStatue, awake, kAnsRightStatueCantWait, {{331, 0.8f}}, -1,
     [](PlayScreen& p) { EXPECT_TRUE(p.story.storyFlag23); }},
    {1, kObjRightBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = p.story.storyFlag23 = true; }, kAnsRightStatueDuty,
     {{331, 0.8f}}, 34, [](PlayScreen& p) { EXPECT_FALSE(p.story.storyFlag23); }},
    {1, kObjLeftBirdStatue, awake, kAnsLeftStatueYawns, {}, 41, [](PlayScreen& p) { EXPECT_TRUE(p.story.storyFlag24); }},
    {1, kObjLeftBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = p.story.storyFlag24 = true; }, kAnsLeftStatueRiddle,
     {{330, 0.8f}}, -1, [](PlayScreen& p) { EXPECT_FALSE(p.story.storyFlag24); }},
    {1, kObjLeftBirdStatue, nullptr, kAnsEllipsis, {}, 5, nullptr},  // asleep: fall-back
    {1, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; }, kAnsScarecrowCare,
     {{317, 0.12f}}, -1, nullptr},
    {1, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; }, kAnsScarecrowCare,
     {{317, 0.12f}}, -1, nullptr},
    {1, kObjBroomstick, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsEllipsis, {}, 5, nullptr},
    {1, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsEllipsis, {}, 5, nullptr},
    {1, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = p.story.nightAlmostOver = true; },
     kAnsEllipsis, {}, 5, nullptr},
    {1, kObjBone, nullptr, kAnsEllipsis, {}, 5, nullptr},  // no row: fall-back
};

}  // namespace

TEST_F(ResolverTest, KnockOnRows) { runCases(kKnockOnCases, sizeof(kKnockOnCases) / sizeof(kKnockOnCases[0])); }

TEST_F(ResolverTest, AskRows) { runCases(kAskCases, sizeof(kAskCases) / sizeof(kAskCases[0])); }

// The statues' two answers alternate, and only one of each pair starts a step.
TEST_F(ResolverTest, AskingABirdStatueAgainAndAgainAlternatesItsAnswers) {
    freshWorld();
    play().story.storyFlag20 = true;
    const AnswerText expected[] = {kAnsLeftStatueYawns, kAnsLeftStatueRiddle, kAnsLeftStatueYawns};
    const int32_t steps[] = {41, -1, 41};
    for (int k = 0; k < 3; ++k) {
        play().script.scriptStep = -1;
        play().answerPanel.targetOpenness = 0.0f;
        execute(1, kObjLeftBirdStatue);
        EXPECT_EQ(answerText(expected[k]), shownAnswer());
        EXPECT_EQ(steps[k], play().script.scriptStep);
    }
}
