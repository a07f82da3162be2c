#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/GardenLooks.h"
#include "play/HouseLooks.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "script/RowParts.h"
#include "script/StepIds.h"

// The answers to "use knife on", "use rope on", "use coin on", "use candle
// on", "use lit candle on", "use broom on", "use bone on", "use special trick
// on" and "use treat on". Columns of a row: targets, condition, answer,
// sound, volume, step, item used up, further effects. With no matching row
// each answers "this doesn't work.", the special trick its own line.

namespace {

const ActionRow kDoesntWork = {targets(), nullptr, kAnsDoesntWork, kNoSound, 0.0f, kNoStep, kNoItem, nullptr};

// Use knife on. The pumpkin is carved in four cuts, counted in storyCount33;
// only the first cut starts a scene.

void cutFlower(PlayScreen& play) { pickUp(play, kObjFlower, action::kUseFlower, &StoryState::flowerTaken); }

void carvePumpkin(PlayScreen& play) {
    const int32_t stage = play.story.pumpkinStage();
    if (stage < 0 || stage > 3) {
        showAnswer(play, kAnsDoneCarving);
        return;
    }
    play.story.storyCount33 = stage + 1;
    SceneObject* pumpkin = rowObject(play, kObjBigPumpkin);
    cutPumpkin(*pumpkin, stage + 1);
    if (stage == 0) {
        pumpkin->animTime = 0.0f;
        play.script.scriptStepDelay = 1.0f;
        playRowSound(sound::kKnifeCut, 0.3f);
        play.script.scriptStep = step::kPumpkinCutSettles;
    } else {
        playRowSound(sound::kKnifeCutDeep, 0.3f);
    }
}

bool stillCarving(const PlayScreen& play) { return play.story.pumpkinStage() <= 3; }

const ActionRow kUseKnifeRows[] = {
    {targets(kObjYourself), nullptr, kAnsExitHint, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFlower), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, cutFlower},
    {targets(kObjRoundDrawings, kObjSmallPaintings, kObjBigPainting, kObjSmallPictures, kObjInstantPicture), nullptr,
     kAnsMaybeNot, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBigPumpkin), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, carvePumpkin},
    {targets(kObjSleepingSnake, kObjHat, kObjMonique, kObjStationaryWitch, kObjHomelessSkeleton, kObjSomething,
             kObjFishPerson, kObjGoatPerson, kObjPillar, kObjGate, kObjSpider, kObjBat, kObjPerson, kObjRope,
             kObjRightBirdStatue, kObjDog, kObjLeftBirdStatue),
     nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjWell, kObjDustyShelf), stillCarving, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep,
     kNoItem, nullptr},
    // Carving done: the knife may go.
    {targets(kObjFollowedLeader), nullptr, kAnsAteIt, sound::kChompAndGulp, 0.4f, kNoStep, action::kUseKnife, nullptr},
    {targets(kObjDustyShelf), nullptr, kAnsPutItAway, sound::kClink, 0.48f, kNoStep, action::kUseKnife, nullptr},
    {targets(kObjWell), nullptr, kAnsItFell, sound::kFarSplash, 1.0f, kNoStep, action::kUseKnife, nullptr},
};

// Use rope on. Late at night the garden shows no rope on its pole and the
// way down the well is closed, so the pole takes the rope only while the
// night is young; later the rope stays in hand.
void tieRopeToPole(PlayScreen& play) {
    appendRopeOnPole(play.world.worldList);
    play.story.ropeOnPole = true;
}

const ActionRow kUseRopeRows[] = {
    {targets(kObjPole), nightYoung, kNoAnswer, sound::kRopeCreak, 0.36f, kNoStep, action::kUseRope, tieRopeToPole},
    {targets(kObjWell), nullptr, kAnsThrowingItIn, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjYourself), nullptr, kAnsExitHint, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjMonique, kObjStationaryWitch, kObjDustyShelf, kObjSomething, kObjHomelessSkeleton,
             kObjFollowedLeader, kObjRightBirdStatue, kObjLeftBirdStatue),
     nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), nullptr, kAnsRopeInUse, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

// The coin leaves the player with sound n at volume: its action is gone and
// it is no longer held.
void spendCoin(PlayScreen& play, int32_t n, float volume) {
    playRowSound(n, volume);
    play.player.removeActionById(action::kUseCoin);
    play.story.coinHeld = false;
}

// Use coin on. One wish per well.
void wishAtWell(PlayScreen& play) {
    if (play.story.coinInWell) {
        showAnswer(play, kAnsAlreadyDid);
        return;
    }
    spendCoin(play, sound::kFarSplash, 1.0f);
    play.story.coinInWell = true;
    showAnswer(play, kAnsWishThingsChange);
}

