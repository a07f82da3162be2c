#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/StreetLooks.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "script/RowParts.h"
#include "script/StepIds.h"

// The answers to "use rock on", "use key on", "use bristles on", "use
// broomstick on", "use flower on" and "use hat on". Columns of a row:
// targets, condition, answer, sound, volume, step, item used up, further
// effects. With no matching row each answers "this doesn't work.".

namespace {

const ActionRow kDoesntWork = {targets(), nullptr, kAnsDoesntWork, kNoSound, 0.0f, kNoStep, kNoItem, nullptr};

// Use rock on. Put back where the key lay, the rock hides it again.
void coverKey(PlayScreen& play) {
    deleteRowObject(play, kObjKey);
    play.story.rockTaken = false;
    appendStreetItem(play.world.worldList, play.story, kObjRock);
}

const ActionRow kUseRockRows[] = {
    {targets(kObjKey), nullptr, kNoAnswer, sound::kThud, 0.3f, kNoStep, action::kUseRock, coverKey},
    {targets(kObjDustyShelf), nullptr, kAnsPutItAway, sound::kThud, 0.6f, kNoStep, action::kUseRock, nullptr},
    {targets(kObjRoundDrawings, kObjSmallPaintings, kObjBigPainting, kObjSmallPictures, kObjInstantPicture), nullptr,
     kAnsMaybeNot, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjYourself), nullptr, kAnsExitHint, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader), nullptr, kAnsAteIt, sound::kChompAndGulp, 0.4f, kNoStep, action::kUseRock, nullptr},
    {targets(kObjWell), nullptr, kAnsItFell, sound::kFarSplash, 1.0f, kNoStep, action::kUseRock, nullptr},
    {targets(kObjCrack), nullptr, kAnsDoesntFit, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSleepingSnake, kObjHat, kObjMonique, kObjStationaryWitch, kObjHomelessSkeleton, kObjFlower,
             kObjShadyCat, kObjSomething, kObjRightBirdStatue, kObjLeftBirdStatue, kObjBroom, kObjFishPerson,
             kObjGoatPerson, kObjRope, kObjPerson, kObjDoor, kObjBat, kObjDog, kObjGate, kObjSpider, kObjBone,
             kObjPillar, kObjCrystalBall),
     nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

// Use key on.
void openLock(PlayScreen& play) {
    SceneObject* lock = rowObject(play, kObjLock);
    lock->setSceneObjectMesh(mesh::kLockSwingingOpen);
    lock->animTime = 0.0f;
    play.story.lockOpened = true;
    play.script.scriptStepDelay = 6.0f;
}

// Death may have the skeleton's key scene.
void offerKeyToSkeleton(PlayScreen& play) {
    if (play.story.costumeDeath) {
        play.script.scriptStep = step::kSkeletonRemembers;
    }
}

const ActionRow kUseKeyRows[] = {
    {targets(kObjLock), nullptr, kNoAnswer, sound::kKeyTurns, 0.8f, step::kLockOpens, action::kUseKey, openLock},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonNoUseForKey, sound::kSkeletonVoice, 1.0f, kNoStep, kNoItem,
     offerKeyToSkeleton},
    {targets(kObjSpacedLock, kObjCoinSlot), nullptr, kAnsDoesntFit, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjMonique), nullptr, kAnsMoniqueDeclines, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFollowedLeader, kObjSomething), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjYourself), nullptr, kAnsNotThatEasy, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
};

// Use bristles on. The dog takes them only once the bone lies there.
void offerBristlesToDog(PlayScreen& play) {
    if (play.story.bonePlaced) {
        play.script.scriptStep = step::kDogBarks;
    } else {
        showAnswer(play, kAnsDoesntWork);
    }
}

const ActionRow kUseBristlesRows[] = {
    {targets(kObjWell), nullptr, kAnsTheyFell, sound::kFarSplash, 1.0f, kNoStep, action::kUseBristles, nullptr},
    {targets(kObjFollowedLeader), nullptr, kAnsAteThem, sound::kChompAndGulp, 0.4f, kNoStep, action::kUseBristles,
     nullptr},
    {targets(kObjDustyShelf), nullptr, kAnsPutThemAway, kNoSound, 0.0f, kNoStep, action::kUseBristles, nullptr},
    {targets(kObjBat), nullptr, kAnsCantReach, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchGrumblesLoudly, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjFishPerson), nullptr, kAnsFishRefusal, sound::kFishPersonHum, 0.4f, kNoStep, kNoItem, nullptr},
    {targets(kObjBroomstick), nullptr, kAnsBroomBeyondRepair, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBroom), nullptr, kAnsAlreadyHasSome, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjGoatPerson), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjGate), nullptr, kAnsGateNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kAnsRightStatueNoTime, sound::kRightBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kAnsLeftStatueDeclines, sound::kLeftBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjDog), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, offerBristlesToDog},
};

