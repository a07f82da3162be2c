// "use knife on" to "use treat on": every row, the answers that change with
// the state the rows themselves change (carving, coins, the table), the
// lantern's glow and the fall-backs.
#include "catalog/ResourceCatalog.h"
#include "play/GlowSprite.h"
#include "script/ResolverHarness.h"

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
    {10, kObjYourself, nullptr, kAnsExitHint, {}, -1, nullptr},
    {10, kObjFlower, nullptr, kNoAnswer, {{278, 0.5f}}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(8, selectedActionId(p));
         EXPECT_EQ(0, countNamed(p, kObjFlower));
         EXPECT_TRUE(p.story.flowerTaken);
         keeps<10>(p);
     }},
    {10, kObjSmallPictures, nullptr, kAnsMaybeNot, {}, -1, nullptr},
    {10, kObjBigPumpkin, nullptr, kNoAnswer, {{309, 0.3f}}, 57,
     [](PlayScreen& p) {
         EXPECT_EQ(1, p.story.storyCount33);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinFirstCut));
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {10, kObjBigPumpkin, carved<1>, kNoAnswer, {{310, 0.3f}}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(2, p.story.storyCount33);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinSecondCut));
     }},
    {10, kObjBigPumpkin, carved<3>, kNoAnswer, {{310, 0.3f}}, -1,
     [](PlayScreen& p) {
         EXPECT_EQ(4, p.story.storyCount33);
         EXPECT_TRUE(showsMesh(p.findSceneObject(kObjBigPumpkin), mesh::kPumpkinCarved));
     }},
    {10, kObjBigPumpkin, carved<4>, kAnsDoneCarving, {}, -1, [](PlayScreen& p) { EXPECT_EQ(4, p.story.storyCount33); }},
    {10, kObjSleepingSnake, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {10, kObjDog, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {10, kObjFollowedLeader, carved<3>, kAnsNotAGoodIdea, {}, -1, keeps<10>},
    {10, kObjWell, nullptr, kAnsNotAGoodIdea, {}, -1, keeps<10>},
    {10, kObjFollowedLeader, carved<4>, kAnsAteIt, {{306, 0.4f}}, -1, usedUp<10>},
    {10, kObjDustyShelf, carved<4>, kAnsPutItAway, {{305, 0.48f}}, -1, usedUp<10>},
    {10, kObjWell, carved<5>, kAnsItFell, {{326, 1.0f}}, -1, usedUp<10>},
    {10, kObjTable, nullptr, kAnsDoesntWork, {}, -1, keeps<10>},
};

const RowCase kUseRopeCases[] = {
    {11, kObjPole, nullptr, kNoAnswer, {{315, 0.36f}}, -1,
     [](PlayScreen& p) {
         usedUp<11>(p);
         EXPECT_TRUE(p.story.ropeOnPole);
         const SceneObject* rope = lastObject(p);
         EXPECT_EQ(objectName(kObjRope), rope->name);
         EXPECT_TRUE(showsMesh(rope, mesh::kRopeOnPole));
         EXPECT_TRUE(showsTexture(rope->sceneObjectTexture(), picture::kPaleFibre));
         EXPECT_TRUE(near(rope->position, 25.85f, 15.43f, 0.75f));
     }},
    {11, kObjWell, nullptr, kAnsThrowingItIn, {}, -1, keeps<11>},
    {11, kObjYourself, nullptr, kAnsExitHint, {}, -1, nullptr},
    {11, kObjMonique, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {11, kObjLeftBirdStatue, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {11, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {11, kObjDog, nullptr, kAnsRopeInUse, {}, -1, nullptr},
    {11, kObjGate, nullptr, kAnsDoesntWork, {}, -1, nullptr},
};

void holdingCoin(PlayScreen& p) { p.story.coinHeld = true; }

const RowCase kUseCoinCases[] = {
    {12, kObjWell, holdingCoin, kAnsWishThingsChange, {{326, 1.0f}}, -1,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
         EXPECT_TRUE(p.story.coinInWell);
     }},
    {12, kObjWell, [](PlayScreen& p) { p.story.coinHeld = p.story.coinInWell = true; }, kAnsAlreadyDid, {}, -1,
     [](PlayScreen& p) {
         keeps<12>(p);
         EXPECT_TRUE(p.story.coinHeld);
     }},
    {12, kObjFishPerson, nullptr, kAnsFishDoubtfulHum, {{332, 0.4f}}, -1, nullptr},
    {12, kObjSomething, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {12, kObjCoins, nullptr, kAnsJustTookIt, {}, -1, nullptr},
    {12, kObjGate, nullptr, kNoAnswer, {}, 123, nullptr},
    {12, kObjGoatPerson, nullptr, kAnsGoatNotTroubled, {{339, 0.4f}}, -1, nullptr},
    {12, kObjCoinSlot, holdingCoin, kAnsInsertedCoin, {{324, 0.6f}}, -1,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
         EXPECT_TRUE(p.story.coinInserted);
     }},
    // Once the slot has given its candle the coin drops through and stays.
    {12, kObjCoinSlot, [](PlayScreen& p) { p.story.storyFlag07 = true; }, kAnsFellThrough, {{312, 0.48f}}, -1, keeps<12>},
    {12, kObjCoinSlot, [](PlayScreen& p) { p.story.candleTaken = true; }, kAnsFellThrough, {{312, 0.48f}}, -1, keeps<12>},
    {12, kObjCoinSlot, [](PlayScreen& p) { p.story.coinInserted = true; }, kAnsFellThrough, {{312, 0.48f}}, -1,
     keeps<12>},
    {12, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, -1, nullptr},
    {12, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {12, kObjHomelessSkeleton, nullptr, kAnsSkeletonNoNeedForCoin, {{328, 1.0f}}, -1, nullptr},
    {12, kObjDustyShelf, holdingCoin, kAnsPutItAway, {{46, 0.18f}}, -1,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
     }},
    {12, kObjFollowedLeader, holdingCoin, kAnsAteIt, {{306, 0.4f}}, -1,
     [](PlayScreen& p) {
         usedUp<12>(p);
         EXPECT_FALSE(p.story.coinHeld);
     }},
    {12, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {12, kObjDog, bone, kNoAnswer, {}, 48, nullptr},
    {12, kObjDog, nullptr, kAnsDoesntWork, {}, -1, nullptr},
};

const RowCase kUseCandleCases[] = {
    {13, kObjBigPumpkin, carved<1>, kAnsDoesntWork, {}, -1, nullptr},
    {13, kObjBigPumpkin, carved<2>, kAnsNotDoneCarving, {}, -1, nullptr},
    {13, kObjBigPumpkin, carved<4>, kAnsNotLit, {}, -1, keeps<13>},
    {13, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, -1, nullptr},
    {13, kObjHomelessSkeleton, nullptr, kAnsSkeletonLightsCandle, {{328, 1.0f}}, 42, keeps<13>},
    {13, kObjLeftSlider, nullptr, kAnsNoRefunds, {}, -1, nullptr},
    {13, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, -1, nullptr},
    {13, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {13, kObjDustyShelf, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {13, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {13, kObjDog, bone, kNoAnswer, {}, 48, nullptr},
    {13, kObjWell, nullptr, kAnsDoesntWork, {}, -1, nullptr},
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
    {14, kObjBigPumpkin, carved<4>, kNoAnswer, {{311, 0.24f}}, -1,
     [](PlayScreen& p) {
         usedUp<14>(p);
         EXPECT_EQ(5, p.story.storyCount33);
         EXPECT_TRUE(p.story.storyFlag07);
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
    {14, kObjBigPumpkin, carved<3>, kAnsNotDoneCarving, {}, -1,
     [](PlayScreen& p) {
         keeps<14>(p);
         EXPECT_EQ(3, p.story.storyCount33);
         EXPECT_TRUE(p.findSceneObject(kObjBigPumpkin)->attachments().empty());
     }},
    {14, kObjBigPumpkin, nullptr, kAnsDoesntWork, {}, -1, keeps<14>},
    {14, kObjHomelessSkeleton, nullptr, kAnsSkeletonStillBurning, {{328, 1.0f}}, -1, nullptr},
    {14, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, -1, nullptr},
    {14, kObjCoinSlot, nullptr, kAnsNoRefunds, {}, -1, nullptr},
    {14, kObjMonique, nullptr, kAnsMoniqueDeclines, {{337, 0.3f}}, -1, nullptr},
    {14, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {14, kObjSpider, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {14, kObjCrack, nullptr, kAnsNothingInIt, {}, -1, nullptr},
    {14, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {14, kObjDog, bone, kNoAnswer, {}, 48, nullptr},
};

const RowCase kUseBroomCases[] = {
    {15, kObjBristles, nullptr, kAnsCanTakeThem, {}, -1, nullptr},
    {15, kObjRoundDrawings, nullptr, kAnsMaybeNot, {}, -1, nullptr},
    {15, kObjKnife, nullptr, kAnsCouldJustTake, {}, -1, nullptr},
    {15, kObjBat, nullptr, kAnsBatStop, {{335, 0.4f}}, -1, nullptr},
    {15, kObjGoatPerson, nullptr, kAnsGoatApprovesBroom, {{339, 0.4f}}, -1, nullptr},
    {15, kObjDust, nullptr, kAnsDustNotYet, {}, -1, [](PlayScreen& p) { EXPECT_EQ(0, p.story.storyCount40); }},
    {15, kObjDust, [](PlayScreen& p) { p.story.storyFlag43 = true; }, kNoAnswer, {}, 73,
     [](PlayScreen& p) {
         EXPECT_EQ(-1, p.story.storyCount40);
         EXPECT_FLOAT_EQ(1.0f, p.script.scriptStepDelay);
     }},
    {15, kObjTable, nullptr, kAnsRemoveDust, {{303, 0.18f}}, -1,
     [](PlayScreen& p) { EXPECT_FALSE(p.story.storyFlag41); }},
    {15, kObjTable, [](PlayScreen& p) { p.story.storyFlag41 = false; }, kAnsNoDustOnTable, {}, -1, nullptr},
    {15, kObjBroomstick, nullptr, kAnsEnoughAlready, {}, -1, nullptr},
    {15, kObjStationaryWitch, nullptr, kAnsWitchWavesOff, {}, -1, nullptr},
    {15, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {15, kObjSleepingSnake, nullptr, kAnsDoesntWakeUp, {}, -1, nullptr},
    {15, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, -1, nullptr},
    {15, kObjSpider, nullptr, kAnsSpiderLeft, {}, -1,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.storyCount35);
         EXPECT_EQ(0, countNamed(p, kObjSpider));
         EXPECT_FALSE(isTarget(p, kObjSpider));
     }},
    {15, kObjWell, nullptr, kAnsCantReachBottom, {}, -1, nullptr},
    {15, kObjPillar, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {15, kObjDog, nullptr, kNoAnswer, {}, 47, nullptr},
    {15, kObjDog, bone, kNoAnswer, {}, 48, nullptr},
    {15, kObjSomething, nullptr, kAnsCannotTellIfHit, {}, -1, nullptr},
    {15, kObjGate, nullptr, kAnsDoesntWork, {}, -1, keeps<15>},
};

const RowCase kUseBoneCases[] = {
    {16, kObjDog, nullptr, kNoAnswer, {}, 53,
     [](PlayScreen& p) {
         usedUp<16>(p);
         EXPECT_TRUE(p.story.dogGotBone);
         fadedOut(p);
     }},
    {16, kObjBroomstick, nullptr, kAnsEnoughAlready, {}, -1, keeps<16>},
    {16, kObjSomething, nullptr, kNoAnswer, {}, 49, keeps<16>},
    {16, kObjFishPerson, nullptr, kAnsFishRefusal, {{332, 0.4f}}, -1, nullptr},
    {16, kObjMonique, nullptr, kAnsMoniqueDismayed, {{337, 0.3f}}, -1, nullptr},
    {16, kObjWell, nullptr, kAnsNotAGoodIdea, {}, -1, nullptr},
    {16, kObjStationaryWitch, nullptr, kAnsSheNotInterested, {}, -1, nullptr},
    {16, kObjShadyCat, nullptr, kAnsShadyCatNotInterested, {}, -1, nullptr},
    {16, kObjHomelessSkeleton, nullptr, kAnsSkeletonNotHisBone, {{328, 1.0f}}, -1, nullptr},
    {16, kObjDogHouse, nullptr, kAnsJustTookIt, {}, -1, nullptr},
    {16, kObjGate, nullptr, kAnsDoesntWork, {}, -1, nullptr},
};

const RowCase kUseSpecialTrickCases[] = {
    {17, kObjPerson, nullptr, kNoAnswer, {}, 97, fadedOut},
    {17, kObjGate, nullptr, kAnsSpecialOccasion, {}, -1, keeps<17>},
    {17, kObjYourself, nullptr, kAnsSpecialOccasion, {}, -1, nullptr},
};

const RowCase kUseTreatCases[] = {
    {18, kObjYourself, nullptr, kAnsMaybeLater, {}, -1, nullptr},
    {18, kObjBat, nullptr, kAnsBatAsleep, {}, -1, nullptr},
    {18, kObjLetter, [](PlayScreen& p) { p.story.treatTaken = true; }, kNoAnswer, {}, -1,
     [](PlayScreen& p) {
         usedUp<18>(p);
         EXPECT_FALSE(p.story.treatTaken);
         const SceneObject* treat = lastObject(p);
         EXPECT_EQ(objectName(kObjTreat), treat->name);
         EXPECT_TRUE(showsMesh(treat, mesh::kTreat));
         EXPECT_TRUE(showsTexture(treat->sceneObjectTexture(), picture::kSweetWrapper));
         EXPECT_TRUE(near(treat->position, 11.1296f, 40.804f, 8.63261f));
     }},
    {18, kObjSpacedChair, nullptr, kAnsItsYours, {}, -1, keeps<18>},
    {18, kObjTable, nullptr, kAnsItsYours, {}, -1, nullptr},
    {18, kObjDog, nullptr, kAnsDoesntWork, {}, -1, nullptr},
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
        play().script.scriptStep = -1;
        cues.clear();
        execute(10, kObjBigPumpkin);
        EXPECT_EQ(cut + 1, play().story.storyCount33);
        EXPECT_TRUE(showsMesh(play().findSceneObject(kObjBigPumpkin), meshes[cut])) << cut;
        EXPECT_EQ(cut == 0 ? 57 : -1, play().script.scriptStep);
        ASSERT_EQ(1u, cues.size());
        EXPECT_EQ(cut == 0 ? 309 : 310, cues[0].number);
    }
    execute(10, kObjBigPumpkin);
    EXPECT_EQ(answerText(kAnsDoneCarving), shownAnswer());
    EXPECT_EQ(4, play().story.storyCount33);
}

// The coin goes into the slot once; the slot then dispenses a candle at the
// left slider, and a second coin falls through.
TEST_F(ResolverTest, TheCoinSlotTakesOneCoinAndDispensesOneCandle) {
    freshWorld(kObjCandle);
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsTookOneCoin), shownAnswer());
    execute(12, kObjCoinSlot);
    EXPECT_EQ(answerText(kAnsInsertedCoin), shownAnswer());
    EXPECT_FALSE(hasAction(play(), 12));
    execute(0, kObjLeftSlider);
    EXPECT_EQ(answerText(kAnsDispensedCandle), shownAnswer());
    EXPECT_EQ(1, countNamed(play(), kObjCandle));
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsTookOneCoin), shownAnswer());
    execute(3, kObjCoins);
    EXPECT_EQ(answerText(kAnsAlreadyHaveCoin), shownAnswer());
    execute(12, kObjCoinSlot);
    EXPECT_EQ(answerText(kAnsFellThrough), shownAnswer());
    EXPECT_TRUE(hasAction(play(), 12));
    execute(0, kObjLeftSlider);
    EXPECT_EQ(answerText(kAnsDoesntMove), shownAnswer());
}
