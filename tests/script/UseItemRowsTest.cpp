// "use rock on" to "use hat on": every row, which items are used up and which
// stay, the objects the rows put down, and "this doesn't work." otherwise.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "script/ResolverHarness.h"
#include "script/StepIds.h"

using namespace resolvertest;

namespace {

void awake(PlayScreen& p) { p.story.storyFlag20 = true; }

template <int32_t Id>
void keeps(PlayScreen& p) {
    EXPECT_TRUE(hasAction(p, Id));
}
template <int32_t Id>
void usedUp(PlayScreen& p) {
    EXPECT_FALSE(hasAction(p, Id));
}

const RowCase kUseRockCases[] = {
    {action::kUseRock, kObjKey, [](PlayScreen& p) { p.story.rockTaken = true; }, kNoAnswer, {{45, 0.3f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<4>(p);
         EXPECT_FALSE(p.story.rockTaken);
         EXPECT_EQ(0, countNamed(p, kObjKey));
         EXPECT_EQ(2, countNamed(p, kObjRock));
         const SceneObject* rock = lastObject(p);
         EXPECT_EQ(objectName(kObjRock), rock->name);
         EXPECT_TRUE(showsMesh(rock, mesh::kRock));
         EXPECT_TRUE(showsTexture(rock->sceneObjectTexture(), picture::kRockSurface));
         EXPECT_TRUE(showsTexture(rock->sceneObjectSecondTexture(), picture::kStoneSheen));
         EXPECT_TRUE(near(rock->position, 6.0f, 2.0f, 0.0f));
     }},
    {action::kUseRock, kObjDustyShelf, nullptr, kAnsPutItAway, {{45, 0.6f}}, step::kNone, usedUp<4>},
    {action::kUseRock, kObjBigPainting, nullptr, kAnsMaybeNot, {}, step::kNone, keeps<4>},
    {action::kUseRock, kObjYourself, nullptr, kAnsExitHint, {}, step::kNone, keeps<4>},
    {action::kUseRock, kObjFollowedLeader, nullptr, kAnsAteIt, {{306, 0.4f}}, step::kNone, usedUp<4>},
    {action::kUseRock, kObjWell, nullptr, kAnsItFell, {{326, 1.0f}}, step::kNone, usedUp<4>},
    {action::kUseRock, kObjCrack, nullptr, kAnsDoesntFit, {}, step::kNone, keeps<4>},
    {action::kUseRock, kObjCrystalBall, nullptr, kAnsNotAGoodIdea, {}, step::kNone, keeps<4>},
    {action::kUseRock, kObjDoor, nullptr, kAnsNotAGoodIdea, {}, step::kNone, keeps<4>},
    {action::kUseRock, kObjTable, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<4>},
};

const RowCase kUseKeyCases[] = {
    {action::kUseKey, kObjLock, nullptr, kNoAnswer, {{314, 0.8f}}, step::kLockOpens,
     [](PlayScreen& p) {
         usedUp<5>(p);
         EXPECT_TRUE(p.story.lockOpened);
         EXPECT_FLOAT_EQ(6.0f, p.script.scriptStepDelay);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjLock), mesh::kLockSwingingOpen));
     }},
    {action::kUseKey, kObjHomelessSkeleton, nullptr, kAnsSkeletonNoUseForKey, {{328, 1.0f}}, step::kNone, keeps<5>},
    {action::kUseKey, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeDeath = true; }, kAnsSkeletonNoUseForKey,
     {{328, 1.0f}},
     step::kSkeletonRemembers, keeps<5>},
    {action::kUseKey, kObjSpacedLock, nullptr, kAnsDoesntFit, {}, step::kNone, keeps<5>},
    {action::kUseKey, kObjCoinSlot, nullptr, kAnsDoesntFit, {}, step::kNone, nullptr},
    {action::kUseKey, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseKey, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseKey, kObjSomething, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseKey, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseKey, kObjYourself, nullptr, kAnsNotThatEasy, {}, step::kNone, nullptr},
    {action::kUseKey, kObjWell, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<5>},
};