// Use broomstick on. Stood in the crack, it can carry the hat.
void standInCrack(PlayScreen& play) {
    play.story.broomstickInCrack = true;
    appendStreetItem(play.world.worldList, play.story, kObjBroomstick);
}

const ActionRow kUseBroomstickRows[] = {
    {targets(kObjCrack), nullptr, kNoAnswer, sound::kDullKnock, 0.42f, kNoStep, action::kUseBroomstick, standInCrack},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchGrumblesLoudly, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjBristles), nullptr, kAnsBroomBeyondRepair, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonDodges, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjYourself, kObjMonique, kObjPerson, kObjFollowedLeader), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f,
     kNoStep, kNoItem, nullptr},
    {targets(kObjSomething), nullptr, kAnsCannotTellIfHit, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kAnsRightStatueBaffled, sound::kRightBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kAnsLeftStatueDeclines, sound::kLeftBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
};

// Use flower on.
void giveFlowerToMonique(PlayScreen& play) { fadeOutToStep(play, step::kMoniqueGasps); }

const ActionRow kUseFlowerRows[] = {
    {targets(kObjMonique), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, giveFlowerToMonique},
    {targets(kObjYourself), nullptr, kAnsGestureFlatters, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsSheNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonDodges, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjSleepingSnake, kObjFollowedLeader), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kAnsRightStatuePuzzled, sound::kRightBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kAnsLeftStatueNoUseForFlower, sound::kLeftBirdVoice, 0.8f, kNoStep,
     kNoItem, nullptr},
};

// Use hat on. On the broomstick in the crack the hat makes a scarecrow.
void dressBroomstick(PlayScreen& play) {
    if (!play.story.broomstickInCrack) {
        showAnswer(play, kAnsWouldFallOver);
        return;
    }
    playRowSound(sound::kRustle, 0.42f);
    appendHatOnBroomstick(play.world.worldList, kObjHat);
    play.player.removeActionById(action::kUseHat);
    play.story.hatOnBroomstick = true;
}

const ActionRow kUseHatRows[] = {
    {targets(kObjBroomstick), nullptr, kNoAnswer, kNoSound, 0.0f, kNoStep, kNoItem, dressBroomstick},
    {targets(kObjMonique), nullptr, kAnsMoniqueSameHat, sound::kMoniqueVoice, 0.3f, kNoStep, kNoItem, nullptr},
    {targets(kObjYourself), nullptr, kAnsHatWouldNotFitYou, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjStationaryWitch), nullptr, kAnsWitchHasHat, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjHomelessSkeleton), nullptr, kAnsSkeletonHatWouldNotFit, sound::kSkeletonVoice, 1.0f, kNoStep, kNoItem,
     nullptr},
    {targets(kObjKnife, kObjSleepingSnake, kObjFollowedLeader), nullptr, kAnsNotAGoodIdea, kNoSound, 0.0f, kNoStep,
     kNoItem, nullptr},
    {targets(kObjShadyCat), nullptr, kAnsShadyCatNotInterested, kNoSound, 0.0f, kNoStep, kNoItem, nullptr},
    {targets(kObjRightBirdStatue), birdStatuesAwake, kAnsRightStatueNoTimeForThis, sound::kRightBirdVoice, 0.8f,
     kNoStep, kNoItem, nullptr},
    {targets(kObjLeftBirdStatue), birdStatuesAwake, kAnsLeftStatueDeclinesPolitely, sound::kLeftBirdVoice, 0.8f,
     kNoStep, kNoItem, nullptr},
};

}  // namespace

const ActionTable kUseRockTable = {kUseRockRows, rowCount(kUseRockRows), &kDoesntWork};
const ActionTable kUseKeyTable = {kUseKeyRows, rowCount(kUseKeyRows), &kDoesntWork};
const ActionTable kUseBristlesTable = {kUseBristlesRows, rowCount(kUseBristlesRows), &kDoesntWork};
const ActionTable kUseBroomstickTable = {kUseBroomstickRows, rowCount(kUseBroomstickRows), &kDoesntWork};
const ActionTable kUseFlowerTable = {kUseFlowerRows, rowCount(kUseFlowerRows), &kDoesntWork};
const ActionTable kUseHatTable = {kUseHatRows, rowCount(kUseHatRows), &kDoesntWork};
