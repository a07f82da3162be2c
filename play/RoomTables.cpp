#include "play/RoomTables.h"

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/CountOf.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/RoomId.h"

namespace {

// The footstep sounds (sound::kStepEarth1 to sound::kStepBoards6) are the sets: each room pins the set of its ground.
const int32_t kRoom0Sounds[] = {sound::kStepEarth1, sound::kStepEarth2, sound::kStepEarth3, sound::kStepEarth4,
                                sound::kStepEarth5, sound::kStepEarth6, sound::kBirdsWake, sound::kSkeletonVoice,
                                sound::kLeaderVoice, sound::kLeftBirdVoice, sound::kRightBirdVoice,
                                sound::kMoniqueVoice, sound::kGateVoice};
const int32_t kRoom0Meshes[] = {mesh::kSkeletonWalking, mesh::kSomethingWalking, mesh::kSkeletonStanding,
                                mesh::kSomethingStanding, mesh::kLeftBirdAwake, mesh::kRightBirdAwake};
const int32_t kRoom1Sounds[] = {sound::kStepEarth1, sound::kStepEarth2, sound::kStepEarth3, sound::kStepEarth4,
                                sound::kStepEarth5, sound::kStepEarth6, sound::kTwoBarks, sound::kSpiderChitter};
const int32_t kRoom1Meshes[] = {mesh::kDogWaking, mesh::kDogGuarding, mesh::kDogSniffing};
const int32_t kRoom2Sounds[] = {sound::kStepWading1, sound::kStepWading2, sound::kStepWading3, sound::kStepWading4,
                                sound::kStepWading5, sound::kStepWading6, sound::kStepWetStone1, sound::kStepWetStone2,
                                sound::kStepWetStone3, sound::kStepWetStone4, sound::kFishPersonHum};
const int32_t kRoom2Meshes[] = {mesh::kFishPersonEmerging, mesh::kFishPersonDiving, mesh::kFishPersonTalking,
                                mesh::kFishPersonDucking, mesh::kFishPersonResurfacing};
const int32_t kRoom3Sounds[] = {sound::kStepEarth1, sound::kStepEarth2, sound::kStepEarth3, sound::kStepEarth4,
                                sound::kStepEarth5, sound::kStepEarth6};
const int32_t kRoom4Sounds[] = {sound::kStepBoards1, sound::kStepBoards2, sound::kStepBoards3, sound::kStepBoards4,
                                sound::kStepBoards5, sound::kStepBoards6, sound::kPaintingSwings};
const int32_t kRoom4Meshes[] = {mesh::kBigPaintingSwinging};
const int32_t kRoom5Sounds[] = {sound::kStepEarth1, sound::kStepEarth2, sound::kStepEarth3, sound::kStepEarth4,
                                sound::kStepEarth5, sound::kStepEarth6, sound::kSweeping, sound::kGoatPersonVoice};
const int32_t kRoom5Meshes[] = {mesh::kGoatPersonPleading, mesh::kGoatPersonTeaching};
const int32_t kRoom5Textures[] = {picture::kDustSwept1, picture::kDustSwept2, picture::kDustSwept3,
                                  picture::kDustSwept4, picture::kSweepMask};
const int32_t kRoom6Sounds[] = {sound::kTrickShimmerLong, sound::kTrickShimmer, sound::kStepBoards1,
                                sound::kStepBoards2, sound::kStepBoards3, sound::kStepBoards4, sound::kStepBoards5,
                                sound::kStepBoards6, sound::kOldPersonVoice, sound::kBatSqueak,
                                sound::kGoatPersonVoice};
const int32_t kRoom6Textures[] = {picture::kSweepMask};
const int32_t kRoom7Sounds[] = {sound::kStepEarth1, sound::kStepEarth2, sound::kStepEarth3, sound::kStepEarth4,
                                sound::kStepEarth5, sound::kStepEarth6, sound::kStepWading1, sound::kStepWading2,
                                sound::kStepWading3, sound::kStepWading4, sound::kStepWading5, sound::kStepWading6,
                                sound::kRumble, sound::kOminousSting};
const int32_t kRoom7Meshes[] = {mesh::kTunnelRingMoving, mesh::kEyesOpening, mesh::kEyesOpen};
const int32_t kRoom7Textures[] = {picture::kTunnelArch, picture::kRedSheen, picture::kEyeGloss, picture::kEyes};

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
    {music::kStreet, music::kQuietNight, -1},
    {music::kGarden, music::kLateNight, -1},
    {music::kWellAndShed, music::kWellAndShed, -1},
    {music::kWellAndShed, music::kLateNight, -1},
    {music::kHouse, music::kLateNight, -1},
    {music::kHouse, music::kQuietNight, music::kGoatPerson},
    {music::kUpstairs, music::kLateNight, -1},
    {music::kIntro, music::kIntro, -1},
};

int32_t roomMusicTrack(int32_t room, bool nightAlmostOver, bool specialTrickLearned) {
    const RoomMusic& music = kRoomMusic[room];
    if (music.untilSpecialTrick != -1 && !specialTrickLearned) {
        return music.untilSpecialTrick;
    }
    return nightAlmostOver ? music.late : music.normal;
}

const RoomSpawn kRoomSpawns[] = {
    {room::kStreet, room::kNone, 3.5f, 5.01f, 0.0f, true, true, 0.0f, 0.4f, 0.0f},
    {room::kGarden, room::kShed, -4.6528f, 37.24951f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
    {room::kGarden, room::kFishPond, 26.5f, 15.35f, 0.27f, true, true, 0.0f, 40.0f * kDegrees, 180.0f * kDegrees},
    {room::kFishPond, room::kGarden, 0.0f, 0.0f, 0.91f, true, true, 0.0f, 25.0f * kDegrees, 90.0f * kDegrees},
    {room::kShed, room::kGarden, -4.6528f, 39.24951f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
    {room::kTunnel, room::kStreet, -1.5f, 5.0f, 0.0f, false, false, 0.0f, 0.0f, 0.0f},
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

const int32_t kCommonSounds[] = {sound::kKnockKnock, sound::kGive, sound::kMenuMove, sound::kMenuRise, sound::kConfirm,
                                 sound::kPause, sound::kBlip};
const int32_t kCommonSoundCount = COUNT_OF(kCommonSounds);

namespace {

// Calls sound on every sound number of the list, then mesh on every mesh
// number, then texture on every texture number.
template <typename SoundCall, typename MeshCall, typename TextureCall>
void forEachPinned(const RoomPinnedList& list, SoundCall sound, MeshCall mesh, TextureCall texture) {
    for (int32_t k = 0; k < list.soundCount; ++k) {
        sound(list.sounds[k]);
    }
    for (int32_t k = 0; k < list.meshCount; ++k) {
        mesh(list.meshes[k]);
    }
    for (int32_t k = 0; k < list.textureCount; ++k) {
        texture(list.textures[k]);
    }
}

}  // namespace

void acquirePinnedList(const RoomPinnedList& list) {
    forEachPinned(list, acquireSoundByNumber, acquireMeshByNumber, acquireTextureByNumber);
}

void releasePinnedList(const RoomPinnedList& list) {
    forEachPinned(list, releaseSoundByNumber, releaseMeshByNumber, releaseTextureByNumber);
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
