#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/StreetLooks.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "script/RowParts.h"
#include "script/StepIds.h"

// The answers to "trick" and "take". Columns of a row: targets, condition,
// answer, sound, volume, step, item used up, further effects.

namespace {

// Trick. A few targets answer on their own; every other one hears the
// costume's line first, and its row only chooses the step that follows.

void trickPerson(PlayScreen& play) {
    play.story.storyFlag42 = true;
    fadeOutToStep(play, step::kPersonSeesYou);
}

void trickDog(PlayScreen& play) {
    showCostumeAnswer(play);
    stepForDog(play);
}

const ActionRow kTrickRows[] = {
    {targets(kObjSleepingSnake, kObjRope), nullptr, kAnsNeedMirror, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjMedicalEquipment), nullptr, kAnsRolesReversed, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjPerson), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, trickPerson},
    {targets(kObjCoinSlot, kObjLeftSlider, kObjRightSlider, kObjYourself), nullptr, kAnsYouCant, kNoSound, 0.0f,
     kNoStep, kNoItem, nullptr},
    // After the costume's line.
    {targets(kObjStationaryWitch), nullptr, kNoAnswer, kNoSound, 0.0f, step::kWitchAnswers, kNoItem, showCostumeAnswer},
    {targets(kObjHomelessSkeleton), nullptr, kNoAnswer, kNoSound, 0.0f, step::kSkeletonGreets, kNoItem,
     showCostumeAnswer},
    {targets(kObjFishPerson), nullptr, kNoAnswer, kNoSound, 0.0f, step::kFishPuzzled, kNoItem, showCostumeAnswer},
    {targets(kObjFollowedLeader), nullptr, kNoAnswer, kNoSound, 0.0f, step::kLeaderTakesNoHeed, kNoItem,
     showCostumeAnswer},
    {targets(kObjSomething), nullptr, kNoAnswer, kNoSound, 0.0f, step::kMakesNoSense, kNoItem, showCostumeAnswer},
    {targets(kObjMonique), nullptr, kNoAnswer, kNoSound, 0.0f, step::kMoniquePraises, kNoItem, showCostumeAnswer},
    {targets(kObjShadyCat), nullptr, kNoAnswer, kNoSound, 0.0f, step::kCatMeows, kNoItem, showCostumeAnswer},
    {targets(kObjGoatPerson), nullptr, kNoAnswer, kNoSound, 0.0f, step::kGoatAcknowledges, kNoItem, showCostumeAnswer},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kNoAnswer, kNoSound, 0.0f, step::kRightStatueRejects, kNoItem,
     showCostumeAnswer},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kNoAnswer, kNoSound, 0.0f, step::kLeftStatueVerdict, kNoItem,
     showCostumeAnswer},
    {targets(kObjSpider), nullptr, kNoAnswer, kNoSound, 0.0f, step::kSpiderIgnores, kNoItem, showCostumeAnswer},
    {targets(kObjBat), nullptr, kNoAnswer, kNoSound, 0.0f, step::kBatGuesses, kNoItem, showCostumeAnswer},
    {targets(kObjGate), nullptr, kNoAnswer, kNoSound, 0.0f, step::kGateAsked, kNoItem, showCostumeAnswer},
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, trickDog},
};
const ActionRow kTrickFallback = {targets(), nullptr, kNoAnswer, kNoSound, 0.0f, step::kNoEffect, kNoItem,
                                  showCostumeAnswer};

// Take.

bool ropeLeadsDown(const PlayScreen& play) { return play.story.ropeOnPole && !play.story.nightAlmostOver; }

void takeTreat(PlayScreen& play) { pickUp(play, kObjTreat, action::kUseTreat, &StoryState::treatTaken); }

void takeLetter(PlayScreen& play) {
    play.story.letterTaken = true;
    fadeOutToStep(play, step::kLetterRead);
}

void takeBone(PlayScreen& play) { pickUp(play, kObjBone, action::kUseBone, &StoryState::boneTaken); }

// The "sleeping snake" turns out to be a rope.
void takeSleepingSnake(PlayScreen& play) {
    pickUp(play, kObjSleepingSnake, action::kUseRope, &StoryState::ropeTaken);
    showAnswer(play, kAnsJustARope);
}

void takeBroom(PlayScreen& play) { pickUp(play, kObjBroom, action::kUseBroom, &StoryState::broomTaken); }

