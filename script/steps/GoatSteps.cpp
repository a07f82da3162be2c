// The goat person: its boast and condition, and the special trick it hands over.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/HouseLooks.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kGoatRows[] = {
    {step::kGoatBoasts, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatBoasts, kKeepDelay, step::kGoatCondition},
    {step::kGoatCondition, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatCondition, kKeepDelay, step::kGoatBound},
    {step::kGoatAcknowledges, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatAck, kKeepDelay, step::kNone},
    {step::kGoatHandsOver, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatHandsOver, kKeepDelay, step::kGoatTeaches},
};

void goatBound(PlayScreen& play) {
    fadeGoatToBound(*sceneObject(play, kObjGoatPerson));
    play.script.scriptStep = step::kNone;
}

// The dust is gone: a close-up of the goat person, the camera sinking slowly.
void goatRises(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->setSceneObjectMesh(mesh::kGoatPersonRising);
    goat->animTime = 0.0f;
    fadeScene(play, 1.0f);
    placeCamera(Vec3(19.48f, 43.34f, 2.5f), Vec3(0.0f, 32.0f, 359.0f));
    play.script.scriptStepDelay = 7.25f;
    play.startCameraFlight(Vec3(19.48f, 43.34f, 2.0f), Vec3(0.0f, 6.05629f, 0.0698132f), 14.5f, true);
    playCueOnAnyChannel(sound::kRelease, 0.7f);
    play.script.scriptStep = step::kGoatRelief;
}

void goatRelief(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->animSpeed = 1.5f;
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonThanking, 1.0f);
    cueLine(play, sound::kGoatPersonVoice, 0.4f, kStpGoatRelief, step::kGoatHandsOver);
}

void goatTeaches(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonTeaching, 1.0f);
    sweepTakesOver(play, goat);
    nextAfter(play, 4.0f, step::kGoatTeachingDarkens);
}

void goatTeachingDarkens(PlayScreen& play) { darkenToStep(play, step::kSpecialTrickLearned); }

// The special trick is learned; the camera stops where it is.
void specialTrickLearned(PlayScreen& play) {
    if (play.effects.sweepEffect && play.effects.sweepEffect->instance) {
        play.effects.sweepEffect->instance->position.x += 0.5f;
    }
    play.story.specialTrickLearned = true;
    giveAction(play, action::kUseSpecialTrick);
    play.startCameraFlight(gCamera->position, gCamera->rotation, 0.001f, false);
    fadeScene(play, 1.0f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kGoatRecords[] = {
    {step::kGoatBound, goatBound}, {step::kGoatRises, goatRises}, {step::kGoatRelief, goatRelief},
    {step::kGoatTeaches, goatTeaches}, {step::kGoatTeachingDarkens, goatTeachingDarkens},
    {step::kSpecialTrickLearned, specialTrickLearned},
};

}  // namespace

const SceneSteps kGoatSteps = {kGoatRows, entryCount(kGoatRows), kGoatRecords, entryCount(kGoatRecords)};
