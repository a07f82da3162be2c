// "trick" and "take": the rows answering on their own, the costume's line
// before the step rows, and every pick-up with its order of effects.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/RoomId.h"
#include "script/ResolverHarness.h"
#include "script/StepIds.h"

using namespace resolvertest;

namespace {

void ghost(PlayScreen& p) { p.story.costumeGhost = true; }
void ghostAwake(PlayScreen& p) { p.story.costumeGhost = p.story.storyFlag20 = true; }

const RowCase kTrickCases[] = {
    {action::kTrick, kObjSleepingSnake, ghost, kAnsNeedMirror, {}, step::kNone, nullptr},
    {action::kTrick, kObjRope, ghost, kAnsNeedMirror, {}, step::kNone, nullptr},
    {action::kTrick, kObjMedicalEquipment, ghost, kAnsRolesReversed, {}, step::kNone, nullptr},
    {action::kTrick, kObjPerson, ghost, kNoAnswer, {}, step::kPersonSeesYou,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.personSawCostume());
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {action::kTrick, kObjYourself, ghost, kAnsYouCant, {}, step::kNone, nullptr},
    {action::kTrick, kObjCoinSlot, ghost, kAnsYouCant, {}, step::kNone, nullptr},
    {action::kTrick, kObjRightSlider, ghost, kAnsYouCant, {}, step::kNone, nullptr},
    {action::kTrick, kObjStationaryWitch, ghost, kAnsSpookySound, {}, step::kWitchAnswers, nullptr},
    {action::kTrick, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeWerewolf = true; }, kAnsRoar, {},
     step::kSkeletonGreets, nullptr},
    {action::kTrick, kObjFishPerson, [](PlayScreen& p) { p.story.costumeDeath = true; }, kAnsTakeTheirSoul, {},
     step::kFishPuzzled, nullptr},
    {action::kTrick, kObjFishPerson, nullptr, kNoAnswer, {}, step::kFishPuzzled, nullptr},  // no costume: no line
    {action::kTrick, kObjFollowedLeader, ghost, kAnsSpookySound, {}, step::kLeaderTakesNoHeed, nullptr},
    {action::kTrick, kObjSomething, ghost, kAnsSpookySound, {}, step::kMakesNoSense, nullptr},
    {action::kTrick, kObjMonique, ghost, kAnsSpookySound, {}, step::kMoniquePraises, nullptr},
    {action::kTrick, kObjShadyCat, ghost, kAnsSpookySound, {}, step::kCatMeows, nullptr},
    {action::kTrick, kObjGoatPerson, ghost, kAnsSpookySound, {}, step::kGoatAcknowledges, nullptr},
    {action::kTrick, kObjRightBirdStatue, ghostAwake, kAnsSpookySound, {}, step::kRightStatueRejects, nullptr},
    {action::kTrick, kObjRightBirdStatue, ghost, kAnsSpookySound, {}, step::kNoEffect, nullptr},
    {action::kTrick, kObjLeftBirdStatue, ghostAwake, kAnsSpookySound, {}, step::kLeftStatueVerdict, nullptr},
    {action::kTrick, kObjSpider, ghost, kAnsSpookySound, {}, step::kSpiderIgnores, nullptr},
    {action::kTrick, kObjBat, ghost, kAnsSpookySound, {}, step::kBatGuesses, nullptr},
    {action::kTrick, kObjGate, ghost, kAnsSpookySound, {}, step::kGateAsked, nullptr},
    {action::kTrick, kObjDog, ghost, kAnsSpookySound, {}, step::kLayBoneDown, nullptr},
    {action::kTrick, kObjDog, [](PlayScreen& p) { p.story.costumeGhost = p.story.bonePlaced = true; }, kAnsSpookySound,
     {}, step::kDogBarks, nullptr},
    {action::kTrick, kObjBone, ghost, kAnsSpookySound, {}, step::kNoEffect, nullptr},  // no row: fall-back
};

const Cue kGive = {278, 0.5f};

// The object left the world and the targets; the new item is chosen.
void expectPickedUp(const PlayScreen& p, ObjectName name, int32_t actionId) {
    EXPECT_EQ(0, countNamed(p, name));
    EXPECT_FALSE(isTarget(p, name));
    EXPECT_TRUE(hasAction(p, actionId));
    EXPECT_EQ(actionId, selectedActionId(p));
    EXPECT_EQ(p.player.targets.front(), p.player.selectedTarget);
}

