#ifndef QUENDRALVOSS_PLAY_ROOMTABLES_H
#define QUENDRALVOSS_PLAY_ROOMTABLES_H

#include <cstdint>

// The tables that span all eight rooms: fog and light, music, where the
// player stands on arrival, and the resources each room keeps referenced while
// it is current.

const int32_t kRoomCount = 8;

// Whether room is the number of one of the rooms (0 to kRoomCount - 1).
bool isRoomNumber(int32_t room);

// Room 7's closing value (storyValue50) below which the tunnel walls stand:
// the room builder puts them up below it, the closing tunnel takes them away
// on reaching it.
const float kTunnelWallsGoneAt = 0.4f;

// Fog colour of the late night (the normal fog is the same grey everywhere),
// and the two room-specific settings: a main light shining up, a shorter fog.
struct RoomAtmosphere {
    float lateFogColour[3];
    bool lightFromBelow;  // main light direction (0, 0, 1), set after the music
    float fogEnd;         // > 0: replaces the base fog end before the records
};
extern const RoomAtmosphere kRoomAtmospheres[kRoomCount];

// Music track: late while nightAlmostOver, else normal; while the special
// trick is not learned, untilSpecialTrick when it is not -1.
struct RoomMusic {
    int32_t normal;
    int32_t late;
    int32_t untilSpecialTrick;
};
extern const RoomMusic kRoomMusic[kRoomCount];
// The track for room under the given flags.
int32_t roomMusicTrack(int32_t room, bool nightAlmostOver, bool specialTrickLearned);

// The pose enterRoom gives the player entering room from fromRoom (-1: no
// room built before). Only the parts flagged are set; the rest is kept.
struct RoomSpawn {
    int32_t room;
    int32_t fromRoom;
    float x, y, z;
    bool setZ;
    bool setView;
    float roll, pitch, yaw;  // radians
};
extern const RoomSpawn kRoomSpawns[];
extern const int32_t kRoomSpawnCount;

// The resources a room holds one reference of while it is current, by number.
struct RoomPinnedList {
    const int32_t* sounds;
    int32_t soundCount;
    const int32_t* meshes;
    int32_t meshCount;
    const int32_t* textures;
    int32_t textureCount;
};
extern const RoomPinnedList kRoomPinned[kRoomCount];

// The interface sounds that stay referenced through all of play.
extern const int32_t kCommonSounds[];
extern const int32_t kCommonSoundCount;

// One more reference of every sound, mesh and texture of the list (sounds,
// then meshes, then textures).
void acquirePinnedList(const RoomPinnedList& list);
// One reference fewer of each, in the same order; nothing is purged.
void releasePinnedList(const RoomPinnedList& list);
void acquireCommonSounds();
void releaseCommonSounds();

#endif
