#include "script/RoomBehaviour.h"

#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/StreetLooks.h"
#include "script/Room7Behaviour.h"
#include "script/RoomRule.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"

// The exits, triggers, limits and ambient movement of rooms 0 to 6; room 7
// lives in Room7Behaviour.cpp. The exits and triggers are rule tables, tested
// after each room's own movement. Exits only ask for the room change; the
// world script fades and builds.

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
    SceneObject* left = play.findSceneObject(kObjLeftBirdStatue);
    SceneObject* right = play.findSceneObject(kObjRightBirdStatue);
    wakeLeftBirdStatue(*left);
    wakeRightBirdStatue(*right);
    for (SceneObject* statue : {left, right}) {
        animate(statue, 0.0f, 1.0f);
    }
    Vec3 eye = play.player.playerEyePosition();
    eye.y += 0.3f;
    play.startCameraFlight(eye, play.player.playerViewAngles(), 0.5f, false);
    play.player.walkIntensity = 0.0f;
    play.script.scriptStepDelay = 0.5f;
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
        // Awake statues hold the player back until they have left.
        if (p.y > 9.8f && play.story.birdStatuesAwake() && !play.story.birdStatuesLeft()) {
            p.y = 9.8f;
        }
    }
    applyRoomRules(play, kStreetRules);
}

// The street's rules: the way to the garden once the statues have left, the
// statues waking the first time the player comes near, and the opened gate
// late at night.

bool statuesLeft(const PlayScreen& play) { return play.story.birdStatuesLeft(); }

bool statuesAsleep(const PlayScreen& play) {
    return !play.story.nightAlmostOver && !play.story.birdStatuesLeft() && !play.story.birdStatuesAwake();
}

bool gateOpenAtDawn(const PlayScreen& play) { return play.story.nightAlmostOver && play.story.gateOpened(); }

void standAtGate(PlayScreen& play) { play.player.position.x = 4.0f; }

const RoomRule kStreetRuleRows[] = {
    {anywhere(), over(10.25f), anywhere(), statuesLeft, kAnyTime, room::kGarden, kNoStep, nullptr},
    {anywhere(), over(9.8f), anywhere(), statuesAsleep, kAnyTime, room::kNone, step::kCameraDrawsBack, wakeStatues},
    {between(2.9f, 4.0f), between(4.1f, 5.9f), anywhere(), gateOpenAtDawn, kAnyTime, room::kTunnel, kNoStep,
     standAtGate},
};

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
    applyRoomRules(play, kGardenRules);
}

// The garden's rules: the dog's corner, the street wall and the house door.

// The dog notices the player in its corner; late at night there is no dog to
// notice anything.
bool dogAwaitsBone(const PlayScreen& play) {
    return !play.story.bonePlaced && play.world.worldList.containsSceneObject(objectName(kObjDog));
}

void forgetReactions(PlayScreen& play) { play.story.reactionList.clear(); }

const RoomRule kGardenRuleRows[] = {
    {over(12.4f), over(24.0f), anywhere(), dogAwaitsBone, kAnyTime, room::kNone, step::kLayBoneDown, nullptr},
    {anywhere(), under(10.25f), anywhere(), nullptr, kAnyTime, room::kStreet, kNoStep, forgetReactions},
    {over(11.5f), over(29.25f), anywhere(), nullptr, kAnyTime, room::kHall, kNoStep, forgetReactions},
};

void room2(PlayScreen& play) {
    Vec3& p = play.player.position;
    const float d = std::sqrt(p.x * p.x + p.y * p.y);
    if (d > 4.35f) {
        p.x *= 4.35f / d;
        p.y *= 4.35f / d;
    }
}

// The hall's rules: the painting swings open once the coin lies in the well
// and the person upstairs has seen the costume; the far end leads low to the
// room behind, high to the upper floor.

bool paintingReady(const PlayScreen& play) {
    return play.story.coinInWell && !play.story.paintingOpened() && play.story.personSawCostume();
}

void swingPainting(PlayScreen& play) {
    playCueOnAnyChannel(sound::kPaintingSwings, 0.6f);
    play.story.storyFlag37 = true;
    SceneObject* painting = play.findSceneObject(kObjBigPainting);
    painting->setSceneObjectMesh(mesh::kBigPaintingSwinging);
    painting->animTime = 0.0f;
    flyToward(play, play.player.playerEyePosition(), Vec3(14.1f, 41.0f, 2.25f), 2.0f, true);
    play.player.walkIntensity = 0.0f;
    play.script.scriptStepDelay = 3.0f;
}

const RoomRule kHallRuleRows[] = {
    {between(13.0f, 15.0f), between(37.2f, 40.8f), anywhere(), paintingReady, kAnyTime, room::kNone,
     step::kPaintingSwings, swingPainting},
    {anywhere(), under(29.25f), anywhere(), nullptr, kAnyTime, room::kGarden, kNoStep, nullptr},
    {between(10.3f, 17.0f), over(41.3f), under(3.5f), nullptr, kAnyTime, room::kBehindHall, kNoStep, nullptr},
    {between(10.3f, 17.0f), over(41.3f), over(7.25f), nullptr, kAnyTime, room::kUpperFloor, kNoStep, nullptr},
};

const RoomRule kBehindHallRuleRows[] = {
    {under(16.0f), under(41.3f), anywhere(), nullptr, kAnyTime, room::kHall, kNoStep, nullptr},
};

const RoomRule kUpperFloorRuleRows[] = {
    {anywhere(), anywhere(), under(7.25f), nullptr, kAnyTime, room::kHall, kNoStep, nullptr},
};

}  // namespace

const RoomRuleTable kStreetRules = {room::kStreet, kStreetRuleRows, ruleCount(kStreetRuleRows)};
const RoomRuleTable kGardenRules = {room::kGarden, kGardenRuleRows, ruleCount(kGardenRuleRows)};
const RoomRuleTable kHallRules = {room::kHall, kHallRuleRows, ruleCount(kHallRuleRows)};
const RoomRuleTable kBehindHallRules = {room::kBehindHall, kBehindHallRuleRows, ruleCount(kBehindHallRuleRows)};
const RoomRuleTable kUpperFloorRules = {room::kUpperFloor, kUpperFloorRuleRows, ruleCount(kUpperFloorRuleRows)};

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
        applyRoomRules(play, kHallRules);
        break;
    case room::kBehindHall:
        applyRoomRules(play, kBehindHallRules);
        break;
    case room::kUpperFloor:
        applyRoomRules(play, kUpperFloorRules);
        break;
    case room::kTunnel:
        updateRoom7Behaviour(play, dt);
        break;
    default:
        break;
    }
}
