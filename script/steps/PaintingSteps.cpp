// The big painting: it swings open and no longer bars the way.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void paintingSwings(PlayScreen& play) { returnToPlayer(play, step::kPaintingOpen); }

void paintingOpen(PlayScreen& play) {
    noCollision(poseObject(play, kObjBigPainting, mesh::kBigPaintingSwinging, 6.0f, 0.0f));
    play.script.scriptStep = step::kNone;
}

const StepRecord kPaintingRecords[] = {{step::kPaintingSwings, paintingSwings}, {step::kPaintingOpen, paintingOpen}};

}  // namespace

const SceneSteps kPaintingSteps = {nullptr, 0, kPaintingRecords, entryCount(kPaintingRecords)};
