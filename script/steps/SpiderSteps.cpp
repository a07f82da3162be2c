// The spider: undecided when asked, unmoved by a trick.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSpiderRows[] = {
    {130, kStepCue, sound::kSpiderChitter, 0.4f, kStpSpiderUndecided, kKeepDelay, 131},
    {132, kStepSilent, 0, 0.0f, kStpSpiderIgnores, kKeepDelay, -1},
};

void step131(PlayScreen& play) { returnToPlayer(play, -1); }

const StepRecord kSpiderRecords[] = {{131, step131}};

}  // namespace

const SceneSteps kSpiderSteps = {kSpiderRows, entryCount(kSpiderRows), kSpiderRecords, entryCount(kSpiderRecords)};
