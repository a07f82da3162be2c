// Short answers: the narrator's one-line replies, the witch's refusal and the opened lock.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kShortAnswerRows[] = {
    {1, kStepSilent, 0, 0.0f, kStpNoEffect, kKeepDelay, -1},
    {2, kStepSilent, 0, 0.0f, kStpNotASnake, kKeepDelay, 1},
    {3, kStepSilent, 0, 0.0f, kStpNearlyToppled, kKeepDelay, -1},
    {4, kStepSilent, 0, 0.0f, kStpStandsFirm, kKeepDelay, -1},
    {5, kStepSilent, 0, 0.0f, kStpNoAnswerComes, kKeepDelay, -1},
    {8, kStepSilent, 0, 0.0f, kStpLeaderNoHeed, kKeepDelay, -1},
};

// The stationary witch answers only the death costume.
void witchAnswers(PlayScreen& play) {
    if (play.story.costumeDeath) {
        playCueOnAnyChannel(sound::kWitchVoice, 0.4f);
        say(play, kStpWitchNo);
    } else if (play.story.costumeWerewolf || play.story.costumeGhost) {
        say(play, kStpNoEffect);
    }
    play.script.scriptStep = -1;
}

// The opened lock is no longer a target.
void lockOpens(PlayScreen& play) {
    SceneObject* lock = sceneObject(play, kObjLock);
    lock->setSceneObjectMesh(mesh::kLockOpen);
    noCollision(lock);
    lock->name.clear();
    play.script.scriptStep = -1;
}

const StepRecord kShortAnswerRecords[] = {{6, witchAnswers}, {14, lockOpens}};

}  // namespace

const SceneSteps kShortAnswerSteps = {kShortAnswerRows, entryCount(kShortAnswerRows), kShortAnswerRecords,
                                      entryCount(kShortAnswerRecords)};