// The slot takes one coin until it has dispensed its candle; otherwise the
// coin falls through and stays the player's.
void insertCoin(PlayScreen& play) {
    if (play.story.candleTaken || play.story.candleDispensed() || play.story.coinInserted) {
        playRowSound(sound::kCoinsCounted, 0.48f);
        showAnswer(play, kAnsFellThrough);
        return;
    }
    spendCoin(play, sound::kCoinIntoMachine, 0.6f);
    play.story.coinInserted = true;
    showAnswer(play, kAnsInsertedCoin);
}

void letGoOfCoin(PlayScreen& play) { play.story.coinHeld = false; }

const ActionRow kUseCoinRows[] = {
    {targets(kObjWell), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, wishAtWell},
    {targets(kObjFishPerson), nullptr, kAnsFishDoubtfulHum, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjSomething), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjCoins), nullptr, kAnsJustTookIt, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjGate), nullptr, kNoAnswer, kNoSound, 0.0f, step::kGateAsked, kNoItem, nullptr},
    {targets(kObjGoatPerson), nullptr, kAnsGoatNotTroubled, sound::kGoatPersonVoice, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjCoinSlot), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, insertCoin},
    {targets(kObjMonique), nullptr, kAnsMoniqueDeclines, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonNoNeedForCoin, sound::kSkeletonVoice, 1.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjDustyShelf), nullptr, kAnsPutItAway, sound::kCoins, 0.18f, kNoStep, action::kUseCoin, letGoOfCoin},
    {targets(kObjFollowedLeader), nullptr, kAnsAteIt, sound::kChompAndGulp, 0.4f, kNoStep, action::kUseCoin,
     letGoOfCoin},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), bonePlaced, kNoAnswer, kNoSound, 0.0f, step::kDogBarks, kNoItem, nullptr},
};

// Use candle on. The pumpkin needs its carving first, and a lit candle.
bool pumpkinCarvedOnce(const PlayScreen& play) { return play.story.pumpkinStage() > 1; }

void offerCandleToPumpkin(PlayScreen& play) {
    showAnswer(play, play.story.pumpkinStage() == 4 ? kAnsNotLit : kAnsNotDoneCarving);
}

const ActionRow kUseCandleRows[] = {
    {targets(kObjBigPumpkin), pumpkinCarvedOnce, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, offerCandleToPumpkin},
    {targets(kObjFishPerson), nullptr, kAnsFishRefusal, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonLightsCandle, sound::kSkeletonVoice, 1.0f, step::kCandleLit,
     kNoItem,
     nullptr},
    {targets(kObjCoinSlot, kObjLeftSlider, kObjRightSlider), nullptr, kAnsNoRefunds, kNoSound, 0.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjMonique), nullptr, kAnsMoniqueDeclines, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjSomething, kObjDustyShelf), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), bonePlaced, kNoAnswer, kNoSound, 0.0f, step::kDogBarks, kNoItem, nullptr},
};

// Use lit candle on. In the fully carved pumpkin the candle makes a lantern
// with two glowing eyes.

void lightPumpkin(PlayScreen& play) {
    if (play.story.pumpkinStage() != 4) {
        showAnswer(play, kAnsNotDoneCarving);
        return;
    }
    playRowSound(sound::kFlame, 0.24f);
    play.player.removeActionById(action::kUseLitCandle);
    play.story.storyCount33 += 1;
    play.story.storyFlag07 = true;
    appendPumpkinStump(play.world.worldList);
    lightPumpkin(*rowObject(play, kObjBigPumpkin));
}

const ActionRow kUseLitCandleRows[] = {
    {targets(kObjBigPumpkin), pumpkinCarvedOnce, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, lightPumpkin},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonStillBurning, sound::kSkeletonVoice, 1.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjFishPerson), nullptr, kAnsFishRefusal, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjCoinSlot, kObjLeftSlider, kObjRightSlider), nullptr, kAnsNoRefunds, kNoSound, 0.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjMonique), nullptr, kAnsMoniqueDeclines, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjSomething, kObjSpider, kObjDustyShelf), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f,
     kNoStep, kNoItem, nullptr},
    {targets(kObjCrack), nullptr, kAnsNothingInIt, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), bonePlaced, kNoAnswer, kNoSound, 0.0f, step::kDogBarks, kNoItem, nullptr},
};

// Use broom on. The dust goes only after the goat person's greeting.
void sweepDust(PlayScreen& play) {
    if (!play.story.goatGreeted()) {
        showAnswer(play, kAnsDustNotYet);
        return;
    }
    play.script.scriptStepDelay = 1.0f;
    play.story.storyCount40 = -1;
    play.script.scriptStep = step::kDustBlows;
}

