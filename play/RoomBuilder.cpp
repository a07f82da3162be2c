#include "play/PlayScreen.h"

#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "engine/Light.h"
#include "engine/Music.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/RoomId.h"
#include "play/RoomTables.h"
#include "play/SoundCue.h"

namespace {

// Plays the sounds that mark a change between rooms from and to.
void playRoomChangeSounds(int32_t from, int32_t to) {
    const bool oneAndThree = (from == 1 && to == 3) || (from == 3 && to == 1);
    const bool oneAndTwo = (from == 1 && to == 2) || (from == 2 && to == 1);
    if (oneAndThree) {
        playCueOnAnyChannel(sound::kDoorCreak, 0.3f);
    }
    if (oneAndTwo) {
        playCueOnAnyChannel(sound::kRopeRub, 0.48f);
    }
}

}  // namespace

void PlayScreen::setUpStartRoom() { enterRoom(room::kStreet); }

void PlayScreen::enterRoom(int32_t next) {
    const int32_t prev = world.room;
    world.room = next;
    clearRoom();
    view.roomFade = 0.0f;
    world.pendingRoom = room::kNone;
    gMusic->setVolume(0.0f);

    // The base atmosphere of every room.
    gCamera->nearPlane = 0.01f;
    gCamera->farPlane = 10.0f;
    gCamera->fogOn = 1;
    gCamera->fogStart = 0.02f;
    gCamera->fogEnd = 5.0f;
    gCamera->fogColour[0] = 0.2f;
    gCamera->fogColour[1] = 0.2f;
    gCamera->fogColour[2] = 0.2f;
    setAmbientLight(0.9f, 0.9f, 0.9f);
    gMainLight->setDirection(0.0f, 0.0f, -1.0f);
    gMainLight->setColour(1.0f, 1.0f, 1.0f);
    if (story.nightAlmostOver && isRoomNumber(next)) {
        const RoomAtmosphere& atmosphere = kRoomAtmospheres[next];
        gCamera->fogColour[0] = atmosphere.lateFogColour[0];
        gCamera->fogColour[1] = atmosphere.lateFogColour[1];
        gCamera->fogColour[2] = atmosphere.lateFogColour[2];
    }
    if (story.nightAlmostOver) {
        gMainLight->setColour(1.0f, 0.2f, 0.2f);
    }

    if (isRoomNumber(next)) {
        playMusicTrack(roomMusicTrack(next, story.nightAlmostOver, story.specialTrickLearned));
        const RoomAtmosphere& atmosphere = kRoomAtmospheres[next];
        if (atmosphere.lightFromBelow) {
            gMainLight->setDirection(0.0f, 0.0f, 1.0f);
        }
        for (int32_t k = 0; k < kRoomSpawnCount; ++k) {
            const RoomSpawn& spawn = kRoomSpawns[k];
            if (spawn.room != next || spawn.fromRoom != prev) {
                continue;
            }
            player.position.x = spawn.x;
            player.position.y = spawn.y;
            if (spawn.setZ) {
                player.position.z = spawn.z;
            }
            if (spawn.setView) {
                player.viewAngles.set(spawn.roll, spawn.pitch, spawn.yaw);
            }
        }
        if (atmosphere.fogEnd > 0.0f) {
            gCamera->fogEnd = atmosphere.fogEnd;
        }
        // The room's records join the world in table order.
        switch (next) {
        case room::kStreet: buildRoom0(); break;
        case room::kGarden: buildRoom1(); break;
        case room::kFishPond: buildRoom2(); break;
        case room::kShed: buildRoom3(); break;
        case room::kHall: buildHouseShell(); buildRoom4(); break;
        case room::kBehindHall: buildHouseShell(); buildRoom5(); break;
        case room::kUpperFloor: buildHouseShell(); buildRoom6(); break;
        default: buildRoom7(); break;
        }
    }

    // The interface sounds stay referenced across the change.
    acquireCommonSounds();
    if (prev >= 0) {
        releaseCommonSounds();
    }
    // The new room's list first, so a resource both rooms use never falls to
    // zero and is never reloaded.
    for (int32_t k = 0; k < kRoomCount; ++k) {
        if (next == k) {
            acquirePinnedList(kRoomPinned[k]);
        }
        if (prev == k) {
            releasePinnedList(kRoomPinned[k]);
        }
    }
    gResourceCache->purgeUnused();
    playRoomChangeSounds(prev, next);
    if (player.selectedTarget) {
        rebuildTargetList();
        player.validateCurrentTarget();
    }
}

void PlayScreen::releaseRoomReferences() {
    const int32_t built = world.room;
    world.room = room::kNone;
    if (built < 0) {
        return;
    }
    releaseCommonSounds();
    if (isRoomNumber(built)) {
        releasePinnedList(kRoomPinned[built]);
    }
}
