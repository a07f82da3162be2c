// Monique: her praise of the costume, and the hat she leaves for the flower.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kMoniqueRows[] = {
    {10, kStepCue, sound::kMoniqueVoice, 0.3f, kStpMoniquePraises, kKeepDelay, -1},
};

void step25(PlayScreen& play) {
    playCueOnAnyChannel(sound::kDelightedGasp, 0.6f);
    SceneObject* monique = poseObject(play, kObjMonique, mesh::kMoniqueTakingFlower, 0.0f, 1.0f);
    placeCamera(Vec3(monique->position.x - 1.0f, monique->position.y, 1.5f), Vec3(0.0f, 0.0f, -3.0f));
    fadeScene(play, 1.0f);
    nextAfter(play, 3.0f, 26);
}

void step26(PlayScreen& play) {
    SceneObject* monique = sceneObject(play, kObjMonique);
    monique->crossFadeSceneObjectMesh(mesh::kMoniqueTalkingWithFlower, 0.5f);
    play.story.storyValue14 = monique->position.x;
    playCueOnAnyChannel(sound::kMoniqueVoice, 0.3f);
    say(play, kStpMoniqueLaughs);
    play.script.scriptStep = 27;
}

void step27(PlayScreen& play) { darkenToStep(play, 28); }

// The hat drops where Monique stood; the flower is hers.
void step28(PlayScreen& play) {
    fadeScene(play, 1.0f);
    SceneObject* hat =
        addRowObject(play, objectName(kObjHat), mesh::kHat, -1, -1, Vec3(play.story.storyValue14, 3.8f, 0.19f));
    hat->rotation.set(2.79253f, 0.453786f, -0.244346f);
    play.player.removeActionById(8);
    play.story.moniqueHasFlower = true;
    play.script.scriptStep = -1;
}

const StepRecord kMoniqueRecords[] = {{25, step25}, {26, step26}, {27, step27}, {28, step28}};

}  // namespace

const SceneSteps kMoniqueSteps = {kMoniqueRows, entryCount(kMoniqueRows), kMoniqueRecords,
                                  entryCount(kMoniqueRecords)};
