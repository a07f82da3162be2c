// "knock on" and "ask": every row for its target and state, the fall-backs,
// and what each row leaves behind.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/RoomId.h"
#include "script/ResolverHarness.h"
#include "script/StepIds.h"

using namespace resolvertest;

namespace {

const Cue kKnock = {4, 1.0f};

const RowCase kKnockOnCases[] = {
    {action::kKnockOn, kObjDoor, nullptr, kNoAnswer, {{276, 0.8f}}, step::kDoorGivesWay,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.doorKnocked);
         EXPECT_FLOAT_EQ(1.25f, p.script.scriptStepDelay);
         const SceneObject* door = p.findSceneObject(kObjDoor);
         EXPECT_TRUE(showsMesh(door, mesh::kHouseDoorOpening));
         EXPECT_TRUE(near(door->position, 12.6f, 29.4f, 2.4f));
         EXPECT_EQ(0.0f, door->animTime);
     }},
    {action::kKnockOn, kObjGate, nullptr, kNoAnswer, {kKnock}, step::kGateAsked, nullptr},
    {action::kKnockOn, kObjMedicalEquipment, nullptr, kAnsOutOfService, {kKnock}, step::kNone, nullptr},
    {action::kKnockOn, kObjChair, nullptr, kNoAnswer, {{5, 1.0f}}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(1, p.story.chairKnocks);
         EXPECT_GE(p.story.chairAngle, -109.0f);
         EXPECT_LE(p.story.chairAngle, -71.0f);
         EXPECT_FLOAT_EQ(p.story.chairAngle * 0.0174533f, p.findSceneObject(kObjChair)->rotation.z);
     }},
    {action::kKnockOn, kObjInstantPicture, nullptr, kAnsMaybeNot, {}, step::kNone, nullptr},
    {action::kKnockOn, kObjDog, nullptr, kNoAnswer, {}, step::kLayBoneDown, nullptr},
    {action::kKnockOn, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, step::kDogBarks,
     nullptr},
    {action::kKnockOn, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = room::kGarden; }, kAnsNotLockedEnter, {},
     step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kShed, p.world.pendingRoom); }},
    {action::kKnockOn, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = room::kShed; }, kAnsNotLockedExit, {},
     step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kGarden, p.world.pendingRoom); }},
    {action::kKnockOn, kObjSpacedDoor, nullptr, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kNone, p.world.pendingRoom); }},
    {action::kKnockOn, kObjSleepingSnake, nullptr, kAnsEllipsis, {kKnock}, step::kNotASnake, nullptr},
    {action::kKnockOn, kObjFishPerson, nullptr, kAnsFishHum, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kKnockOn, kObjStationaryWitch, nullptr, kAnsWitchCurtNo, {{338, 0.4f}}, step::kNone, nullptr},
    {action::kKnockOn, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, step::kNone, nullptr},
    {action::kKnockOn, kObjBroomstick, nullptr, kAnsEllipsis, {kKnock}, step::kNearlyToppled, nullptr},
    {action::kKnockOn, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickTaken = true; }, kAnsEllipsis, {kKnock},
     step::kStandsFirm, nullptr},
    {action::kKnockOn, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsEllipsis, {kKnock},
     step::kStandsFirm, nullptr},
    {action::kKnockOn, kObjHat, nullptr, kAnsEllipsis, {kKnock}, step::kNoEffect, nullptr},
    // no hat on the broomstick: fall-back
    {action::kKnockOn, kObjPole, nullptr, kAnsEllipsis, {kKnock}, step::kStandsFirm, nullptr},
    {action::kKnockOn, kObjSomething, nullptr, kNoAnswer, {}, step::kNothingHeard, nullptr},
    {action::kKnockOn, kObjShadyCat, nullptr, kAnsCatPurrs, {{321, 0.2f}}, step::kNone, nullptr},
    {action::kKnockOn, kObjBat, nullptr, kAnsCantReach, {}, step::kNone, nullptr},
    {action::kKnockOn, kObjPillar, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kKnockOn, kObjRightBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsRightStatueKnows,
     {{331, 0.8f}}, step::kNone,
     nullptr},
    {action::kKnockOn, kObjRightBirdStatue, nullptr, kAnsEllipsis, {kKnock}, step::kNoEffect, nullptr},
    // still asleep: fall-back
    {action::kKnockOn, kObjLeftBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsLeftStatueNotAsleep,
     {{330, 0.8f}}, step::kNone,
     nullptr},
    {action::kKnockOn, kObjRightSlider, nullptr, kAnsDoesntMove, {kKnock}, step::kNone, nullptr},
    {action::kKnockOn, kObjLeftSlider, nullptr, kAnsDoesntMove, {kKnock}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(1, countNamed(p, kObjCandle)); }},
    {action::kKnockOn, kObjLeftSlider, [](PlayScreen& p) { p.story.coinInserted = true; }, kAnsDispensedCandle,
     {{41, 0.6f}}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(2, countNamed(p, kObjCandle));
         EXPECT_EQ(objectName(kObjCandle), lastObject(p)->name);
         EXPECT_TRUE(showsMesh(lastObject(p), mesh::kCandle));
         EXPECT_TRUE(near(lastObject(p)->position, 15.34f, 0.95f, 0.748f));
         EXPECT_FALSE(p.story.coinInserted);
         EXPECT_TRUE(p.story.candleDispensed());
     }},
    {action::kKnockOn, kObjBone, nullptr, kAnsEllipsis, {kKnock}, step::kNoEffect, nullptr},  // no row: fall-back
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
    {action::kAsk, kObjYourself, nullptr, kAnsAskYourself, {}, step::kNone, nullptr},
    {action::kAsk, kObjGate, nullptr, kNoAnswer, {}, step::kGateAsked, nullptr},
    {action::kAsk, kObjPerson, nullptr, kAnsPersonMurmur, {{333, 0.15f}}, step::kPersonGreeting, nullptr},
    {action::kAsk, kObjSpider, nullptr, kNoAnswer, {}, step::kSpiderUndecided,
     [](PlayScreen& p) { expectFlight(p, -0.38f, 43.96f, 0.83f, 0.0f, -0.593412f, 1.6057f); }},
    {action::kAsk, kObjBat, nullptr, kNoAnswer, {}, step::kBatStaysIn,
     [](PlayScreen& p) { expectFlight(p, 3.82f, 38.92f, 11.06f, 3.12414f, -0.20944f, 4.88692f); }},
    {action::kAsk, kObjBat, [](PlayScreen& p) { p.story.nightAlmostOver = true; }, kAnsBatAsleep, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_FALSE(p.view.flight.isRunning()); }},
    {action::kAsk, kObjMedicalEquipment, nullptr, kAnsOutOfService, {}, step::kNone, nullptr},
    {action::kAsk, kObjCrystalBall, nullptr, kAnsEllipsis, {}, step::kCrystalBallSpeaks, nullptr},
    {action::kAsk, kObjCrystalBall, [](PlayScreen& p) { p.story.nightAlmostOver = true; }, kAnsEllipsis, {},
     step::kNoAnswerComes, nullptr},
    {action::kAsk, kObjRoundDrawings, nullptr, kAnsRoundDrawings, {}, step::kNone, nullptr},
    {action::kAsk, kObjSmallPaintings, nullptr, kAnsSmallPaintings, {}, step::kNone, nullptr},
    {action::kAsk, kObjBigPainting, nullptr, kAnsBigPainting, {}, step::kNone, nullptr},
    {action::kAsk, kObjSmallPictures, nullptr, kAnsSmallPictures, {}, step::kNone, nullptr},
    {action::kAsk, kObjInstantPicture, nullptr, kAnsInstantPicture, {}, step::kNone, nullptr},
    {action::kAsk, kObjFishPerson, nullptr, kNoAnswer, {}, step::kFishRises,
     [](PlayScreen& p) {
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjFishPerson), mesh::kFishPersonDucking));
         EXPECT_FLOAT_EQ(0.5f, p.script.scriptStepDelay);
     }},
    {action::kAsk, kObjGoatPerson, nullptr, kAnsGoatNothingSweet, {{339, 0.4f}}, step::kGoatBoasts,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.goatGreeted());
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjGoatPerson), mesh::kGoatPersonPleading));
     }},
    {action::kAsk, kObjGoatPerson, [](PlayScreen& p) { p.story.storyCount40 = -1; }, kNoAnswer, {}, step::kGoatRises,
     [](PlayScreen& p) {
         expectFadeOut(p);
         EXPECT_FALSE(p.story.goatGreeted());
     }},
    {action::kAsk, kObjBigPumpkin, [](PlayScreen& p) { p.story.storyCount33 = 5; }, kNoAnswer, {{325, 0.6f}},
     step::kPumpkinGone,
     [](PlayScreen& p) {
         EXPECT_EQ(6, p.story.pumpkinStage());
         const SceneObject* pumpkin = p.findSceneObject(kObjBigPumpkin);
         EXPECT_TRUE(showsMesh(pumpkin, mesh::kPumpkinLaughing));
         EXPECT_EQ(1.0f, pumpkin->animSpeed);
         EXPECT_FLOAT_EQ(6.0f, p.script.scriptStepDelay);
     }},
    {action::kAsk, kObjBigPumpkin, [](PlayScreen& p) { p.story.storyCount33 = 4; }, kAnsEllipsis, {},
     step::kNoAnswerComes, nullptr},
    {action::kAsk, kObjDog, nullptr, kNoAnswer, {}, step::kLayBoneDown, nullptr},
    {action::kAsk, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, step::kDogBarks, nullptr},
    {action::kAsk, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = room::kShed; }, kAnsNotLockedExit, {},
     step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kGarden, p.world.pendingRoom); }},
    {action::kAsk, kObjRope, [](PlayScreen& p) { p.world.room = room::kGarden; }, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kFishPond, p.world.pendingRoom); }},
    {action::kAsk, kObjRope, [](PlayScreen& p) { p.world.room = room::kFishPond; }, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kGarden, p.world.pendingRoom); }},
    {action::kAsk, kObjRope, nullptr, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kNone, p.world.pendingRoom); }},
    {action::kAsk, kObjStationaryWitch, nullptr, kAnsWitchGrumbles, {}, step::kNone, nullptr},
    {action::kAsk, kObjMonique, nullptr, kAnsMoniqueGreets, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kAsk, kObjFollowedLeader, nullptr, kAnsLeaderOutOfWay, {{329, 0.2f}}, step::kNone, nullptr},
    {action::kAsk, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeGhost = true; }, kAnsSkeletonGreetsGhost,
     {{328, 1.0f}},
     step::kSmellRises, nullptr},
    {action::kAsk, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeWerewolf = true; },
     kAnsSkeletonGreetsWerewolf,
     {{328, 1.0f}}, step::kSmellRises, nullptr},
    {action::kAsk, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeDeath = p.story.costumeGhost = true; },
     kAnsSkeletonHello,
     {{328, 1.0f}}, step::kSmellRises, nullptr},
    {action::kAsk, kObjHomelessSkeleton, nullptr, kNoAnswer, {{328, 1.0f}}, step::kSmellRises, nullptr},
    {action::kAsk, kObjSomething, nullptr, kAnsSomethingSpeaks, {}, step::kStreetMusicReturns,
     [](PlayScreen&) { EXPECT_EQ(1, gCurrentMusicTrack); }},
    {action::kAsk, kObjShadyCat, nullptr, kNoAnswer, {}, step::kCatCloseUp,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.shadyCatGiggled());
         expectFadeOut(p);
     }},
    {action::kAsk, kObjShadyCat, [](PlayScreen& p) { p.story.storyFlag22 = true; }, kNoAnswer, {}, step::kCatLooksUp,
     [](PlayScreen& p) {
         EXPECT_FALSE(p.story.shadyCatGiggled());
         expectFadeOut(p);
     }},
    {action::kAsk, kObjRightBirdStatue, awake, kAnsRightStatueCantWait, {{331, 0.8f}}, step::kNone,
     [](PlayScreen& p) { EXPECT_TRUE(p.story.rightStatueAsked()); }},
    {action::kAsk, kObjRightBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = p.story.storyFlag23 = true; },
     kAnsRightStatueDuty,
     {{331, 0.8f}}, step::kLeftStatuePurpose, [](PlayScreen& p) { EXPECT_FALSE(p.story.rightStatueAsked()); }},
    {action::kAsk, kObjLeftBirdStatue, awake, kAnsLeftStatueYawns, {}, step::kLeftStatueContent,
     [](PlayScreen& p) { EXPECT_TRUE(p.story.leftStatueAsked()); }},
    {action::kAsk, kObjLeftBirdStatue, [](PlayScreen& p) { p.story.storyFlag20 = p.story.storyFlag24 = true; },
     kAnsLeftStatueRiddle,
     {{330, 0.8f}}, step::kNone, [](PlayScreen& p) { EXPECT_FALSE(p.story.leftStatueAsked()); }},
    {action::kAsk, kObjLeftBirdStatue, nullptr, kAnsEllipsis, {}, step::kNoAnswerComes, nullptr},  // asleep: fall-back
    {action::kAsk, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; },
     kAnsScarecrowCare,
     {{317, 0.12f}}, step::kNone, nullptr},
    {action::kAsk, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; },
     kAnsScarecrowCare,
     {{317, 0.12f}}, step::kNone, nullptr},
    {action::kAsk, kObjBroomstick, [](PlayScreen& p) { p.story.storyFlag20 = true; }, kAnsEllipsis, {},
     step::kNoAnswerComes, nullptr},
    {action::kAsk, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsEllipsis, {},
     step::kNoAnswerComes, nullptr},
    {action::kAsk, kObjBroomstick,
     [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = p.story.nightAlmostOver = true; },
     kAnsEllipsis, {}, step::kNoAnswerComes, nullptr},
    {action::kAsk, kObjBone, nullptr, kAnsEllipsis, {}, step::kNoAnswerComes, nullptr},  // no row: fall-back
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
        play().script.scriptStep = step::kNone;
        play().answerPanel.targetOpenness = 0.0f;
        execute(1, kObjLeftBirdStatue);
        EXPECT_EQ(answerText(expected[k]), shownAnswer());
        EXPECT_EQ(steps[k], play().script.scriptStep);
    }
}
