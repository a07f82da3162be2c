// The spider: undecided when asked, unmoved by a trick.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSpiderRows[] = {
    {step::kSpiderUndecided, kStepCue, sound::kSpiderChitter, 0.4f, kStpSpiderUndecided, kKeepDelay, step::kSpiderDone},
    {step::kSpiderIgnores, kStepSilent, 0, 0.0f, kStpSpiderIgnores, kKeepDelay, step::kNone},
};

void spiderDone(PlayScreen& play) { returnToPlayer(play, step::kNone); }

const StepRecord kSpiderRecords[] = {{step::kSpiderDone, spiderDone}};

}  // namespace

const SceneSteps kSpiderSteps = {kSpiderRows, entryCount(kSpiderRows), kSpiderRecords, entryCount(kSpiderRecords)};
