#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Random.h"
#include "engine/ResourcesByNumber.h"
#include "play/PlayScreen.h"
#include "play/StreetLooks.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "script/RowParts.h"
#include "script/StepIds.h"

// The answers to "knock on" and "ask". Columns of a row: targets, condition,
// answer, sound, volume, step, item used up, further effects.

namespace {

// Knock on.

void knockOnDoor(PlayScreen& play) {
    play.story.doorKnocked = true;
    SceneObject* door = rowObject(play, kObjDoor);
    door->setSceneObjectMesh(mesh::kHouseDoorOpening);
    door->animTime = 0.0f;
    door->position.set(12.6f, 29.4f, 2.4f);
    play.script.scriptStepDelay = 1.25f;
}

// The chair rocks to a new random angle, between -109 and -71 degrees.
void knockOnChair(PlayScreen& play) {
    playRowSound(sound::kChairRattle, 1.0f);
    play.story.chairKnocks += 1;
    play.story.chairAngle = randomUnit() * 38.0f - 109.0f;
    rowObject(play, kObjChair)->rotation.set(0.0f, 0.0f, play.story.chairAngle * kDegrees);
}

void knockOnBroomstick(PlayScreen& play) {
    play.script.scriptStep = play.story.broomstickTaken ? step::kStandsFirm : step::kNearlyToppled;
}

bool hatOnBroomstick(const PlayScreen& play) { return play.story.hatOnBroomstick; }

// With a coin inserted the left slider dispenses a candle and snaps back.
void pushLeftSlider(PlayScreen& play) {
    if (!play.story.coinInserted) {
        playRowSound(sound::kKnockKnock, 1.0f);
        showAnswer(play, kAnsDoesntMove);
        return;
    }
    playRowSound(sound::kSlideClunkSnap, 0.6f);
    play.story.coinInserted = false;
    play.story.storyFlag07 = true;
    appendStreetItem(play.world.worldList, play.story, kObjCandle);
    showAnswer(play, kAnsDispensedCandle);
}

const ActionRow kKnockOnRows[] = {
    {targets(kObjDoor), nullptr, kNoAnswer, sound::kKnockAndCreak, 0.8f, step::kDoorGivesWay, kNoItem, knockOnDoor},
    {targets(kObjGate), nullptr, kNoAnswer, sound::kKnockKnock, 1.0f, step::kGateAsked, kNoItem, nullptr},
    {targets(kObjMedicalEquipment), nullptr, kAnsOutOfService, sound::kKnockKnock, 1.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjChair), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, knockOnChair},
    {targets(kObjRoundDrawings, kObjSmallPaintings, kObjBigPainting, kObjSmallPictures, kObjInstantPicture), nullptr,
     kAnsMaybeNot, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, stepForDog},
    {targets(kObjSpacedDoor), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useShedDoor},
    {targets(kObjSleepingSnake), nullptr, kAnsEllipsis, sound::kKnockKnock, 1.0f, step::kNotASnake, kNoItem, nullptr},
    {targets(kObjFishPerson), nullptr, kAnsFishHum, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchCurtNo, sound::kWitchVoice, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonDodges, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBroomstick), nullptr, kAnsEllipsis, sound::kKnockKnock, 1.0f, kNoStep, kNoItem, knockOnBroomstick},
    {targets(kObjHat), hatOnBroomstick, kAnsEllipsis, sound::kKnockKnock, 1.0f, step::kStandsFirm, kNoItem, nullptr},
    {targets(kObjPole), nullptr, kAnsEllipsis, sound::kKnockKnock, 1.0f, step::kStandsFirm, kNoItem, nullptr},
    {targets(kObjSomething), nullptr, kNoAnswer, kNoSound, 0.0f, step::kNothingHeard, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsCatPurrs, sound::kPurr, 0.2f, kNoStep, kNoItem, nullptr},
    {targets(kObjBat), nullptr, kAnsCantReach, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjRope, kObjGoatPerson, kObjSpider, kObjPillar), nullptr, kAnsNotAGoodIdea, kNoSound,
     0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kAnsRightStatueKnows, sound::kRightBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kAnsLeftStatueNotAsleep, sound::kLeftBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjRightSlider), nullptr, kAnsDoesntMove, sound::kKnockKnock, 1.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjLeftSlider), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, pushLeftSlider},
};
const ActionRow kKnockOnFallback = {targets(), nullptr, kAnsEllipsis, sound::kKnockKnock, 1.0f, step::kNoEffect,
                                    kNoItem, nullptr};

// Ask.

void askSpider(PlayScreen& play) {
    startRowFlight(play, Vec3(-0.38f, 43.96f, 0.83f), Vec3(0.0f, -0.593412f, 1.6057f));
}

// The bat shows the way while the night is young, and sleeps late at night.
void askBat(PlayScreen& play) {
    if (play.story.nightAlmostOver) {
        showAnswer(play, kAnsBatAsleep);
        return;
    }
    startRowFlight(play, Vec3(3.82f, 38.92f, 11.06f), Vec3(3.12414f, -0.20944f, 4.88692f));
    play.script.scriptStep = step::kBatStaysIn;
}

void askFishPerson(PlayScreen& play) {
    SceneObject* fish = rowObject(play, kObjFishPerson);
    fish->setSceneObjectMesh(mesh::kFishPersonDucking);
    fish->animTime = 0.0f;
    rippleGroundGrid(play);
    play.script.scriptStepDelay = 0.5f;
    play.script.scriptStep = step::kFishRises;
}

