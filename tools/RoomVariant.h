#ifndef QUENDRALVOSS_TOOLS_ROOMVARIANT_H
#define QUENDRALVOSS_TOOLS_ROOMVARIANT_H

#include <cstdint>

class PlayScreen;

// A room as the tools enter it: the story flags it is built under and where
// the player stands (z is where the player starts falling or rising to the
// floor from).
struct RoomVariant {
    const char* label;
    int32_t room;
    void (*flags)(PlayScreen& play);
    float x, y, z;
};

// Every room and its story variants, in room order.
extern const RoomVariant kRoomVariants[];
extern const int32_t kRoomVariantCount;

#endif
