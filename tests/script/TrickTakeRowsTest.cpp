// "trick" and "take": the rows answering on their own, the costume's line
// before the step rows, and every pick-up with its order of effects.
#include "catalog/ResourceCatalog.h"
#include "script/ResolverHarness.h"

using namespace resolvertest;

namespace {

void ghost(PlayScreen& p) { p.story.costumeGhost = true; }
void ghostAwake(PlayScreen& p) { p.story.costumeGhost = p.story.storyFlag20 = true; }

const RowCase kTrickCases[] = {
    {2, kObjSleepingSnake, ghost, kAnsNeedMirror, {}, -1, nullptr},
    {2, kObjRope, ghost, kAnsNeedMirror, {}, -1, nullptr},
    {2, kObjMedicalEquipment, ghost, kAnsRolesReversed, {}, -1, nullptr},
    {2, kObjPerson, ghost, kNoAnswer, {}, 93,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.storyFlag42);
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {2, kObjYourself, ghost, kAnsYouCant, {}, -1, nullptr},
    {2, kObjCoinSlot, ghost, kAnsYouCant, {}, -1, nullptr},
    {2, kObjRightSlider, ghost, kAnsYouCant, {}, -1, nullptr},
    {2, kObjStationaryWitch, ghost, kAnsSpookySound, {}, 6, nullptr},
    {2, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeWerewolf = true; }, kAnsRoar, {}, 7, nullptr},
    {2, kObjFishPerson, [](PlayScreen& p) { p.story.costumeDeath = true; }, kAnsTakeTheirSoul, {}, 69, nullptr},
    {2, kObjFishPerson, nullptr, kNoAnswer, {}, 69, nullptr},  // no costume: no line
    {2, kObjFollowedLeader, ghost, kAnsSpookySound, {}, 8, nullptr},
    {2, kObjSomething, ghost, kAnsSpookySound, {}, 9, nullptr},
    {2, kObjMonique, ghost, kAnsSpookySound, {}, 10, nullptr},
    {2, kObjShadyCat, ghost, kAnsSpookySound, {}, 24, nullptr},
    {2, kObjGoatPerson, ghost, kAnsSpookySound, {}, 78, nullptr},
    {2, kObjRightBirdStatue, ghostAwake, kAnsSpookySound, {}, 38, nullptr},
    {2, kObjRightBirdStatue, ghost, kAnsSpookySound, {}, 1, nullptr},
    {2, kObjLeftBirdStatue, ghostAwake, kAnsSpookySound, {}, 39, nullptr},
    {2, kObjSpider, ghost, kAnsSpookySound, {}, 132, nullptr},
    {2, kObjBat, ghost, kAnsSpookySound, {}, 133, nullptr},
    {2, kObjGate, ghost, kAnsSpookySound, {}, 123, nullptr},
    {2, kObjDog, ghost, kAnsSpookySound, {}, 47, nullptr},
    {2, kObjDog, [](PlayScreen& p) { p.story.costumeGhost = p.story.bonePlaced = true; }, kAnsSpookySound, {}, 48, nullptr},
    {2, kObjBone, ghost, kAnsSpookySound, {}, 1, nullptr},  // no row: fall-back
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
    {3, kObjRope, [](PlayScreen& p) { p.world.room = 1; }, kNoAnswer, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(2, p.world.pendingRoom); }},
    {3, kObjRope, nullptr, kNoAnswer, {}, -1, [](PlayScreen& p) { EXPECT_EQ(-1, p.world.pendingRoom); }},
    {3, kObjWell, [](PlayScreen& p) { p.world.room = 2;
         p.story.ropeOnPole = true; }, kNoAnswer, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, p.world.pendingRoom); }},
    {3, kObjWell, [](PlayScreen& p) { p.world.room = 1; }, kAnsYouCant, {}, -1, nullptr},
    {3, kObjWell, [](PlayScreen& p) { p.world.room = 1;
         p.story.ropeOnPole = p.story.nightAlmostOver = true; }, kAnsYouCant, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(-1, p.world.pendingRoom); }},
    {3, kObjBat, nullptr, kAnsCantReach, {}, -1, nullptr},
    {3, kObjSpider, nullptr, kAnsSpiderThanks, {{334, 0.4f}}, -1, nullptr},
    {3, kObjGate, nullptr, kNoAnswer, {}, 123, nullptr},
    {3, kObjTrapdoor, nullptr, kAnsStuck, {}, -1, nullptr},
    {3, kObjDust, nullptr, kAnsNeedRightTool, {}, -1, nullptr},
    {3, kObjBricks, nullptr, kAnsTooHeavy, {}, -1, nullptr},
    {3, kObjSpacedDoor, [](PlayScreen& p) { p.world.room = 1; }, kAnsNotLockedEnter, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(3, p.world.pendingRoom); }},
    {3, kObjTreat, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjTreat, 18);
         EXPECT_TRUE(p.story.treatTaken);
     }},
    {3, kObjLetter, nullptr, kNoAnswer, {}, 119,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.letterTaken);
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {3, kObjBone, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBone, 16);
         EXPECT_TRUE(p.story.boneTaken);
     }},
    {3, kObjSleepingSnake, nullptr, kAnsJustARope, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjSleepingSnake, 11);
         EXPECT_TRUE(p.story.ropeTaken);
     }},
    {3, kObjBroom, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBroom, 15);
         EXPECT_TRUE(p.story.broomTaken);
     }},
    // Under the rock lies a key.
    {3, kObjRock, nullptr, kNoAnswer, {kGive}, -1,
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
    {3, kObjKey, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjKey, 5);
         EXPECT_TRUE(p.story.keyTaken);
     }},
    {3, kObjBristles, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBristles, 6);
         EXPECT_TRUE(p.story.bristlesTaken);
     }},
    {3, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickInCrack = true; }, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjBroomstick, 7);
         EXPECT_TRUE(p.story.broomstickTaken);
         EXPECT_FALSE(p.story.broomstickInCrack);
     }},
    {3, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kAnsHatWouldFall, {}, -1,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, 7)); }},
    {3, kObjBroomstick, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; }, kAnsBreakIllusion, {}, -1,
     [](PlayScreen& p) { EXPECT_EQ(1, countNamed(p, kObjBroomstick)); }},
    {3, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = true; }, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjHat, 9);
         EXPECT_TRUE(p.story.hatTaken);
         EXPECT_FALSE(p.story.hatOnBroomstick);
     }},
    {3, kObjHat, [](PlayScreen& p) { p.story.hatOnBroomstick = p.story.storyFlag20 = true; }, kAnsBreakIllusion, {}, -1,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, 9)); }},
    {3, kObjFlower, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjFlower, 8);
         EXPECT_TRUE(p.story.flowerTaken);
     }},
    // The leader is left without the knife he held.
    {3, kObjKnife, nullptr, kNoAnswer, {{278, 0.4f}, {347, 0.6f}}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjKnife, 10);
         EXPECT_TRUE(p.story.knifeTaken);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjFollowedLeader), mesh::kLeaderWalking));
     }},
    {3, kObjCoins, nullptr, kAnsTookOneCoin, {kGive}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(1, countNamed(p, kObjCoins));
         EXPECT_EQ(12, selectedActionId(p));
         EXPECT_TRUE(p.story.coinHeld);
     }},
    {3, kObjCoins, [](PlayScreen& p) { p.story.coinHeld = true; }, kAnsAlreadyHaveCoin, {}, -1,
     [](PlayScreen& p) { EXPECT_FALSE(hasAction(p, 12)); }},
    {3, kObjCandle, nullptr, kNoAnswer, {kGive}, -1,
     [](PlayScreen& p) {
         expectPickedUp(p, kObjCandle, 13);
         EXPECT_TRUE(p.story.candleTaken);
     }},
    {3, kObjRoundDrawings, nullptr, kAnsMaybeNot, {}, -1, nullptr},
    {3, kObjPole, nullptr, kAnsYouCant, {}, -1, nullptr},  // no row: fall-back
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
    EXPECT_EQ(4, selectedActionId(play()));
    EXPECT_EQ(1, countNamed(play(), kObjKey));
    intoView();
    execute(4, kObjKey);
    EXPECT_FALSE(hasAction(play(), 4));
    EXPECT_FALSE(play().story.rockTaken);
    EXPECT_EQ(0, countNamed(play(), kObjKey));
    ASSERT_EQ(1, countNamed(play(), kObjRock));
    intoView();
    execute(3, kObjRock);
    EXPECT_TRUE(hasAction(play(), 4));
    EXPECT_EQ(1, countNamed(play(), kObjKey));
    EXPECT_EQ("", gFatalErrorText);
}
