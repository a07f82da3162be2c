// Short answers: the narrator's one-line replies, the witch's refusal and the opened lock.
#include "app/Costume.h"
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/StreetLooks.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kShortAnswerRows[] = {
    {step::kNoEffect, kStepSilent, 0, 0.0f, kStpNoEffect, kKeepDelay, step::kNone},
    {step::kNotASnake, kStepSilent, 0, 0.0f, kStpNotASnake, kKeepDelay, step::kNoEffect},
    {step::kNearlyToppled, kStepSilent, 0, 0.0f, kStpNearlyToppled, kKeepDelay, step::kNone},
    {step::kStandsFirm, kStepSilent, 0, 0.0f, kStpStandsFirm, kKeepDelay, step::kNone},
    {step::kNoAnswerComes, kStepSilent, 0, 0.0f, kStpNoAnswerComes, kKeepDelay, step::kNone},
    {step::kLeaderTakesNoHeed, kStepSilent, 0, 0.0f, kStpLeaderNoHeed, kKeepDelay, step::kNone},
};

// The stationary witch answers only the death costume.
void witchAnswers(PlayScreen& play) {
    const CostumeValue worn = costumeWorn(play.story.costumeFlags(), kDeathWerewolfGhost);
    if (worn == kCostumeDeath) {
        playCueOnAnyChannel(sound::kWitchVoice, 0.4f);
        say(play, kStpWitchNo);
    } else if (worn != kCostumeNone) {
        say(play, kStpNoEffect);
    }
    play.script.scriptStep = step::kNone;
}

// The opened lock is no longer a target.
void lockOpens(PlayScreen& play) {
    standLockOpen(*sceneObject(play, kObjLock));
    play.script.scriptStep = step::kNone;
}

const StepRecord kShortAnswerRecords[] = {{step::kWitchAnswers, witchAnswers}, {step::kLockOpens, lockOpens}};

}  // namespace

const SceneSteps kShortAnswerSteps = {kShortAnswerRows, entryCount(kShortAnswerRows), kShortAnswerRecords,
                                      entryCount(kShortAnswerRecords)};
