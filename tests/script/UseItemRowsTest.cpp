// "use rock on" to "use hat on": every row, which items are used up and which
// stay, the objects the rows put down, and "this doesn't work." otherwise.
#include "catalog/ResourceCatalog.h"
#include "script/ResolverHarness.h"

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
    {4, kObjKey, [](PlayScreen& p) { p.story.rockTaken = true; }, kNoAnswer, {{45, 0.3f}}, -1,
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
    {4, kObjDustyShelf, nullptr, kAnsPutItAway, {{45, 0.6f}}, -1, usedUp<4>},
    {4, kObjBigPainting, nullptr, kAnsMaybeNot, {}, -1, keeps<4>},
    {4, kObjYourself, nullptr, kAnsExitHint, {}, -1, keeps<4>},
    {4, kObjFollowedLeader, nullptr, kAnsAteIt, {{306, 0.4f}}, -1, usedUp<4>},
    {4, kObjWell, nullptr, kAnsItFell, {{326, 1.0f}}, -1, usedUp<4>},
    {4, kObjCrack, nullptr, kAnsDoesntFit, {}, -1, keeps<4>},
    {4, kObjCrystalBall, nullptr, kAnsNotAGoodIdea, {}, -1, keeps<4>},
    {4, kObjDoor, nullptr, kAnsNotAGoodIdea, {}, -1, keeps<4>},
    {4, kObjTable, nullptr, kAnsDoesntWork, {}, -1, keeps<4>},
};

