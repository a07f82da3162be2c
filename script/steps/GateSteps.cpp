// The gate: it wonders at the player, swings open, and urges them on afterwards.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kGateRows[] = {
    {125, kStepCue, sound::kGateVoice, 0.6f, kStpGateWonders, kKeepDelay, 126},
};

// The gate opens once; after that it only urges.
void step123(PlayScreen& play) {
    if (play.story.storyFlag48) {
        cueLine(play, sound::kGateVoice, 0.6f, kStpGateUrges, -1);
        return;
    }
    play.story.storyFlag48 = true;
    fadeOutToStep(play, 124);
}

void step124(PlayScreen& play) {
    deleteRowObject(play, kObjGate1);
    poseObject(play, kObjGate, mesh::kGateOpening, 0.0f, 0.0f);
    placeCamera(Vec3(6.58f, 3.24f, 0.45f), Vec3(0.0f, 2.0f, 152.0f));
    fadeScene(play, 1.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    playCueOnAnyChannel(sound::kGateCreak, 0.0f);
    play.script.scriptStep = 125;
}

void step126(PlayScreen& play) {
    playCueOnAnyChannel(sound::kGateCreak, 0.8f);
    sceneObject(play, kObjGate)->animSpeed = 1.0f;
    play.startCameraFlight(Vec3(7.02f, 4.89f, 0.44f), Vec3(0.0f, 6.00393f, 3.12414f), 3.0f, false);
    nextAfter(play, 3.0f, 129);
}

void step129(PlayScreen& play) {
    play.startCameraFlight(Vec3(6.25f, 7.2f, 1.49f), Vec3(0.0f, 6.42281f, 3.90954f), 4.0f, false);
    nextAfter(play, 3.0f, 127);
}

void step127(PlayScreen& play) {
    sceneObject(play, kObjGate)->setSceneObjectMesh(mesh::kGateOpen);
    fadeOutToStep(play, 128);
}

void step128(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = -1; }

const StepRecord kGateRecords[] = {
    {123, step123}, {124, step124}, {126, step126}, {129, step129}, {127, step127}, {128, step128},
};

}  // namespace

const SceneSteps kGateSteps = {kGateRows, entryCount(kGateRows), kGateRecords, entryCount(kGateRecords)};
