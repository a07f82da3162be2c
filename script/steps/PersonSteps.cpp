// The person upstairs: its greeting, and the costume trick it asks to see first.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kPersonRows[] = {
    {85, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonGreeting, kKeepDelay, 86},
    {86, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonRare1, kKeepDelay, 87},
    {87, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonRare2, kKeepDelay, 88},
    {88, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonLong, kKeepDelay, -1},
    {89, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonQuestion, kKeepDelay, 90},
    {90, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonAgrees, kKeepDelay, 91},
    {91, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonButSee, kKeepDelay, 92},
    {92, kStepCue, sound::kOldPersonVoice, 0.15f, kStpPersonTrickFirst, kKeepDelay, 95},
};

void step93(PlayScreen& play) { showYou(play); play.script.scriptStep = 94; }
void step94(PlayScreen& play) { showCostumeAnswer(play); play.script.scriptStep = 89; }
void step95(PlayScreen& play) { darkenToStep(play, 96); }
void step96(PlayScreen& play) { deleteRowObject(play, kObjYou); fadeScene(play, 1.0f); play.script.scriptStep = -1; }

const StepRecord kPersonRecords[] = {{93, step93}, {94, step94}, {95, step95}, {96, step96}};

}  // namespace

const SceneSteps kPersonSteps = {kPersonRows, entryCount(kPersonRows), kPersonRecords, entryCount(kPersonRecords)};
