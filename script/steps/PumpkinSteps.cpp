// The big pumpkin: the first cut settles, and the lit pumpkin is gone once it has spoken.
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void step57(PlayScreen& play) { animate(sceneObject(play, kObjBigPumpkin), 50.0f, 0.0f); play.script.scriptStep = -1; }
void step58(PlayScreen& play) { deleteRowObject(play, kObjBigPumpkin); play.script.scriptStep = -1; }

const StepRecord kPumpkinRecords[] = {{57, step57}, {58, step58}};

}  // namespace

const SceneSteps kPumpkinSteps = {nullptr, 0, kPumpkinRecords, entryCount(kPumpkinRecords)};