const RowCase kUseBristlesCases[] = {
    {action::kUseBristles, kObjWell, nullptr, kAnsTheyFell, {{326, 1.0f}}, step::kNone, usedUp<6>},
    {action::kUseBristles, kObjFollowedLeader, nullptr, kAnsAteThem, {{306, 0.4f}}, step::kNone, usedUp<6>},
    {action::kUseBristles, kObjDustyShelf, nullptr, kAnsPutThemAway, {}, step::kNone, usedUp<6>},
    {action::kUseBristles, kObjBat, nullptr, kAnsCantReach, {}, step::kNone, keeps<6>},
    {action::kUseBristles, kObjStationaryWitch, nullptr, kAnsWitchGrumblesLoudly, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseBristles, kObjBroomstick, nullptr, kAnsBroomBeyondRepair, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjBroom, nullptr, kAnsAlreadyHasSome, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjGoatPerson, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjGate, nullptr, kAnsGateNotInterested, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjRightBirdStatue, awake, kAnsRightStatueNoTime, {{331, 0.8f}}, step::kNone, nullptr},
    {action::kUseBristles, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclines, {{330, 0.8f}}, step::kNone, nullptr},
    {action::kUseBristles, kObjRightBirdStatue, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
    {action::kUseBristles, kObjDog, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<6>},
    {action::kUseBristles, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, step::kDogBarks,
     nullptr},
};

const RowCase kUseBroomstickCases[] = {
    {action::kUseBroomstick, kObjCrack, nullptr, kNoAnswer, {{307, 0.42f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<7>(p);
         EXPECT_TRUE(p.story.broomstickInCrack);
         const SceneObject* stick = lastObject(p);
         EXPECT_EQ(objectName(kObjBroomstick), stick->name);
         EXPECT_TRUE(showsMesh(stick, mesh::kBroomstick));
         EXPECT_TRUE(showsTexture(stick->sceneObjectSecondTexture(), picture::kStoneSheen));
         EXPECT_TRUE(near(stick->position, 12.1f, 8.45f, 0.421f));
     }},
    {action::kUseBroomstick, kObjStationaryWitch, nullptr, kAnsWitchGrumblesLoudly, {}, step::kNone, keeps<7>},
    {action::kUseBroomstick, kObjBristles, nullptr, kAnsBroomBeyondRepair, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjYourself, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjPerson, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjSomething, nullptr, kAnsCannotTellIfHit, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjRightBirdStatue, awake, kAnsRightStatueBaffled, {{331, 0.8f}}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclines, {{330, 0.8f}}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjLeftBirdStatue, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
    {action::kUseBroomstick, kObjRock, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<7>},
};

const RowCase kUseFlowerCases[] = {
    {action::kUseFlower, kObjMonique, nullptr, kNoAnswer, {}, step::kMoniqueGasps,
     [](PlayScreen& p) {
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
         keeps<8>(p);
     }},
    {action::kUseFlower, kObjYourself, nullptr, kAnsGestureFlatters, {}, step::kNone, nullptr},
    {action::kUseFlower, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseFlower, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, step::kNone, nullptr},
    {action::kUseFlower, kObjSleepingSnake, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseFlower, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseFlower, kObjRightBirdStatue, awake, kAnsRightStatuePuzzled, {{331, 0.8f}}, step::kNone, nullptr},
    {action::kUseFlower, kObjLeftBirdStatue, awake, kAnsLeftStatueNoUseForFlower, {{330, 0.8f}}, step::kNone, nullptr},
    {action::kUseFlower, kObjDog, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

const RowCase kUseHatCases[] = {
    {action::kUseHat, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickInCrack = true; }, kNoAnswer,
     {{304, 0.42f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<9>(p);
         EXPECT_TRUE(p.story.hatOnBroomstick);
         const SceneObject* hat = lastObject(p);
         EXPECT_EQ(objectName(kObjHat), hat->name);
         EXPECT_TRUE(showsMesh(hat, mesh::kHat));
         EXPECT_TRUE(showsTexture(hat->sceneObjectSecondTexture(), picture::kStoneSheen));
         EXPECT_TRUE(near(hat->position, 12.17f, 8.4f, 0.9f));
         EXPECT_TRUE(near(hat->rotation, -0.10472f, 0.610865f, -1.64061f));
     }},
    {action::kUseHat, kObjBroomstick, nullptr, kAnsWouldFallOver, {}, step::kNone,
     [](PlayScreen& p) {
         keeps<9>(p);
         EXPECT_FALSE(p.story.hatOnBroomstick);
         EXPECT_EQ(1, countNamed(p, kObjHat));
     }},
    {action::kUseHat, kObjMonique, nullptr, kAnsMoniqueSameHat, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseHat, kObjYourself, nullptr, kAnsHatWouldNotFitYou, {}, step::kNone, nullptr},
    {action::kUseHat, kObjStationaryWitch, nullptr, kAnsWitchHasHat, {}, step::kNone, nullptr},
    {action::kUseHat, kObjHomelessSkeleton, nullptr, kAnsSkeletonHatWouldNotFit, {{328, 1.0f}}, step::kNone, nullptr},
    {action::kUseHat, kObjKnife, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseHat, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseHat, kObjRightBirdStatue, awake, kAnsRightStatueNoTimeForThis, {{331, 0.8f}}, step::kNone, nullptr},
    {action::kUseHat, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclinesPolitely, {{330, 0.8f}}, step::kNone, nullptr},
    {action::kUseHat, kObjGate, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<9>},
};

}  // namespace

TEST_F(ResolverTest, UseRockRows) { runCases(kUseRockCases, sizeof(kUseRockCases) / sizeof(kUseRockCases[0])); }

TEST_F(ResolverTest, UseKeyRows) { runCases(kUseKeyCases, sizeof(kUseKeyCases) / sizeof(kUseKeyCases[0])); }

TEST_F(ResolverTest, UseBristlesRows) {
    runCases(kUseBristlesCases, sizeof(kUseBristlesCases) / sizeof(kUseBristlesCases[0]));
}

TEST_F(ResolverTest, UseBroomstickRows) {
    runCases(kUseBroomstickCases, sizeof(kUseBroomstickCases) / sizeof(kUseBroomstickCases[0]));
}

TEST_F(ResolverTest, UseFlowerRows) {
    runCases(kUseFlowerCases, sizeof(kUseFlowerCases) / sizeof(kUseFlowerCases[0]));
}

TEST_F(ResolverTest, UseHatRows) { runCases(kUseHatCases, sizeof(kUseHatCases) / sizeof(kUseHatCases[0])); }
