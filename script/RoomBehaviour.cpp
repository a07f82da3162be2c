#include "script/RoomBehaviour.h"

#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/Room7Behaviour.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"

// The exits, limits and ambient movement of rooms 0 to 6; room 7 lives in
// Room7Behaviour.cpp. Exits only ask for the room change; the world script
// fades and builds.

namespace {

const float kProcessionSpeed = 0.4f;

// An x below player x - 15 gains 30 once, above player x + 15 loses 30 once.
void keepNear(SceneObject* object, float playerX) {
    if (object->position.x < playerX - 15.0f) {
        object->position.x += 30.0f;
    } else if (object->position.x > playerX + 15.0f) {
        object->position.x -= 30.0f;
    }
}

bool boxesOverlap(const Vec3& ca, const Vec3& ha, const Vec3& cb, const Vec3& hb) {
    return std::fabs(ca.x - cb.x) <= ha.x + hb.x && std::fabs(ca.y - cb.y) <= ha.y + hb.y &&
           std::fabs(ca.z - cb.z) <= ha.z + hb.z;
}

// Walking or standing meshes of the procession.
void poseProcession(PlayScreen& play, bool walking) {
    play.story.processionWalking = walking;
    const int32_t skeleton = walking ? 16 : 50;
    const int32_t leader = walking ? (play.story.knifeTaken ? 59 : 19) : (play.story.knifeTaken ? 61 : 60);
    const int32_t monique = walking ? (play.story.moniqueHasFlower ? 52 : 17) : (play.story.moniqueHasFlower ? 54 : 53);
    const int32_t something = walking ? 13 : 57;
    play.findSceneObject(kObjHomelessSkeleton)->crossFadeSceneObjectMesh(skeleton, 0.75f);
    play.findSceneObject(kObjFollowedLeader)->crossFadeSceneObjectMesh(leader, 0.75f);
    SceneObject* m = play.findSceneObject(kObjMonique);
    m->crossFadeSceneObjectMesh(monique, 0.75f);
    if (walking) {
        m->animSpeed = 2.0f;
    }
    play.findSceneObject(kObjSomething)->crossFadeSceneObjectMesh(something, 0.75f);
}

void moveProcession(PlayScreen& play, float dt) {
    play.story.storyValue04 -= kProcessionSpeed * dt;
    const ObjectName walkers[] = {kObjHomelessSkeleton, kObjFollowedLeader, kObjKnife, kObjMonique, kObjSomething};
    Player& player = play.player;
    for (ObjectName name : walkers) {
        if (name == kObjKnife && play.story.knifeTaken) {
            continue;
        }
        SceneObject* walker = play.findSceneObject(name);
        walker->position.x -= kProcessionSpeed * dt;
        while (walker->position.x < player.position.x - 15.0f) walker->position.x += 30.0f;
        while (walker->position.x > player.position.x + 15.0f) walker->position.x -= 30.0f;
        if (boxesOverlap(walker->position, walker->halfSize, player.playerBoxCentre(), player.playerBoxHalfSize())) {
            player.position.x -= kProcessionSpeed * dt;
            player.position.y +=
                player.position.y > walker->position.y ? kProcessionSpeed * dt : -kProcessionSpeed * dt;
        }
    }
}

void wakeStatues(PlayScreen& play) {
    playCueOnAnyChannel(sound::kBirdsWake, 0.8f);
    play.story.storyFlag20 = true;
    const Vec3 scale(0.5f, 0.7f, 0.7f);
    SceneObject* left = play.findSceneObject(kObjLeftBirdStatue);
    SceneObject* right = play.findSceneObject(kObjRightBirdStatue);
    left->setSceneObjectMesh(mesh::kLeftBirdAwake);
    right->setSceneObjectMesh(mesh::kRightBirdAwake);
    for (SceneObject* statue : {left, right}) {
        animate(statue, 0.0f, 1.0f);
        statue->setSceneObjectTexture(picture::kCharacterAtlas);
    }
    addGlow(left, 1433, scale, 0.12549f, 1.0f, 1.0f, 1.0f);
    addGlow(left, 1043, scale, 0.12549f, 1.0f, 1.0f, 1.0f);
    addGlow(right, 363, scale, 0.12549f, 1.0f, 1.0f, 1.0f);
    addGlow(right, 1063, scale, 0.12549f, 1.0f, 1.0f, 1.0f);
    Vec3 eye = play.player.playerEyePosition();
    eye.y += 0.3f;
    play.startCameraFlight(eye, play.player.playerViewAngles(), 0.5f, false);
    play.player.walkIntensity = 0.0f;
    play.script.scriptStepDelay = 0.5f;
    play.script.scriptStep = step::kPlayerDucks;
}

void birdStatues(PlayScreen& play, bool inControl) {
    if (!play.story.birdStatuesAwake() || play.story.birdStatuesLeft()) {
        return;
    }
    const float x = play.player.position.x;
    const float f = gCamera->farPlane;
    if (play.story.broomstickInCrack && play.story.hatOnBroomstick && (x < 11.5f - f || x > 13.8f + f)) {
        play.story.storyFlag21 = true;
        deleteRowObject(play, kObjLeftBirdStatue);
        deleteRowObject(play, kObjRightBirdStatue);
        return;
    }
    if (!inControl) {
        return;
    }
    Vec3 offset = play.player.position;
    offset.subtract(12.65f, 10.0f, 0.0f);
    float v = 2.0f - 0.5f * offset.length();
    if (v > 1.0f) {
        v = 3.0f * v - 2.0f;
    }
    v = std::min(std::max(v, 0.0f), 3.0f);
    play.findSceneObject(kObjLeftBirdStatue)->animTime = v;
    play.findSceneObject(kObjRightBirdStatue)->animTime = v;
}

void room0(PlayScreen& play, float dt) {
    Vec3& p = play.player.position;
    if (p.x > 30.0f) {
        p.x -= 30.0f;
    } else if (p.x < 0.0f) {
        p.x += 30.0f;
    }
    if (play.story.nightAlmostOver) {
        keepNear(play.findSceneObject(kObjGate), p.x);
        if (p.y > 10.25f && play.story.birdStatuesLeft()) {
            play.world.pendingRoom = room::kGarden;
        }
    } else {
        const bool inControl = play.isPlayerInControl();
        if (inControl && !play.story.processionWalking) {
            poseProcession(play, true);
        } else if (!inControl && play.story.processionWalking) {
            poseProcession(play, false);
        }
        if (inControl) {
            moveProcession(play, dt);
        }
        keepNear(play.findSceneObject(kObjStationaryWitch), p.x);
        keepNear(play.findSceneObject(kObjShadyCat), p.x);
        if (play.story.moniqueHasFlower && !play.story.hatTaken) keepNear(play.findSceneObject(kObjHat), p.x);
        if (!play.story.flowerTaken) keepNear(play.findSceneObject(kObjFlower), p.x);
        if (!play.story.broomstickTaken) keepNear(play.findSceneObject(kObjBroomstick), p.x);
        birdStatues(play, inControl);
        if (p.y > 9.8f) {
            if (play.story.birdStatuesLeft()) {
                if (p.y > 10.25f) play.world.pendingRoom = room::kGarden;
            } else if (!play.story.birdStatuesAwake()) {
                wakeStatues(play);
            } else {
                p.y = 9.8f;
            }
        }
    }
    if (p.x > 2.9f && p.x < 4.0f && p.y > 4.1f && p.y < 5.9f && play.story.nightAlmostOver && play.story.gateOpened()) {
        p.x = 4.0f;
        play.world.pendingRoom = room::kTunnel;
    }
}

void room1(PlayScreen& play, float dt) {
    const Vec3& p = play.player.position;
    for (SceneObject* object : play.story.reactionList) {
        const float dx = object->position.x - p.x;
        const float dy = object->position.y - p.y;
        if (std::sqrt(dx * dx + dy * dy) < 0.4f) {
            object->animTime = std::min(object->animTime + 4.0f * dt, 1.0f);
        } else {
            object->animTime = std::max(object->animTime - 0.04f * dt, 0.0f);
        }
    }
    // The dog notices the player in its corner; late at night there is no
    // dog to notice anything.
    if (p.y > 24.0f && p.x > 12.4f && !play.story.bonePlaced &&
        play.world.worldList.containsSceneObject(objectName(kObjDog))) {
        play.script.scriptStep = step::kLayBoneDown;
    }
    if (p.y < 10.25f) {
        play.story.reactionList.clear();
        play.world.pendingRoom = room::kStreet;
    }
    if (p.y > 29.25f && p.x > 11.5f) {
        play.story.reactionList.clear();
        play.world.pendingRoom = room::kHall;
    }
}

void room2(PlayScreen& play) {
    Vec3& p = play.player.position;
    const float d = std::sqrt(p.x * p.x + p.y * p.y);
    if (d > 4.35f) {
        p.x *= 4.35f / d;
        p.y *= 4.35f / d;
    }
}

void room4(PlayScreen& play) {
    const Vec3& p = play.player.position;
    if (play.story.coinInWell && !play.story.paintingOpened() && play.story.personSawCostume() && p.x > 13.0f &&
        p.x < 15.0f &&
        p.y > 37.2f && p.y < 40.8f) {
        playCueOnAnyChannel(sound::kPaintingSwings, 0.6f);
        play.story.storyFlag37 = true;
        SceneObject* painting = play.findSceneObject(kObjBigPainting);
        painting->setSceneObjectMesh(mesh::kBigPaintingSwinging);
        painting->animTime = 0.0f;
        flyToward(play, play.player.playerEyePosition(), Vec3(14.1f, 41.0f, 2.25f), 2.0f, true);
        play.player.walkIntensity = 0.0f;
        play.script.scriptStepDelay = 3.0f;
        play.script.scriptStep = step::kPaintingSwings;
    }
    if (p.y < 29.25f) {
        play.world.pendingRoom = room::kGarden;
    }
    if (p.x > 10.3f && p.x < 17.0f && p.y > 41.3f) {
        if (p.z < 3.5f) {
            play.world.pendingRoom = room::kBehindHall;
        } else if (p.z > 7.25f) {
            play.world.pendingRoom = room::kUpperFloor;
        }
    }
}

}  // namespace

void updateRoomBehaviour(PlayScreen& play, float dt) {
    switch (play.world.room) {
    case room::kStreet:
        room0(play, dt);
        break;
    case room::kGarden:
        room1(play, dt);
        break;
    case room::kFishPond:
        room2(play);
        break;
    case room::kHall:
        room4(play);
        break;
    case room::kBehindHall:
        if (play.player.position.y < 41.3f && play.player.position.x < 16.0f) play.world.pendingRoom = room::kHall;
        break;
    case room::kUpperFloor:
        if (play.player.position.z < 7.25f) play.world.pendingRoom = room::kHall;
        break;
    case room::kTunnel:
        updateRoom7Behaviour(play, dt);
        break;
    default:
        break;
    }
}
