// The door: knocked on, it gives way to an open door.
#include "catalog/ResourceCatalog.h"
#include "play/GardenLooks.h"
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// The door object gives way to an unnamed open door.
void doorGivesWay(PlayScreen& play) {
    deleteRowObject(play, kObjDoor);
    appendOpenedDoor(play.world.worldList);
    play.script.scriptStep = step::kNone;
}

const StepRecord kDoorRecords[] = {{step::kDoorGivesWay, doorGivesWay}};

}  // namespace

const SceneSteps kDoorSteps = {nullptr, 0, kDoorRecords, entryCount(kDoorRecords)};