void sweepTable(PlayScreen& play) {
    if (!play.story.dustOnTable()) {
        showAnswer(play, kAnsNoDustOnTable);
        return;
    }
    playRowSound(sound::kSweeping, 0.18f);
    play.story.storyFlag41 = false;
    showAnswer(play, kAnsRemoveDust);
}

void sweepSpiderAway(PlayScreen& play) {
    play.story.storyCount35 = true;
    deleteRowObject(play, kObjSpider);
}

const ActionRow kUseBroomRows[] = {
    {targets(kObjBristles), nullptr, kAnsCanTakeThem, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRoundDrawings, kObjSmallPaintings, kObjBigPainting, kObjSmallPictures, kObjInstantPicture), nullptr,
     kAnsMaybeNot, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjKnife), nullptr, kAnsCouldJustTake, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBat), nullptr, kAnsBatStop, sound::kBatSqueak, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjGoatPerson), nullptr, kAnsGoatApprovesBroom, sound::kGoatPersonVoice, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjDust), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, sweepDust},
    {targets(kObjTable), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, sweepTable},
    {targets(kObjBroomstick), nullptr, kAnsEnoughAlready, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchWavesOff, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSleepingSnake), nullptr, kAnsDoesntWakeUp, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFishPerson), nullptr, kAnsFishRefusal, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjSpider), nullptr, kAnsSpiderLeft, kNoSound, 0.0f, kNoStep, kNoItem, sweepSpiderAway},
    {targets(kObjWell), nullptr, kAnsCantReachBottom, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjPillar, kObjPerson), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, stepForDog},
    {targets(kObjSomething), nullptr, kAnsCannotTellIfHit, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

// Use bone on.
void giveBoneToDog(PlayScreen& play) {
    play.story.dogGotBone = true;
    play.player.removeActionById(action::kUseBone);
    fadeOutToStep(play, step::kDogBuriesBone);
}

const ActionRow kUseBoneRows[] = {
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, giveBoneToDog},
    {targets(kObjBroomstick), nullptr, kAnsEnoughAlready, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSomething), nullptr, kNoAnswer, kNoSound, 0.0f, step::kSomethingFirstSilence, kNoItem, nullptr},
    {targets(kObjFishPerson), nullptr, kAnsFishRefusal, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjMonique), nullptr, kAnsMoniqueDismayed, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjDustyShelf, kObjWell), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonNotHisBone, sound::kSkeletonVoice, 1.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjDogHouse), nullptr, kAnsJustTookIt, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

// Use special trick on.
void trickPersonSpecially(PlayScreen& play) { fadeOutToStep(play, step::kTrickBegins); }

const ActionRow kUseSpecialTrickRows[] = {
    {targets(kObjPerson), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, trickPersonSpecially},
};
const ActionRow kNotYetSpecial = {targets(), nullptr, kAnsSpecialOccasion, kNoSound, 0.0f, kNoStep, kNoItem,
                                  nullptr};

// Use treat on. Put on the letter, the treat can be taken again.
void putTreatOnLetter(PlayScreen& play) {
    appendTreatOnLetter(play.world.worldList);
    play.player.removeActionById(action::kUseTreat);
    play.story.treatTaken = false;
}

const ActionRow kUseTreatRows[] = {
    {targets(kObjYourself), nullptr, kAnsMaybeLater, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBat), nullptr, kAnsBatAsleep, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjLetter), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, putTreatOnLetter},
    {targets(kObjChair, kObjSpacedChair, kObjBox, kObjWell, kObjCrack, kObjDustyShelf, kObjGate, kObjDogHouse,
             kObjTable),
     nullptr, kAnsItsYours, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

}  // namespace

const ActionTable kUseKnifeTable = {kUseKnifeRows, rowCount(kUseKnifeRows), &kDoesntWork};
const ActionTable kUseRopeTable = {kUseRopeRows, rowCount(kUseRopeRows), &kDoesntWork};
const ActionTable kUseCoinTable = {kUseCoinRows, rowCount(kUseCoinRows), &kDoesntWork};
const ActionTable kUseCandleTable = {kUseCandleRows, rowCount(kUseCandleRows), &kDoesntWork};
const ActionTable kUseLitCandleTable = {kUseLitCandleRows, rowCount(kUseLitCandleRows), &kDoesntWork};
const ActionTable kUseBroomTable = {kUseBroomRows, rowCount(kUseBroomRows), &kDoesntWork};
const ActionTable kUseBoneTable = {kUseBoneRows, rowCount(kUseBoneRows), &kDoesntWork};
const ActionTable kUseSpecialTrickTable = {kUseSpecialTrickRows, rowCount(kUseSpecialTrickRows), &kNotYetSpecial};
const ActionTable kUseTreatTable = {kUseTreatRows, rowCount(kUseTreatRows), &kDoesntWork};
