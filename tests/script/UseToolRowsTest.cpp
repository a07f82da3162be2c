// "use knife on" to "use treat on": every row, the answers that change with
// the state the rows themselves change (carving, coins, the table), the
// lantern's glow and the fall-backs.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/GlowSprite.h"
#include "script/ResolverHarness.h"
#include "script/StepIds.h"

using namespace resolvertest;

namespace {

template <int32_t Id>
void keeps(PlayScreen& p) {
    EXPECT_TRUE(hasAction(p, Id));
}
template <int32_t Id>
void usedUp(PlayScreen& p) {
    EXPECT_FALSE(hasAction(p, Id));
}
template <int32_t Count>
void carved(PlayScreen& p) {
    p.story.storyCount33 = Count;
}
void bone(PlayScreen& p) { p.story.bonePlaced = true; }
void fadedOut(PlayScreen& p) {
    EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
    EXPECT_EQ(1.0f, p.view.sceneVisibilityRate);
    EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
}

const RowCase kUseKnifeCases[] = {
    {action::kUseKnife, kObjYourself, nullptr, kAnsExitHint, {}, step::kNone, nullptr},
    {action::kUseKnife, kObjFlower, nullptr, kNoAnswer, {{278, 0.5f}}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(action::kUseFlower, selectedActionId(p));
         EXPECT_EQ(0, countNamed(p, kObjFlower));
         EXPECT_TRUE(p.story.flowerTaken);
         keeps<10>(p);
     }},
    {action::kUseKnife, kObjSmallPictures, nullptr, kAnsMaybeNot, {}, step::kNone, nullptr},
    {action::kUseKnife, kObjBigPumpkin, nullptr, kNoAnswer, {{309, 0.3f}}, step::kPumpkinCutSettles,
     [](PlayScreen& p) {
         EXPECT_EQ(1, p.story.pumpkinStage());
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinFirstCut));
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {action::kUseKnife, kObjBigPumpkin, carved<1>, kNoAnswer, {{310, 0.3f}}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(2, p.story.pumpkinStage());
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinSecondCut));
     }},
    {action::kUseKnife, kObjBigPumpkin, carved<3>, kNoAnswer, {{310, 0.3f}}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_EQ(4, p.story.pumpkinStage());
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinCarved));
     }},
    {action::kUseKnife, kObjBigPumpkin, carved<4>, kAnsDoneCarving, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(4, p.story.pumpkinStage()); }},
    {action::kUseKnife, kObjSleepingSnake, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseKnife, kObjDog, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseKnife, kObjFollowedLeader, carved<3>, kAnsNotAGoodIdea, {}, step::kNone, keeps<10>},
    {action::kUseKnife, kObjWell, nullptr, kAnsNotAGoodIdea, {}, step::kNone, keeps<10>},
    {action::kUseKnife, kObjFollowedLeader, carved<4>, kAnsAteIt, {{306, 0.4f}}, step::kNone, usedUp<10>},
    {action::kUseKnife, kObjDustyShelf, carved<4>, kAnsPutItAway, {{305, 0.48f}}, step::kNone, usedUp<10>},
    {action::kUseKnife, kObjWell, carved<5>, kAnsItFell, {{326, 1.0f}}, step::kNone, usedUp<10>},
    {action::kUseKnife, kObjTable, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<10>},
};