const RowCase kUseKeyCases[] = {
    {5, kObjLock, nullptr, kNoAnswer, {{314, 0.8f}}, 14,
     [](PlayScreen& p) {
         usedUp<5>(p);
         EXPECT_TRUE(p.story.lockOpened);
         EXPECT_FLOAT_EQ(6.0f, p.script.scriptStepDelay);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjLock), mesh::kLockSwingingOpen));
     }},
    {5, kObjHomelessSkeleton, nullptr, kAnsSkeletonNoUseForKey, {{328, 1.0f}}, -1, keeps<5>},
    {5, kObjHomelessSkeleton, [](PlayScreen& p) { p.story.costumeDeath = true; }, kAnsSkeletonNoUseForKey, {{328, 1.0f}},
     13, keeps<5>},
    {5, kObjSpacedLock, nullptr, kAnsDoesntFit, {}, -1, keeps<5>},
    {5, kObjCoinSlot, nullptr, kAnsDoesntFit, {}, -1, nullptr},
    {5, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, -1, nullptr},
    {5, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {5, kObjSomething, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {5, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {5, kObjYourself, nullptr, kAnsNotThatEasy, {}, -1, nullptr},
    {5, kObjWell, nullptr, kAnsDoesntWork, {}, -1, keeps<5>},
};

const RowCase kUseBristlesCases[] = {
    {6, kObjWell, nullptr, kAnsTheyFell, {{326, 1.0f}}, -1, usedUp<6>},
    {6, kObjFollowedLeader, nullptr, kAnsAteThem, {{306, 0.4f}}, -1, usedUp<6>},
    {6, kObjDustyShelf, nullptr, kAnsPutThemAway, {}, -1, usedUp<6>},
    {6, kObjBat, nullptr, kAnsCantReach, {}, -1, keeps<6>},
    {6, kObjStationaryWitch, nullptr, kAnsWitchGrumblesLoudly, {}, -1, nullptr},
    {6, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, -1, nullptr},
    {6, kObjBroomstick, nullptr, kAnsBroomBeyondRepair, {}, -1, nullptr},
    {6, kObjBroom, nullptr, kAnsAlreadyHasSome, {}, -1, nullptr},
    {6, kObjGoatPerson, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {6, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {6, kObjGate, nullptr, kAnsGateNotInterested, {}, -1, nullptr},
    {6, kObjRightBirdStatue, awake, kAnsRightStatueNoTime, {{331, 0.8f}}, -1, nullptr},
    {6, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclines, {{330, 0.8f}}, -1, nullptr},
    {6, kObjRightBirdStatue, nullptr, kAnsDoesntWork, {}, -1, nullptr},
    {6, kObjDog, nullptr, kAnsDoesntWork, {}, -1, keeps<6>},
    {6, kObjDog, [](PlayScreen& p) { p.story.bonePlaced = true; }, kNoAnswer, {}, 48, nullptr},
};

const RowCase kUseBroomstickCases[] = {
    {7, kObjCrack, nullptr, kNoAnswer, {{307, 0.42f}}, -1,
     [](PlayScreen& p) {
         usedUp<7>(p);
         EXPECT_TRUE(p.story.broomstickInCrack);
         const SceneObject* stick = lastObject(p);
         EXPECT_EQ(objectName(kObjBroomstick), stick->name);
         EXPECT_TRUE(showsMesh(stick, mesh::kBroomstick));
         EXPECT_TRUE(showsTexture(stick->sceneObjectSecondTexture(), picture::kStoneSheen));
         EXPECT_TRUE(near(stick->position, 12.1f, 8.45f, 0.421f));
     }},
    {7, kObjStationaryWitch, nullptr, kAnsWitchGrumblesLoudly, {}, -1, keeps<7>},
    {7, kObjBristles, nullptr, kAnsBroomBeyondRepair, {}, -1, nullptr},
    {7, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, -1, nullptr},
    {7, kObjYourself, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {7, kObjPerson, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {7, kObjSomething, nullptr, kAnsCannotTellIfHit, {}, -1, nullptr},
    {7, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {7, kObjRightBirdStatue, awake, kAnsRightStatueBaffled, {{331, 0.8f}}, -1, nullptr},
    {7, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclines, {{330, 0.8f}}, -1, nullptr},
    {7, kObjLeftBirdStatue, nullptr, kAnsDoesntWork, {}, -1, nullptr},
    {7, kObjRock, nullptr, kAnsDoesntWork, {}, -1, keeps<7>},
};

const RowCase kUseFlowerCases[] = {
    {8, kObjMonique, nullptr, kNoAnswer, {}, 25,
     [](PlayScreen& p) {
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
         keeps<8>(p);
     }},
    {8, kObjYourself, nullptr, kAnsGestureFlatters, {}, -1, nullptr},
    {8, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {8, kObjHomelessSkeleton, nullptr, kAnsSkeletonDodges, {}, -1, nullptr},
    {8, kObjSleepingSnake, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {8, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {8, kObjRightBirdStatue, awake, kAnsRightStatuePuzzled, {{331, 0.8f}}, -1, nullptr},
    {8, kObjLeftBirdStatue, awake, kAnsLeftStatueNoUseForFlower, {{330, 0.8f}}, -1, nullptr},
    {8, kObjDog, nullptr, kAnsDoesntWork, {}, -1, nullptr},
};

const RowCase kUseHatCases[] = {
    {9, kObjBroomstick, [](PlayScreen& p) { p.story.broomstickInCrack = true; }, kNoAnswer, {{304, 0.42f}}, -1,
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
    {9, kObjBroomstick, nullptr, kAnsWouldFallOver, {}, -1,
     [](PlayScreen& p) {
         keeps<9>(p);
         EXPECT_FALSE(p.story.hatOnBroomstick);
         EXPECT_EQ(1, countNamed(p, kObjHat));
     }},
    {9, kObjMonique, nullptr, kAnsMoniqueSameHat, {{337, 0.3f}}, -1, nullptr},
    {9, kObjYourself, nullptr, kAnsHatWouldNotFitYou, {}, -1, nullptr},
    {9, kObjStationaryWitch, nullptr, kAnsWitchHasHat, {}, -1, nullptr},
    {9, kObjHomelessSkeleton, nullptr, kAnsSkeletonHatWouldNotFit, {{328, 1.0f}}, -1, nullptr},
    {9, kObjKnife, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {9, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {9, kObjRightBirdStatue, awake, kAnsRightStatueNoTimeForThis, {{331, 0.8f}}, -1, nullptr},
    {9, kObjLeftBirdStatue, awake, kAnsLeftStatueDeclinesPolitely, {{330, 0.8f}}, -1, nullptr},
    {9, kObjGate, nullptr, kAnsDoesntWork, {}, -1, keeps<9>},
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
