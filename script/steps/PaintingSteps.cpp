// The big painting: it swings open and no longer bars the way.
#include "play/HouseLooks.h"
#include "play/PlayScreen.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void paintingSwings(PlayScreen& play) { returnToPlayer(play, step::kPaintingOpen); }

void paintingOpen(PlayScreen& play) {
    holdSwungPainting(*sceneObject(play, kObjBigPainting));
    play.script.scriptStep = step::kNone;
}

const StepRecord kPaintingRecords[] = {{step::kPaintingSwings, paintingSwings}, {step::kPaintingOpen, paintingOpen}};

}  // namespace

const SceneSteps kPaintingSteps = {nullptr, 0, kPaintingRecords, entryCount(kPaintingRecords)};
