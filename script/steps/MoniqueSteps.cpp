// Monique: her praise of the costume, and the hat she leaves for the flower.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/StreetLooks.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kMoniqueRows[] = {
    {step::kMoniquePraises, kStepCue, sound::kMoniqueVoice, 0.3f, kStpMoniquePraises, kKeepDelay, step::kNone},
};

void moniqueGasps(PlayScreen& play) {
    playCueOnAnyChannel(sound::kDelightedGasp, 0.6f);
    SceneObject* monique = poseObject(play, kObjMonique, mesh::kMoniqueTakingFlower, 0.0f, 1.0f);
    placeCamera(Vec3(monique->position.x - 1.0f, monique->position.y, 1.5f), Vec3(0.0f, 0.0f, -3.0f));
    fadeScene(play, 1.0f);
    nextAfter(play, 3.0f, step::kMoniqueLaughs);
}

void moniqueLaughs(PlayScreen& play) {
    SceneObject* monique = sceneObject(play, kObjMonique);
    monique->crossFadeSceneObjectMesh(mesh::kMoniqueTalkingWithFlower, 0.5f);
    play.story.storyValue14 = monique->position.x;
    playCueOnAnyChannel(sound::kMoniqueVoice, 0.3f);
    say(play, kStpMoniqueLaughs);
    play.script.scriptStep = step::kMoniqueDarkens;
}

void moniqueDarkens(PlayScreen& play) { darkenToStep(play, step::kHatDrops); }

// The hat drops where Monique stood; the flower is hers.
void hatDrops(PlayScreen& play) {
    fadeScene(play, 1.0f);
    appendDroppedHat(play.world.worldList, play.story.hatDropX());
    play.player.removeActionById(action::kUseFlower);
    play.story.moniqueHasFlower = true;
    play.script.scriptStep = step::kNone;
}

const StepRecord kMoniqueRecords[] = {{step::kMoniqueGasps, moniqueGasps}, {step::kMoniqueLaughs, moniqueLaughs},
                                      {step::kMoniqueDarkens, moniqueDarkens}, {step::kHatDrops, hatDrops}};

}  // namespace

const SceneSteps kMoniqueSteps = {kMoniqueRows, entryCount(kMoniqueRows), kMoniqueRecords,
                                  entryCount(kMoniqueRecords)};
