// The goat person: its boast and condition, and the special trick it hands over.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kGoatRows[] = {
    {75, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatBoasts, kKeepDelay, 76},
    {76, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatCondition, kKeepDelay, 77},
    {78, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatAck, kKeepDelay, -1},
    {81, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatHandsOver, kKeepDelay, 84},
};

void step77(PlayScreen& play) {
    sceneObject(play, kObjGoatPerson)->crossFadeSceneObjectMesh(mesh::kGoatPersonBound, 1.0f);
    play.script.scriptStep = -1;
}

// The dust is gone: a close-up of the goat person, the camera sinking slowly.
void step79(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->setSceneObjectMesh(mesh::kGoatPersonRising);
    goat->animTime = 0.0f;
    fadeScene(play, 1.0f);
    placeCamera(Vec3(19.48f, 43.34f, 2.5f), Vec3(0.0f, 32.0f, 359.0f));
    play.script.scriptStepDelay = 7.25f;
    play.startCameraFlight(Vec3(19.48f, 43.34f, 2.0f), Vec3(0.0f, 6.05629f, 0.0698132f), 14.5f, true);
    playCueOnAnyChannel(sound::kRelease, 0.7f);
    play.script.scriptStep = 80;
}

void step80(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->animSpeed = 1.5f;
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonThanking, 1.0f);
    cueLine(play, sound::kGoatPersonVoice, 0.4f, kStpGoatRelief, 81);
}

void step84(PlayScreen& play) {
    SceneObject* goat = sceneObject(play, kObjGoatPerson);
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonTeaching, 1.0f);
    sweepTakesOver(play, goat);
    nextAfter(play, 4.0f, 82);
}

void step82(PlayScreen& play) { darkenToStep(play, 83); }

// The special trick is learned; the camera stops where it is.
void step83(PlayScreen& play) {
    if (play.effects.sweepEffect && play.effects.sweepEffect->instance) {
        play.effects.sweepEffect->instance->position.x += 0.5f;
    }
    play.story.specialTrickLearned = true;
    giveAction(play, 17);
    play.startCameraFlight(gCamera->position, gCamera->rotation, 0.001f, false);
    fadeScene(play, 1.0f);
    play.script.scriptStep = -1;
}

const StepRecord kGoatRecords[] = {
    {77, step77}, {79, step79}, {80, step80}, {84, step84}, {82, step82}, {83, step83},
};

}  // namespace

const SceneSteps kGoatSteps = {kGoatRows, entryCount(kGoatRows), kGoatRecords, entryCount(kGoatRecords)};
