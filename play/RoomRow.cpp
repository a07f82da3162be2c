#include "play/RoomRow.h"

#include "play/RoomRecord.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"

void appendRoomRows(SceneObjectList& list, const RoomRow* rows, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        const RoomRow& row = rows[k];
        RoomRecord record;
        if (row.mesh >= 0) {
            record.mesh(row.mesh);
        }
        if (row.texture >= 0) {
            record.texture(row.texture);
        }
        if (row.secondTexture >= 0) {
            record.secondTexture(row.secondTexture);
        }
        record.at(row.x, row.y, row.z);
        if (row.turnZ != 0.0f) {
            record.turnDegrees(0.0f, 0.0f, row.turnZ);
        }
        if (row.hx != kNoCollision) {
            record.size(row.hx, row.hy, row.hz);
        }
        if (row.draw > 0.0f) {
            record.drawDistance(row.draw);
        }
        list.appendSceneObject(record.take());
    }
}