const RowCase kTakeCases[] = {
    {action::kTake, kObjRope, [](PlayScreen& p) { p.world.room = room::kGarden; }, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kFishPond, p.world.pendingRoom); }},
    {action::kTake, kObjRope, nullptr, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kNone, p.world.pendingRoom); }},
    {action::kTake, kObjWell, [](PlayScreen& p) { p.world.room = room::kFishPond;
         p.story.ropeOnPole = true; }, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kGarden, p.world.pendingRoom); }},
    {action::kTake, kObjWell, [](PlayScreen& p) { p.world.room = room::kGarden; }, kAnsYouCant, {}, step::kNone,
     nullptr},
    {action::kTake, kObjWell, [](PlayScreen& p) { p.world.room = room::kGarden;
         p.story.ropeOnPole = p.story.nightAlmostOver = true; }, kAnsYouCant, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kNone, p.world.pendingRoom); }},
    {action::kTake, kObjBat, nullptr, kAnsCantReach, {}, step::kNone, nullptr},
    {action::kTake, kObjSpider, nullptr, kAnsSpiderThanks, {{334, 0.4f}}, step::kNone, nullptr},
    {action::kTake, kObjGate, nullptr, kNoAnswer, {}, step::kGateAsked, nullptr},
    {action::kTake, kObjTrapdoor, nullptr, kAnsStuck, {}, step::kNone, nullptr},
    {action::kTake, kObjDust, nullptr, kAnsNeedRightTool, {}, step::kNone, nullptr},
    {action::kTake, kObjBricks, nullptr, kAnsTooHeavy, {}, step::kNone, nullptr},
    {action::kTake, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = room::kGarden; }, kAnsNotLockedEnter, {},
     step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(room::kShed, p.world.pendingRoom); }},
    {action::kTake, kObjTreat, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjTreat, 18);
         EXPECT_TRUE(p.story.treatTaken);
     }},
    {action::kTake, kObjLetter, nullptr, kNoAnswer, {}, step::kLetterRead,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.letterTaken);
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {action::kTake, kObjBone, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBone, 16);
         EXPECT_TRUE(p.story.boneTaken);
     }},
    {action::kTake, kObjSleepingSnake, nullptr, kAnsJustARope, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjSleepingSnake, 11);
         EXPECT_TRUE(p.story.ropeTaken);
     }},
    {action::kTake, kObjBroom, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBroom, 15);
         EXPECT_TRUE(p.story.broomTaken);
     }},
    // Under the rock lies a key.
    {action::kTake, kObjRock, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjRock, 4);
         EXPECT_TRUE(p.story.rockTaken);
         EXPECT_EQ(2, countNamed(p, kObjKey));
         const SceneObject* key = lastObject(p);
         EXPECT_EQ(objectName(kObjKey), key->name);
         EXPECT_TRUE(showsMesh(key, mesh::kKey));
         EXPECT_TRUE(showsTexture(key->sceneObjectTexture(), picture::kBrass));
         EXPECT_TRUE(near(key->position, 6.0f, 2.0f, 0.012f));
     }},
    {action::kTake, kObjKey, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjKey, 5);
         EXPECT_TRUE(p.story.keyTaken);
     }},
    {action::kTake, kObjBristles, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBristles, 6);
         EXPECT_TRUE(p.story.bristlesTaken);
     }},
    {action::kTake, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickInCrack = true; }, kNoAnswer, {kGive},
     step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBroomstick, 7);
         EXPECT_TRUE(p.story.broomstickTaken);
         EXPECT_FALSE(p.story.broomstickInCrack);
     }},
    {action::kTake, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsHatWouldFall, {},
     step::kNone,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, action::kUseBroomstick)); }},
    {action::kTake, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; },
     kAnsBreakIllusion, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(1, countNamed(p, kObjBroomstick)); }},
    {action::kTake, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjHat, 9);
         EXPECT_TRUE(p.story.hatTaken);
         EXPECT_FALSE(p.story.hatOnBroomstick);
     }},
    {action::kTake, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; },
     kAnsBreakIllusion, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, action::kUseHat)); }},
    {action::kTake, kObjFlower, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjFlower, 8);
         EXPECT_TRUE(p.story.flowerTaken);
     }},
    // The leader is left without the knife he held.
    {action::kTake, kObjKnife, nullptr, kNoAnswer, {{278, 0.4f}, {347, 0.6f}}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjKnife, 10);
         EXPECT_TRUE(p.story.knifeTaken);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjFollowedLeader), mesh::kLeaderWalking));
     }},
    {action::kTake, kObjCoins, nullptr, kAnsTookOneCoin, {kGive}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(1, countNamed(p, kObjCoins));
         EXPECT_EQ(action::kUseCoin, selectedActionId(p));
         EXPECT_TRUE(p.story.coinHeld);
     }},
    {action::kTake, kObjCoins, [](PlayScreen& p) { p.story.coinHeld = true; }, kAnsAlreadyHaveCoin, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, action::kUseCoin)); }},
    {action::kTake, kObjCandle, nullptr, kNoAnswer, {kGive}, step::kNone,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjCandle, 13);
         EXPECT_TRUE(p.story.candleTaken);
     }},
    {action::kTake, kObjRoundDrawings, nullptr, kAnsMaybeNot, {}, step::kNone, nullptr},
    {action::kTake, kObjPole, nullptr, kAnsYouCant, {}, step::kNone, nullptr},  // no row: fall-back
};

}  // namespace

TEST_F(ResolverTest, TrickRows) { runCases(kTrickCases, sizeof(kTrickCases) / sizeof(kTrickCases[0])); }

TEST_F(ResolverTest, TakeRows) { runCases(kTakeCases, sizeof(kTakeCases) / sizeof(kTakeCases[0])); }

// Putting the rock back on the key and taking it again: the items and the
// objects swap back and forth, one of each at a time.
TEST_F(ResolverTest, TheRockAndTheKeyTradePlacesBackAndForth) {
    // Each object a row puts down is brought into view for the next step.
    auto intoView = [this]() { lastObject(play())->position.set(kStandX + 1.0f, kStandY, 1.5f); };
    freshWorld(kObjKey);
    execute(3, kObjRock);
    EXPECT_EQ(action::kUseRock, selectedActionId(play()));
    EXPECT_EQ(1, countNamed(play(), kObjKey));
    intoView();
    execute(4, kObjKey);
    EXPECT_FALSE(hasAction(play(), action::kUseRock));
    EXPECT_FALSE(play().story.rockTaken);
    EXPECT_EQ(0, countNamed(play(), kObjKey));
    ASSERT_EQ(1, countNamed(play(), kObjRock));
    intoView();
    execute(3, kObjRock);
    EXPECT_TRUE(hasAction(play(), action::kUseRock));
    EXPECT_EQ(1, countNamed(play(), kObjKey));
    EXPECT_EQ("", gFatalErrorText);
}