// Under the rock lies the key.
void takeRock(PlayScreen& play) {
    deleteRowObject(play, kObjRock);
    play.story.rockTaken = true;
    appendStreetItem(play.world.worldList, play.story, kObjKey);
    giveAction(play, action::kUseRock);
    finishGive(play, 0.5f);
}

void takeKey(PlayScreen& play) { pickUp(play, kObjKey, action::kUseKey, &StoryState::keyTaken); }

void takeBristles(PlayScreen& play) { pickUp(play, kObjBristles, action::kUseBristles, &StoryState::bristlesTaken); }

// With the hat on it the broomstick is the scarecrow and stays.
void takeBroomstick(PlayScreen& play) {
    if (play.story.hatOnBroomstick) {
        showAnswer(play, play.story.birdStatuesAwake() ? kAnsBreakIllusion : kAnsHatWouldFall);
        return;
    }
    pickUp(play, kObjBroomstick, action::kUseBroomstick, &StoryState::broomstickTaken, &StoryState::broomstickInCrack);
}

void takeHat(PlayScreen& play) {
    if (play.story.birdStatuesAwake() && play.story.hatOnBroomstick) {
        showAnswer(play, kAnsBreakIllusion);
        return;
    }
    pickUp(play, kObjHat, action::kUseHat, &StoryState::hatTaken, &StoryState::hatOnBroomstick);
}

void takeFlower(PlayScreen& play) { pickUp(play, kObjFlower, action::kUseFlower, &StoryState::flowerTaken); }

// The followed leader held the knife and is left empty-handed.
void takeKnife(PlayScreen& play) {
    deleteRowObject(play, kObjKnife);
    rowObject(play, kObjFollowedLeader)->setSceneObjectMesh(mesh::kLeaderWalking);
    giveAction(play, action::kUseKnife);
    play.story.knifeTaken = true;
    playRowSound(sound::kGive, 0.4f);
    playRowSound(sound::kBladeDrawn, 0.6f);
    play.rebuildTargetList();
    play.player.validateCurrentTarget();
}

// One coin at a time; the heap of coins stays.
void takeCoin(PlayScreen& play) {
    if (play.story.coinHeld) {
        showAnswer(play, kAnsAlreadyHaveCoin);
        return;
    }
    giveAction(play, action::kUseCoin);
    play.story.coinHeld = true;
    finishGive(play, 0.5f);
    showAnswer(play, kAnsTookOneCoin);
}

void takeCandle(PlayScreen& play) { pickUp(play, kObjCandle, action::kUseCandle, &StoryState::candleTaken); }

const ActionRow kTakeRows[] = {
    {targets(kObjRope), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useRopeBetweenRooms},
    {targets(kObjWell), ropeLeadsDown, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useRopeBetweenRooms},
    {targets(kObjBat), nullptr, kAnsCantReach, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSpider), nullptr, kAnsSpiderThanks, sound::kSpiderChitter, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjGate), nullptr, kNoAnswer, kNoSound, 0.0f, step::kGateAsked, kNoItem, nullptr},
    {targets(kObjTrapdoor), nullptr, kAnsStuck, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDust), nullptr, kAnsNeedRightTool, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBricks), nullptr, kAnsTooHeavy, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSpacedDoor), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useShedDoor},
    {targets(kObjTreat), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeTreat},
    {targets(kObjLetter), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeLetter},
    {targets(kObjBone), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeBone},
    {targets(kObjSleepingSnake), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeSleepingSnake},
    {targets(kObjBroom), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeBroom},
    {targets(kObjRock), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeRock},
    {targets(kObjKey), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeKey},
    {targets(kObjBristles), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeBristles},
    {targets(kObjBroomstick), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeBroomstick},
    {targets(kObjHat), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeHat},
    {targets(kObjFlower), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeFlower},
    {targets(kObjKnife), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeKnife},
    {targets(kObjCoins), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeCoin},
    {targets(kObjCandle), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, takeCandle},
    {targets(kObjRoundDrawings, kObjSmallPaintings, kObjBigPainting, kObjSmallPictures, kObjInstantPicture), nullptr,
     kAnsMaybeNot, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};
const ActionRow kTakeFallback = {targets(), nullptr, kAnsYouCant, kNoSound, 0.0f, kNoStep, kNoItem, nullptr};

}  // namespace

const ActionTable kTrickTable = {kTrickRows, rowCount(kTrickRows), &kTrickFallback};
const ActionTable kTakeTable = {kTakeRows, rowCount(kTakeRows), &kTakeFallback};
