// The big pumpkin: the first cut settles, and the lit pumpkin is gone once it has spoken.
#include "play/GardenLooks.h"
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void pumpkinCutSettles(PlayScreen& play) {
    holdCutPumpkin(*sceneObject(play, kObjBigPumpkin));
    play.script.scriptStep = step::kNone;
}
void pumpkinGone(PlayScreen& play) { deleteRowObject(play, kObjBigPumpkin); play.script.scriptStep = step::kNone; }

const StepRecord kPumpkinRecords[] = {{step::kPumpkinCutSettles, pumpkinCutSettles}, {step::kPumpkinGone, pumpkinGone}};

}  // namespace

const SceneSteps kPumpkinSteps = {nullptr, 0, kPumpkinRecords, entryCount(kPumpkinRecords)};