const RowCase kUseRopeCases[] = {
    {action::kUseRope, kObjPole, nullptr, kNoAnswer, {{315, 0.36f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<11>(p);
         EXPECT_TRUE(p.story.ropeOnPole);
         const SceneObject* rope = lastObject(p);
         EXPECT_EQ(objectName(kObjRope), rope->name);
         EXPECT_TRUE(showsMesh(rope, mesh::kRopeOnPole));
         EXPECT_TRUE(showsTexture(rope->sceneObjectTexture(), picture::kPaleFibre));
         EXPECT_TRUE(near(rope->position, 25.85f, 15.43f, 0.75f));
     }},
    {action::kUseRope, kObjWell, nullptr, kAnsThrowingItIn, {}, step::kNone, keeps<11>},
    {action::kUseRope, kObjYourself, nullptr, kAnsExitHint, {}, step::kNone, nullptr},
    {action::kUseRope, kObjMonique, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseRope, kObjLeftBirdStatue, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseRope, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseRope, kObjDog, nullptr, kAnsRopeInUse, {}, step::kNone, nullptr},
    {action::kUseRope, kObjGate, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

void holdingCoin(PlayScreen& p) { p.story.coinHeld = true; }

const RowCase kUseCoinCases[] = {
    {action::kUseCoin, kObjWell, holdingCoin, kAnsWishThingsChange, {{326, 1.0f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
         EXPECT_TRUE(p.story.coinInWell);
     }},
    {action::kUseCoin, kObjWell, [](PlayScreen& p) { p.story.coinHeld = p.story.coinInWell = true; }, kAnsAlreadyDid,
     {}, step::kNone,
     [](PlayScreen& p) {
         keeps<12>(p);
         EXPECT_TRUE(p.story.coinHeld);
     }},
    {action::kUseCoin, kObjFishPerson, nullptr, kAnsFishDoubtfulHum, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseCoin, kObjSomething, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseCoin, kObjCoins, nullptr, kAnsJustTookIt, {}, step::kNone, nullptr},
    {action::kUseCoin, kObjGate, nullptr, kNoAnswer, {}, step::kGateAsked, nullptr},
    {action::kUseCoin, kObjGoatPerson, nullptr, kAnsGoatNotTroubled, {{339, 0.4f}}, step::kNone, nullptr},
    {action::kUseCoin, kObjCoinSlot, holdingCoin, kAnsInsertedCoin, {{324, 0.6f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
         EXPECT_TRUE(p.story.coinInserted);
     }},
    // Once the slot has given its candle the coin drops through and stays.
    {action::kUseCoin, kObjCoinSlot, [](PlayScreen& p) { p.story.storyFlag07 = true; }, kAnsFellThrough, {{312, 0.48f}},
     step::kNone, keeps<12>},
    {action::kUseCoin, kObjCoinSlot, [](PlayScreen& p) { p.story.candleTaken = true; }, kAnsFellThrough, {{312, 0.48f}},
     step::kNone, keeps<12>},
    {action::kUseCoin, kObjCoinSlot, [](PlayScreen& p) { p.story.coinInserted = true; }, kAnsFellThrough,
     {{312, 0.48f}}, step::kNone,
     keeps<12>},
    {action::kUseCoin, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseCoin, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseCoin, kObjHomelessSkeleton, nullptr, kAnsSkeletonNoNeedForCoin, {{328, 1.0f}}, step::kNone, nullptr},
    {action::kUseCoin, kObjDustyShelf, holdingCoin, kAnsPutItAway, {{46, 0.18f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
     }},
    {action::kUseCoin, kObjFollowedLeader, holdingCoin, kAnsAteIt, {{306, 0.4f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
     }},
    {action::kUseCoin, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseCoin, kObjDog, bone, kNoAnswer, {}, step::kDogBarks, nullptr},
    {action::kUseCoin, kObjDog, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

const RowCase kUseCandleCases[] = {
    {action::kUseCandle, kObjBigPumpkin, carved<1>, kAnsDoesntWork, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjBigPumpkin, carved<2>, kAnsNotDoneCarving, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjBigPumpkin, carved<4>, kAnsNotLit, {}, step::kNone, keeps<13>},
    {action::kUseCandle, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseCandle, kObjHomelessSkeleton, nullptr, kAnsSkeletonLightsCandle, {{328, 1.0f}}, step::kCandleLit,
     keeps<13>},
    {action::kUseCandle, kObjLeftSlider, nullptr, kAnsNoRefunds, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseCandle, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjDustyShelf, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseCandle, kObjDog, bone, kNoAnswer, {}, step::kDogBarks, nullptr},
    {action::kUseCandle, kObjWell, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

void expectEye(const GlowSprite* eye, int32_t vertex) {
    EXPECT_EQ(vertex, eye->vertexIndex);
    EXPECT_TRUE(near(eye->quadExtent, 0.5f, 0.6f, 1.2f));
    EXPECT_FLOAT_EQ(1.0f, eye->colour[0]);
    EXPECT_FLOAT_EQ(0.501961f, eye->colour[1]);
    EXPECT_FLOAT_EQ(0.0627451f, eye->colour[2]);
    EXPECT_FLOAT_EQ(1.0f, eye->colour[3]);
}

const RowCase kUseLitCandleCases[] = {
    {action::kUseLitCandle, kObjBigPumpkin, carved<4>, kNoAnswer, {{311, 0.24f}}, step::kNone,
     [](PlayScreen& p) {
         usedUp<14>(p);
         EXPECT_EQ(5, p.story.pumpkinStage());
         EXPECT_TRUE(p.story.candleDispensed());
         const SceneObject* light = lastObject(p);
         EXPECT_EQ("", light->name);
         EXPECT_TRUE(showsMesh(light, mesh::kPumpkinStump));
         EXPECT_TRUE(showsTexture(light->sceneObjectTexture(), picture::kPumpkin));
         EXPECT_FALSE(light->reflectionShown);
         EXPECT_TRUE(near(light->position, 13.5f, 26.4f, 0.7357f));
         const SceneObject* pumpkin = p.findSceneObject(kObjBigPumpkin);
         EXPECT_TRUE(showsMesh(pumpkin, mesh::kPumpkinLit));
         EXPECT_TRUE(showsTexture(pumpkin->sceneObjectTexture(), picture::kPumpkinLit));
         ASSERT_EQ(2u, pumpkin->attachments().size());
         expectEye(pumpkin->attachments()[0].get(), 1090);
         expectEye(pumpkin->attachments()[1].get(), 1092);
     }},
    {action::kUseLitCandle, kObjBigPumpkin, carved<3>, kAnsNotDoneCarving, {}, step::kNone,
     [](PlayScreen& p) {
         keeps<14>(p);
         EXPECT_EQ(3, p.story.pumpkinStage());
         EXPECT_TRUE(p.findSceneObject(kObjBigPumpkin)->attachments().empty());
     }},
    {action::kUseLitCandle, kObjBigPumpkin, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<14>},
    {action::kUseLitCandle, kObjHomelessSkeleton, nullptr, kAnsSkeletonStillBurning, {{328, 1.0f}}, step::kNone,
     nullptr},
    {action::kUseLitCandle, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjCoinSlot, nullptr, kAnsNoRefunds, {}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjSpider, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjCrack, nullptr, kAnsNothingInIt, {}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseLitCandle, kObjDog, bone, kNoAnswer, {}, step::kDogBarks, nullptr},
};

const RowCase kUseBroomCases[] = {
    {action::kUseBroom, kObjBristles, nullptr, kAnsCanTakeThem, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjRoundDrawings, nullptr, kAnsMaybeNot, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjKnife, nullptr, kAnsCouldJustTake, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjBat, nullptr, kAnsBatStop, {{335, 0.4f}}, step::kNone, nullptr},
    {action::kUseBroom, kObjGoatPerson, nullptr, kAnsGoatApprovesBroom, {{339, 0.4f}}, step::kNone, nullptr},
    {action::kUseBroom, kObjDust, nullptr, kAnsDustNotYet, {}, step::kNone,
     [](PlayScreen& p) { EXPECT_EQ(0, p.story.dustStage()); }},
    {action::kUseBroom, kObjDust, [](PlayScreen& p) { p.story.storyFlag43 = true; }, kNoAnswer, {}, step::kDustBlows,
     [](PlayScreen& p) {
         EXPECT_EQ(-1, p.story.dustStage());
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {action::kUseBroom, kObjTable, nullptr, kAnsRemoveDust, {{303, 0.18f}}, step::kNone,
     [](PlayScreen& p) { EXPECT_FALSE(p.story.dustOnTable()); }},
    {action::kUseBroom, kObjTable, [](PlayScreen& p) { p.story.storyFlag41 = false; }, kAnsNoDustOnTable, {},
     step::kNone, nullptr},
    {action::kUseBroom, kObjBroomstick, nullptr, kAnsEnoughAlready, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjStationaryWitch, nullptr, kAnsWitchWavesOff, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjSleepingSnake, nullptr, kAnsDoesntWakeUp, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseBroom, kObjSpider, nullptr, kAnsSpiderLeft, {}, step::kNone,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.spiderSweptAway());
         EXPECT_EQ(0, countNamed(p, kObjSpider));
         EXPECT_FALSE(isTarget(p, kObjSpider));
     }},
    {action::kUseBroom, kObjWell, nullptr, kAnsCantReachBottom, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjPillar, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjDog, nullptr, kNoAnswer, {}, step::kLayBoneDown, nullptr},
    {action::kUseBroom, kObjDog, bone, kNoAnswer, {}, step::kDogBarks, nullptr},
    {action::kUseBroom, kObjSomething, nullptr, kAnsCannotTellIfHit, {}, step::kNone, nullptr},
    {action::kUseBroom, kObjGate, nullptr, kAnsDoesntWork, {}, step::kNone, keeps<15>},
};

const RowCase kUseBoneCases[] = {
    {action::kUseBone, kObjDog, nullptr, kNoAnswer, {}, step::kDogBuriesBone,
     [](PlayScreen& p) {
         usedUp<16>(p);
         EXPECT_TRUE(p.story.dogGotBone);
         fadedOut(p);
     }},
    {action::kUseBone, kObjBroomstick, nullptr, kAnsEnoughAlready, {}, step::kNone, keeps<16>},
    {action::kUseBone, kObjSomething, nullptr, kNoAnswer, {}, step::kSomethingFirstSilence, keeps<16>},
    {action::kUseBone, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, step::kNone, nullptr},
    {action::kUseBone, kObjMonique, nullptr, kAnsMoniqueDismayed, {{337, 0.3f}}, step::kNone, nullptr},
    {action::kUseBone, kObjWell, nullptr, kAnsNotAGoodIdea, {}, step::kNone, nullptr},
    {action::kUseBone, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, step::kNone, nullptr},
    {action::kUseBone, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, step::kNone, nullptr},
    {action::kUseBone, kObjHomelessSkeleton, nullptr, kAnsSkeletonNotHisBone, {{328, 1.0f}}, step::kNone, nullptr},
    {action::kUseBone, kObjDogHouse, nullptr, kAnsJustTookIt, {}, step::kNone, nullptr},
    {action::kUseBone, kObjGate, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

const RowCase kUseSpecialTrickCases[] = {
    {action::kUseSpecialTrick, kObjPerson, nullptr, kNoAnswer, {}, step::kTrickBegins, fadedOut},
    {action::kUseSpecialTrick, kObjGate, nullptr, kAnsSpecialOccasion, {}, step::kNone, keeps<17>},
    {action::kUseSpecialTrick, kObjYourself, nullptr, kAnsSpecialOccasion, {}, step::kNone, nullptr},
};

const RowCase kUseTreatCases[] = {
    {action::kUseTreat, kObjYourself, nullptr, kAnsMaybeLater, {}, step::kNone, nullptr},
    {action::kUseTreat, kObjBat, nullptr, kAnsBatAsleep, {}, step::kNone, nullptr},
    {action::kUseTreat, kObjLetter, [](PlayScreen& p) { p.story.treatTaken = true; }, kNoAnswer, {}, step::kNone,
     [](PlayScreen& p) {
         usedUp<18>(p);
         EXPECT_FALSE(p.story.treatTaken);
         const SceneObject* treat = lastObject(p);
         EXPECT_EQ(objectName(kObjTreat), treat->name);
         EXPECT_TRUE(showsMesh(treat, mesh::kTreat));
         EXPECT_TRUE(showsTexture(treat->sceneObjectTexture(), picture::kSweetWrapper));
         EXPECT_TRUE(near(treat->position, 11.12958f, 40.80397f, 8.63261f));
     }},
    {action::kUseTreat, kObjSpacedChair, nullptr, kAnsItsYours, {}, step::kNone, keeps<18>},
    {action::kUseTreat, kObjTable, nullptr, kAnsItsYours, {}, step::kNone, nullptr},
    {action::kUseTreat, kObjDog, nullptr, kAnsDoesntWork, {}, step::kNone, nullptr},
};

}  // namespace

TEST_F(ResolverTest, UseKnifeRows) { runCases(kUseKnifeCases, sizeof(kUseKnifeCases) / sizeof(kUseKnifeCases[0])); }

TEST_F(ResolverTest, UseRopeRows) { runCases(kUseRopeCases, sizeof(kUseRopeCases) / sizeof(kUseRopeCases[0])); }

TEST_F(ResolverTest, UseCoinRows) { runCases(kUseCoinCases, sizeof(kUseCoinCases) / sizeof(kUseCoinCases[0])); }

TEST_F(ResolverTest, UseCandleRows) {
    runCases(kUseCandleCases, sizeof(kUseCandleCases) / sizeof(kUseCandleCases[0]));
}

TEST_F(ResolverTest, UseLitCandleRows) {
    runCases(kUseLitCandleCases, sizeof(kUseLitCandleCases) / sizeof(kUseLitCandleCases[0]));
}

TEST_F(ResolverTest, UseBroomRows) { runCases(kUseBroomCases, sizeof(kUseBroomCases) / sizeof(kUseBroomCases[0])); }

TEST_F(ResolverTest, UseBoneRows) { runCases(kUseBoneCases, sizeof(kUseBoneCases) / sizeof(kUseBoneCases[0])); }

TEST_F(ResolverTest, UseSpecialTrickRows) {
    runCases(kUseSpecialTrickCases, sizeof(kUseSpecialTrickCases) / sizeof(kUseSpecialTrickCases[0]));
}

TEST_F(ResolverTest, UseTreatRows) { runCases(kUseTreatCases, sizeof(kUseTreatCases) / sizeof(kUseTreatCases[0])); }

// Four cuts carve the pumpkin through its meshes; only the first starts a
// step, and a fifth finds the work done.
TEST_F(ResolverTest, CarvingThePumpkinTakesFourCuts) {
    freshWorld();
    const int32_t meshes[] = {133, 135, 136, 137};
    for (int32_t cut = 0; cut < 4; ++cut) {
        play().script.scriptStep = step::kNone;
        cues.clear();
        execute(10, kObjBigPumpkin);
        EXPECT_EQ(cut + 1, play().story.pumpkinStage());
        EXPECT_TRUE(showsMesh(play().findSceneObject(kObjBigPumpkin), meshes[cut])) << cut;
        EXPECT_EQ(cut == 0 ? 57 : -1, play().script.scriptStep);
        ASSERT_EQ(1u, cues.size());
        EXPECT_EQ(cut == 0 ? 309 : 310, cues[0].number);
    }
    execute(10, kObjBigPumpkin);
    EXPECT_EQ(answerText(kAnsDoneCarving), shownAnswer());
    EXPECT_EQ(4, play().story.pumpkinStage());
}

// The coin goes into the slot once; the slot then dispenses a candle at the
// left slider, and a second coin falls through.
TEST_F(ResolverTest, TheCoinSlotTakesOneCoinAndDispensesOneCandle) {
    freshWorld(kObjCandle);
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsTookOneCoin), shownAnswer());
    execute(12, kObjCoinSlot);
    EXPECT_EQ(answerText(kAnsInsertedCoin), shownAnswer());
    EXPECT_FALSE(hasAction(play(), action::kUseCoin));
    execute(0, kObjLeftSlider);
    EXPECT_EQ(answerText(kAnsDispensedCandle), shownAnswer());
    EXPECT_EQ(1, countNamed(play(), kObjCandle));
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsTookOneCoin), shownAnswer());
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsAlreadyHaveCoin), shownAnswer());
    execute(12, kObjCoinSlot);
    EXPECT_EQ(answerText(kAnsFellThrough), shownAnswer());
    EXPECT_TRUE(hasAction(play(), action::kUseCoin));
    execute(0, kObjLeftSlider);
    EXPECT_EQ(answerText(kAnsDoesntMove), shownAnswer());
}
