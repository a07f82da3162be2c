#include "play/RoomRow.h"

#include "play/RoomRecord.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"

const RoomRow kGatewaySides[] = {
    {-1, -1, -1, 14.183f, 10.0f, 1.0f, 0, 0.813f, 0.3f, 1.0f, 0},
    {-1, -1, -1, 10.8f, 10.0f, 1.0f, 0, 0.813f, 0.3f, 1.0f, 0},
    {-1, -1, -1, 13.7f, 10.0f, 1.0f, 0, 0.333f, 0.333f, 1.0f, 0},
    {-1, -1, -1, 11.6f, 10.0f, 1.0f, 0, 0.333f, 0.333f, 1.0f, 0},
};
const int32_t kGatewaySideCount = 4;

const RoomRow kGatewayPostBox = {-1, -1, -1, 11.95f, 10.7f, 1.0f, 0, 0.0695f, 0.6365f, 1.383f, 0};

const NamedRoomRow kShedDoorMark = {kObjSpacedDoor,
                                    {-1, -1, -1, -4.6528f, 38.2f, 1.0f, 0, kNoCollision, kNoCollision, kNoCollision,
                                     0}};

void appendRoomRows(SceneObjectList& list, const RoomRow* rows, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        list.appendSceneObject(RoomRecord(rows[k]).take());
    }
}

SceneObject* appendNamedRow(SceneObjectList& list, const NamedRoomRow& named) {
    return list.appendSceneObject(RoomRecord(named.row).name(named.name).take());
}

void appendNamedRows(SceneObjectList& list, const NamedRoomRow* rows, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        appendNamedRow(list, rows[k]);
    }
}

void appendStoryRows(SceneObjectList& list, const StoryState& story, const StoryRoomRow* rows, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        if (rows[k].holds != nullptr && !rows[k].holds(story)) {
            continue;
        }
        RoomRecord record(rows[k].row);
        if (rows[k].name != kUnnamedRow) {
            record.name(rows[k].name);
        }
        list.appendSceneObject(record.take());
    }
}
