// The door: knocked on, it gives way to an open door.
#include "catalog/ResourceCatalog.h"
#include "play/PlayScreen.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// The door object gives way to an unnamed open door.
void doorGivesWay(PlayScreen& play) {
    deleteRowObject(play, kObjDoor);
    animate(addRowObject(play, "", mesh::kHouseDoorOpening, -1, -1, Vec3(12.6f, 29.4f, 2.4f)), 40.0f, 0.0f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kDoorRecords[] = {{step::kDoorGivesWay, doorGivesWay}};

}  // namespace

const SceneSteps kDoorSteps = {nullptr, 0, kDoorRecords, entryCount(kDoorRecords)};
