#include "play/RoomTables.h"

#include "engine/Angles.h"
#include "engine/CountOf.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"

namespace {

// Sounds 280..301 are the footstep sets: each room pins the set of its ground.
const int32_t kRoom0Sounds[] = {280, 281, 282, 283, 284, 285, 302, 328, 329, 330, 331, 337, 341};
const int32_t kRoom0Meshes[] = {16, 13, 50, 57, 64, 65};
const int32_t kRoom1Sounds[] = {280, 281, 282, 283, 284, 285, 319, 334};
const int32_t kRoom1Meshes[] = {121, 122, 124};
const int32_t kRoom2Sounds[] = {286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 332};
const int32_t kRoom2Meshes[] = {149, 150, 151, 152, 153};
const int32_t kRoom3Sounds[] = {280, 281, 282, 283, 284, 285};
const int32_t kRoom4Sounds[] = {296, 297, 298, 299, 300, 301, 308};
const int32_t kRoom4Meshes[] = {170};
const int32_t kRoom5Sounds[] = {280, 281, 282, 283, 284, 285, 303, 339};
const int32_t kRoom5Meshes[] = {174, 186};
const int32_t kRoom5Textures[] = {179, 180, 181, 182, 185};
const int32_t kRoom6Sounds[] = {42, 43, 296, 297, 298, 299, 300, 301, 333, 335, 339};
const int32_t kRoom6Textures[] = {185};
const int32_t kRoom7Sounds[] = {280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 343, 344};
const int32_t kRoom7Meshes[] = {245, 248, 251};
const int32_t kRoom7Textures[] = {235, 238, 249, 250};

void releaseMeshByNumber(int32_t n) {
    Mesh* mesh = acquireMeshByNumber(n);
    gResourceCache->releaseMesh(mesh);
    gResourceCache->releaseMesh(mesh);
}

void releaseTextureByNumber(int32_t n) {
    Texture* texture = acquireTextureByNumber(n);
    gResourceCache->releaseTexture(texture);
    gResourceCache->releaseTexture(texture);
}

}  // namespace

bool isRoomNumber(int32_t room) { return room >= 0 && room < kRoomCount; }

const RoomAtmosphere kRoomAtmospheres[kRoomCount] = {
    {{0.4f, 0.35f, 0.25f}, false, 0.0f},
    {{0.35f, 0.4f, 0.25f}, false, 0.0f},
    {{0.2f, 0.2f, 0.2f}, true, 0.0f},
    {{0.18315f, 0.1998f, 0.14985f}, false, 2.5f},
    {{0.51f, 0.51f, 0.34f}, false, 0.0f},
    {{0.51f, 0.51f, 0.34f}, false, 0.0f},
    {{0.51f, 0.51f, 0.34f}, false, 0.0f},
    {{0.2f, 0.2f, 0.2f}, false, 0.0f},
};

const RoomMusic kRoomMusic[kRoomCount] = {
    {94, 1, -1}, {154, 345, -1}, {155, 155, -1}, {155, 345, -1},
    {274, 345, -1}, {274, 1, 83}, {273, 345, -1}, {93, 93, -1},
};

int32_t roomMusicTrack(int32_t room, bool nightAlmostOver, bool specialTrickLearned) {
    const RoomMusic& music = kRoomMusic[room];
    if (music.untilSpecialTrick != -1 && !specialTrickLearned) {
        return music.untilSpecialTrick;
    }
    return nightAlmostOver ? music.late : music.normal;
}

const RoomSpawn kRoomSpawns[] = {
    {0, -1, 3.5f, 5.01f, 0.0f, true, true, 0.0f, 0.4f, 0.0f},
    {1, 3, -4.6528f, 37.24951f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
    {1, 2, 26.5f, 15.35f, 0.27f, true, true, 0.0f, 40.0f * kDegrees, 180.0f * kDegrees},
    {2, 1, 0.0f, 0.0f, 0.91f, true, true, 0.0f, 25.0f * kDegrees, 90.0f * kDegrees},
    {3, 1, -4.6528f, 39.24951f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
    {7, 0, -1.5f, 5.0f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
};
const int32_t kRoomSpawnCount = COUNT_OF(kRoomSpawns);

const RoomPinnedList kRoomPinned[kRoomCount] = {
    {kRoom0Sounds, COUNT_OF(kRoom0Sounds), kRoom0Meshes, COUNT_OF(kRoom0Meshes), nullptr, 0},
    {kRoom1Sounds, COUNT_OF(kRoom1Sounds), kRoom1Meshes, COUNT_OF(kRoom1Meshes), nullptr, 0},
    {kRoom2Sounds, COUNT_OF(kRoom2Sounds), kRoom2Meshes, COUNT_OF(kRoom2Meshes), nullptr, 0},
    {kRoom3Sounds, COUNT_OF(kRoom3Sounds), nullptr, 0, nullptr, 0},
    {kRoom4Sounds, COUNT_OF(kRoom4Sounds), kRoom4Meshes, COUNT_OF(kRoom4Meshes), nullptr, 0},
    {kRoom5Sounds, COUNT_OF(kRoom5Sounds), kRoom5Meshes, COUNT_OF(kRoom5Meshes), kRoom5Textures,
     COUNT_OF(kRoom5Textures)},
    {kRoom6Sounds, COUNT_OF(kRoom6Sounds), nullptr, 0, kRoom6Textures, COUNT_OF(kRoom6Textures)},
    {kRoom7Sounds, COUNT_OF(kRoom7Sounds), kRoom7Meshes, COUNT_OF(kRoom7Meshes), kRoom7Textures,
     COUNT_OF(kRoom7Textures)},
};

const int32_t kCommonSounds[] = {4, 278, 38, 39, 40, 277, 279};
const int32_t kCommonSoundCount = COUNT_OF(kCommonSounds);

void acquirePinnedList(const RoomPinnedList& list) {
    for (int32_t k = 0; k < list.soundCount; ++k) {
        acquireSoundByNumber(list.sounds[k]);
    }
    for (int32_t k = 0; k < list.meshCount; ++k) {
        acquireMeshByNumber(list.meshes[k]);
    }
    for (int32_t k = 0; k < list.textureCount; ++k) {
        acquireTextureByNumber(list.textures[k]);
    }
}

void releasePinnedList(const RoomPinnedList& list) {
    for (int32_t k = 0; k < list.soundCount; ++k) {
        releaseSoundByNumber(list.sounds[k]);
    }
    for (int32_t k = 0; k < list.meshCount; ++k) {
        releaseMeshByNumber(list.meshes[k]);
    }
    for (int32_t k = 0; k < list.textureCount; ++k) {
        releaseTextureByNumber(list.textures[k]);
    }
}

void acquireCommonSounds() {
    for (int32_t k = 0; k < kCommonSoundCount; ++k) {
        acquireSoundByNumber(kCommonSounds[k]);
    }
}

void releaseCommonSounds() {
    for (int32_t k = 0; k < kCommonSoundCount; ++k) {
        releaseSoundByNumber(kCommonSounds[k]);
    }
}
