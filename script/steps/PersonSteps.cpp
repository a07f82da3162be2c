// The person upstairs: its greeting, and the costume trick it asks to see first.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kPersonRows[] = {
    {step::kPersonGreeting, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonGreeting, kKeepDelay,
     step::kPersonRareFirst},
    {step::kPersonRareFirst, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonRare1, kKeepDelay,
     step::kPersonRareSecond},
    {step::kPersonRareSecond, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonRare2, kKeepDelay, step::kPersonLong},
    {step::kPersonLong, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonLong, kKeepDelay, step::kNone},
    {step::kPersonQuestion, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonQuestion, kKeepDelay,
     step::kPersonAgrees},
    {step::kPersonAgrees, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonAgrees, kKeepDelay, step::kPersonButSee},
    {step::kPersonButSee, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonButSee, kKeepDelay,
     step::kPersonTrickFirst},
    {step::kPersonTrickFirst, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonTrickFirst, kKeepDelay,
     step::kPersonDarkens},
};

void personSeesYou(PlayScreen& play) { showYou(play); play.script.scriptStep = step::kYouPlayCostumeTrick; }
void youPlayCostumeTrick(PlayScreen& play) { showCostumeAnswer(play); play.script.scriptStep = step::kPersonQuestion; }
void personDarkens(PlayScreen& play) { darkenToStep(play, step::kPersonSceneEnds); }
void personSceneEnds(PlayScreen& play) {
    deleteRowObject(play, kObjYou);
    fadeScene(play, 1.0f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kPersonRecords[] = {{step::kPersonSeesYou, personSeesYou},
                                     {step::kYouPlayCostumeTrick, youPlayCostumeTrick},
                                     {step::kPersonDarkens, personDarkens}, {step::kPersonSceneEnds, personSceneEnds}};

}  // namespace

const SceneSteps kPersonSteps = {kPersonRows, entryCount(kPersonRows), kPersonRecords, entryCount(kPersonRecords)};
