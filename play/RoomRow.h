#ifndef QUENDRALVOSS_PLAY_ROOMROW_H
#define QUENDRALVOSS_PLAY_ROOMROW_H

#include <cstdint>

class SceneObjectList;

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

// Appends one scene object per row, in table order. Cannot fail.
void appendRoomRows(SceneObjectList& list, const RoomRow* rows, int32_t count);

#endif