// The goat person greets once; after the dust has begun to go, a scene.
void askGoatPerson(PlayScreen& play) {
    if (play.story.dustStage() != 0) {
        fadeOutToStep(play, step::kGoatRises);
        return;
    }
    play.story.storyFlag43 = true;
    rowObject(play, kObjGoatPerson)->crossFadeSceneObjectMesh(mesh::kGoatPersonPleading, 2.0f);
    playRowSound(sound::kGoatPersonVoice, 0.4f);
    play.script.scriptStep = step::kGoatBoasts;
    showAnswer(play, kAnsGoatNothingSweet);
}

bool pumpkinLit(const PlayScreen& play) { return play.story.pumpkinStage() == 5; }

void askLitPumpkin(PlayScreen& play) {
    playRowSound(sound::kLanternLaugh, 0.6f);
    play.story.storyCount33 += 1;
    SceneObject* pumpkin = rowObject(play, kObjBigPumpkin);
    pumpkin->setSceneObjectMesh(mesh::kPumpkinLaughing);
    pumpkin->animSpeed = 1.0f;
    pumpkin->animTime = 0.0f;
    play.script.scriptStepDelay = 6.0f;
    play.script.scriptStep = step::kPumpkinGone;
}

// The skeleton knows the costume; a later flag replaces an earlier greeting.
void greetSkeleton(PlayScreen& play) {
    showAnswerForCostume(play, kAnsSkeletonGreetsGhost, kAnsSkeletonGreetsWerewolf, kAnsSkeletonHello);
}

void askSomething(PlayScreen& play) {
    playMusicTrack(music::kQuietNight);
    showAnswer(play, kAnsSomethingSpeaks);
}

// Each question to the cat starts the other of its two scenes.
void askShadyCat(PlayScreen& play) {
    const bool first = !play.story.shadyCatGiggled();
    play.story.storyFlag22 = first;
    fadeOutToStep(play, first ? step::kCatCloseUp : step::kCatLooksUp);
}

void askRightBirdStatue(PlayScreen& play) {
    if (!play.story.rightStatueAsked()) {
        showAnswer(play, kAnsRightStatueCantWait);
    } else {
        play.script.scriptStep = step::kLeftStatuePurpose;
        showAnswer(play, kAnsRightStatueDuty);
    }
    play.story.storyFlag23 = !play.story.rightStatueAsked();
}

void askLeftBirdStatue(PlayScreen& play) {
    if (!play.story.leftStatueAsked()) {
        play.script.scriptStep = step::kLeftStatueContent;
        showAnswer(play, kAnsLeftStatueYawns);
    } else {
        playRowSound(sound::kLeftBirdVoice, 0.8f);
        showAnswer(play, kAnsLeftStatueRiddle);
    }
    play.story.storyFlag24 = !play.story.leftStatueAsked();
}

bool scarecrowAwake(const PlayScreen& play) {
    return play.story.hatOnBroomstick && play.story.birdStatuesAwake() && !play.story.nightAlmostOver;
}

const ActionRow kAskRows[] = {
    {targets(kObjYourself), nullptr, kAnsAskYourself, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjGate), nullptr, kNoAnswer, kNoSound, 0.0f, step::kGateAsked, kNoItem, nullptr},
    {targets(kObjPerson), nullptr, kAnsPersonMurmur, sound::kOldPersonVoice, 0.15f, step::kPersonGreeting, kNoItem,
     nullptr},
    {targets(kObjSpider), nullptr, kNoAnswer, kNoSound, 0.0f, step::kSpiderUndecided, kNoItem, askSpider},
    {targets(kObjBat), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askBat},
    {targets(kObjMedicalEquipment), nullptr, kAnsOutOfService, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjCrystalBall), nightYoung, kAnsEllipsis, kNoSound, 0.0f, step::kCrystalBallSpeaks, kNoItem, nullptr},
    {targets(kObjRoundDrawings), nullptr, kAnsRoundDrawings, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSmallPaintings), nullptr, kAnsSmallPaintings, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBigPainting), nullptr, kAnsBigPainting, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSmallPictures), nullptr, kAnsSmallPictures, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjInstantPicture), nullptr, kAnsInstantPicture, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFishPerson), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askFishPerson},
    {targets(kObjGoatPerson), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askGoatPerson},
    {targets(kObjBigPumpkin), pumpkinLit, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askLitPumpkin},
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, stepForDog},
    {targets(kObjSpacedDoor), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useShedDoor},
    {targets(kObjRope), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, useRopeBetweenRooms},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchGrumbles, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjMonique), nullptr, kAnsMoniqueGreets, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader), nullptr, kAnsLeaderOutOfWay, sound::kLeaderVoice, 0.2f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kNoAnswer, sound::kSkeletonVoice, 1.0f, step::kSmellRises, kNoItem,
     greetSkeleton},
    {targets(kObjSomething), nullptr, kNoAnswer, kNoSound, 0.0f, step::kStreetMusicReturns, kNoItem, askSomething},
    {targets(kObjShadyCat), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askShadyCat},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kNoAnswer, sound::kRightBirdVoice, 0.8f, kNoStep, kNoItem,
     askRightBirdStatue},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, askLeftBirdStatue},
    {targets(kObjBroomstick, kObjHat), scarecrowAwake, kAnsScarecrowCare, sound::kScarecrowWhisper, 0.12f, kNoStep,
     kNoItem, nullptr},
};
const ActionRow kAskFallback = {targets(), nullptr, kAnsEllipsis, kNoSound, 0.0f, step::kNoAnswerComes, kNoItem,
                                nullptr};

}  // namespace

const ActionTable kKnockOnTable = {kKnockOnRows, rowCount(kKnockOnRows), &kKnockOnFallback};
const ActionTable kAskTable = {kAskRows, rowCount(kAskRows), &kAskFallback};
