// The big painting: it swings open and no longer bars the way.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

void step70(PlayScreen& play) { returnToPlayer(play, 71); }

void step71(PlayScreen& play) {
    noCollision(poseObject(play, kObjBigPainting, mesh::kBigPaintingSwinging, 6.0f, 0.0f));
    play.script.scriptStep = -1;
}

const StepRecord kPaintingRecords[] = {{70, step70}, {71, step71}};

}  // namespace

const SceneSteps kPaintingSteps = {nullptr, 0, kPaintingRecords, entryCount(kPaintingRecords)};
