// The gate: it wonders at the player, swings open, and urges them on afterwards.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/StreetLooks.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kGateRows[] = {
    {step::kGateWonders, kStepCue, sound::kGateVoice, 0.6f, kStpGateWonders, kKeepDelay, step::kGateCreaksOpen},
};

// The gate opens once; after that it only urges.
void gateAsked(PlayScreen& play) {
    if (play.story.gateOpened()) {
        cueLine(play, sound::kGateVoice, 0.6f, kStpGateUrges, step::kNone);
        return;
    }
    play.story.storyFlag48 = true;
    fadeOutToStep(play, step::kGateOpening);
}

void gateOpening(PlayScreen& play) {
    deleteRowObject(play, kObjGate1);
    poseObject(play, kObjGate, mesh::kGateOpening, 0.0f, 0.0f);
    placeCamera(Vec3(6.58f, 3.24f, 0.45f), Vec3(0.0f, 2.0f, 152.0f));
    fadeScene(play, 1.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    playCueOnAnyChannel(sound::kGateCreak, 0.0f);
    play.script.scriptStep = step::kGateWonders;
}

void gateCreaksOpen(PlayScreen& play) {
    playCueOnAnyChannel(sound::kGateCreak, 0.8f);
    sceneObject(play, kObjGate)->animSpeed = 1.0f;
    play.startCameraFlight(Vec3(7.02f, 4.89f, 0.44f), Vec3(0.0f, 6.00393f, 3.12414f), 3.0f, false);
    nextAfter(play, 3.0f, step::kGateCameraRises);
}

void gateCameraRises(PlayScreen& play) {
    play.startCameraFlight(Vec3(6.25f, 7.2f, 1.49f), Vec3(0.0f, 6.42281f, 3.90954f), 4.0f, false);
    nextAfter(play, 3.0f, step::kGateStandsOpen);
}

void gateStandsOpen(PlayScreen& play) {
    standGateOpen(*sceneObject(play, kObjGate));
    fadeOutToStep(play, step::kGateSceneEnds);
}

void gateSceneEnds(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = step::kNone; }

const StepRecord kGateRecords[] = {
    {step::kGateAsked, gateAsked}, {step::kGateOpening, gateOpening}, {step::kGateCreaksOpen, gateCreaksOpen},
    {step::kGateCameraRises, gateCameraRises}, {step::kGateStandsOpen, gateStandsOpen},
    {step::kGateSceneEnds, gateSceneEnds},
};

}  // namespace

const SceneSteps kGateSteps = {kGateRows, entryCount(kGateRows), kGateRecords, entryCount(kGateRecords)};
