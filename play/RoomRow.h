#ifndef QUENDRALVOSS_PLAY_ROOMROW_H
#define QUENDRALVOSS_PLAY_ROOMROW_H

#include <cstdint>

#include "text/ObjectNames.h"

class SceneObject;
class SceneObjectList;
struct StoryState;

// One unconditional, unnamed row of a room table: mesh (-1 none), texture
// (-1 default), second texture (-1 default), position, rotation in degrees
// about z, collision half-extents (hx < -999: none) and draw distance (0:
// default).
struct RoomRow {
    int32_t mesh;
    int32_t texture;
    int32_t secondTexture;
    float x, y, z;
    float turnZ;
    float hx, hy, hz;
    float draw;
};

// A named row of a room table: the object's name and its row.
struct NamedRoomRow {
    ObjectName name;
    RoomRow row;
};

// The name of a story row that names no object.
constexpr ObjectName kUnnamedRow = static_cast<ObjectName>(-1);

// A row of a room table that the room holds only while its story condition
// is true (holds null: always), named unless kUnnamedRow.
struct StoryRoomRow {
    bool (*holds)(const StoryState& story);
    ObjectName name;
    RoomRow row;
};

// The gateway between the street and the garden, the same from both sides:
// its two side boxes and the two posts that carry the bird statues.
extern const RoomRow kGatewaySides[];
extern const int32_t kGatewaySideCount;

// The thin box in the gateway beside its left post, the same from both sides.
extern const RoomRow kGatewayPostBox;

// The mark on the shed's door, where the garden and the shed both place it.
extern const NamedRoomRow kShedDoorMark;

// Appends one scene object per row, in table order. Cannot fail.
void appendRoomRows(SceneObjectList& list, const RoomRow* rows, int32_t count);
// Appends the row's object under its name and returns it (owned by list).
SceneObject* appendNamedRow(SceneObjectList& list, const NamedRoomRow& named);
// Appends one named object per row, in table order. Cannot fail.
void appendNamedRows(SceneObjectList& list, const NamedRoomRow* rows, int32_t count);

// Appends one object per row whose condition holds, in table order. Cannot fail.
void appendStoryRows(SceneObjectList& list, const StoryState& story, const StoryRoomRow* rows, int32_t count);

#endif
