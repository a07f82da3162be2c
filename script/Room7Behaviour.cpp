#include "script/Room7Behaviour.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/CountOf.h"
#include "engine/Light.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/RoomTables.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/TunnelLooks.h"
#include "script/RoomRule.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"

namespace {

struct PathPoint {
    float x;
    float limit;
};

const PathPoint kPath[] = {
    {0.0f, 10.06897f},      {-1.59247f, 8.55206f},  {-4.78321f, 9.86211f},  {-6.32101f, 10.16881f},
    {-6.99449f, 10.45744f}, {-11.24701f, 8.74489f}, {-17.02164f, 11.54089f}, {-24.38521f, 8.4678f},
    {-28.13847f, 10.06897f}, {-30.0f, 10.06897f},
};
const int32_t kPathCount = COUNT_OF(kPath);

// Destroys every object of list (taking each out of the world list), empties it.
void destroyListed(PlayScreen& play, std::vector<SceneObject*>& list) {
    const std::vector<SceneObject*> copy = list;
    for (SceneObject* object : copy) {
        play.world.worldList.deleteSceneObject(object);
    }
    list.clear();
}

void openTunnel(PlayScreen& play) {
    const float x = play.player.position.x;
    const float f = (std::fabs(x) / 29.0f) * (std::fabs(x) / 29.0f);
    if (f < 1.0f) {
        play.story.storyValue49 = f;
        for (SceneObject* row : play.story.tunnelRowList) {
            row->rotation.set(std::min(1.2f * f, 1.0f) * 180.0f * kDegrees, 0.0f, 0.0f);
        }
        return;
    }
    play.story.storyValue49 = 1.0f;
    play.story.storyValue50 = 0.0001f;
    playCueOnAnyChannel(sound::kRumble, 0.6f);
    deleteRowObject(play, kObjTunnelStart1);
    deleteRowObject(play, kObjTunnelStart2);
    destroyListed(play, play.story.tunnelRowList);
    SceneObjectList& w = play.world.worldList;
    for (int32_t r = 0; r < 20; ++r) {
        const float speed = drawRingSpeed();
        for (int32_t k = -1; k <= 0; ++k) {
            play.story.tunnelRowList.push_back(appendMovingRing(w, k * 30.0f - 0.5f - 1.5f * r, speed));
        }
    }
    for (int32_t k = -1; k <= 0; ++k) {
        play.story.tunnelFloorList.push_back(appendOpenArch(w, k * 30.0f - 0.5f));
    }
}

void closeTunnel(PlayScreen& play, float dt) {
    const float before = play.story.tunnelClosing();
    play.story.storyValue50 += 0.08f * dt;
    // The same test as the room builder's: the walls stand exactly while the
    // value is below the threshold, so a game saved at the threshold has
    // none to take away.
    if (before < kTunnelWallsGoneAt && play.story.tunnelClosing() >= kTunnelWallsGoneAt) {
        for (ObjectName wall : {kObjTunnelWall1, kObjTunnelWall2}) {
            if (play.world.worldList.containsSceneObject(objectName(wall))) {
                deleteRowObject(play, wall);
            }
        }
    }
    for (SceneObject* floor : play.story.tunnelFloorList) {
        floor->position.z = 1.0f - std::max(play.story.tunnelClosing() - 0.15f, 0.0f) * 0.4f;
    }
    if (play.story.tunnelClosing() >= 1.0f) {
        play.story.storyValue50 = 1.0f;
        destroyListed(play, play.story.tunnelRowList);
        destroyListed(play, play.story.tunnelFloorList);
    }
}

// Darker, redder and farther as the tunnel closes.
void atmosphere(float p) {
    const float q = std::min(std::max(p, 0.0f), 1.0f);
    const float e = 1.0f - (1.0f - q) * (1.0f - q);
    gCamera->farPlane = 10.0f + 10.0f * e;
    gCamera->fogEnd = 3.0f + 17.0f * e;
    gCamera->fogColour[0] = 0.05f + 0.25f * e;
    gCamera->fogColour[1] = 0.05f;
    gCamera->fogColour[2] = 0.05f;
    const float a = 0.9f - 0.7f * e;
    setAmbientLight(a, a, a);
    if (gMainLight) {
        gMainLight->setDirection(0.0f, -e, 0.5f * e - 1.0f);
        gMainLight->setColour(1.0f, 1.0f - e, 1.0f - e);
    }
}

// The hall's rules: stepping into it, the warning at its edge and the eyes
// that begin to open once the player walks in.

void reachHall(PlayScreen& play) { play.story.storyFlag51 = true; }

bool hallReached(const PlayScreen& play) { return play.story.hallReached(); }

void warnOffTheEdge(PlayScreen& play) {
    Vec3& p = play.player.position;
    play.script.scriptStepDelay = 1.0f;
    play.player.walkIntensity = 0.0f;
    Vec3 end = p;
    end.add(0.0f, -0.3f, 1.5f);
    play.startCameraFlight(end, play.player.playerViewAngles(), 1.0f, false);
    p.y -= 0.3f;
    say(play, kStpNotSupposedTo);
}

bool eyesShut(const PlayScreen& play) { return play.story.eyesOpening() == 0.0f && play.story.hallReached(); }

void startEyes(PlayScreen& play) {
    playCueOnAnyChannel(sound::kOminousSting, 0.6f);
    play.story.storyValue52 = 0.0001f;
    for (ObjectName name : {kObjEye1, kObjEye2}) {
        appendEye(play.world.worldList, name, 0.0f);
    }
}

const RoomRule kTunnelHallRuleRows[] = {
    {between(-13.0f, -9.0f), between(-4.0f, -2.38571f), anywhere(), nullptr, kAnyTime, room::kNone, kNoStep,
     reachHall},
    {anywhere(), over(-2.38571f), anywhere(), hallReached, kAnyTime, room::kNone, kNoStep, warnOffTheEdge},
    {over(-11.0f), anywhere(), anywhere(), eyesShut, kAnyTime, room::kNone, kNoStep, startEyes},
};

// Once begun, the eyes open a little further each frame until they are open.
void openEyes(PlayScreen& play, float dt) {
    if (play.story.eyesOpening() > 0.0f && play.story.eyesOpening() < 1.0f) {
        play.story.storyValue52 += 0.2f * dt;
        if (play.story.eyesOpening() >= 1.0f) {
            play.story.storyValue52 = 1.0f;
            for (ObjectName name : {kObjEye1, kObjEye2}) {
                openEye(*play.findSceneObject(name));
            }
        }
    }
}

// The way home: with the eyes open, the player at the door and looking
// through it.

bool facingHome(const PlayScreen& play) {
    const float yaw = play.player.viewAngles.z;
    return play.story.eyesOpening() == 1.0f && yaw >= 1.3089969f && yaw <= 1.8325957f;
}

void flyHome(PlayScreen& play) {
    play.script.scriptStepDelay = 4.0f;
    play.startCameraFlight(Vec3(-12.08f, -3.41f, 1.5f), Vec3(0.0f, 0.15708f, 1.5708f), 4.0f, true);
    play.player.walkIntensity = 0.0f;
}

const RoomRule kTunnelWayHomeRuleRows[] = {
    {within(-12.4f, -11.6f), atLeast(-3.4f), anywhere(), facingHome, kInControl, room::kNone, step::kTimelyReturn,
     flyHome},
};

}  // namespace

const RoomRuleTable kTunnelHallRules = {room::kTunnel, kTunnelHallRuleRows, ruleCount(kTunnelHallRuleRows)};
const RoomRuleTable kTunnelWayHomeRules = {room::kTunnel, kTunnelWayHomeRuleRows, ruleCount(kTunnelWayHomeRuleRows)};

float tunnelPathLimit(float x) {
    if (!(x > -30.0f && x < 0.0f)) {
        return 9.76897f;
    }
    int32_t k = 0;
    for (int32_t i = 0; i < kPathCount - 1; ++i) {
        if (kPath[i].x >= x) {
            k = i;
        }
    }
    const PathPoint& a = kPath[k];
    const PathPoint& b = kPath[k + 1];
    return a.limit + (b.limit - a.limit) * (x - a.x) / (b.x - a.x) - 0.3f;
}

void updateRoom7Behaviour(PlayScreen& play, float dt) {
    if (play.story.tunnelOpening() < 1.0f) {
        openTunnel(play);
    }
    if (play.story.tunnelClosing() > 0.0f && play.story.tunnelClosing() < 1.0f) {
        closeTunnel(play, dt);
    }
    atmosphere(play.story.tunnelClosing());
    applyRoomRules(play, kTunnelHallRules);
    openEyes(play, dt);
    applyRoomRules(play, kTunnelWayHomeRules);

    Vec3& p = play.player.position;
    p.y = std::min(p.y, tunnelPathLimit(p.x));
    if (p.y < -45.0f) {
        p.y += 5.0f;
    }
    if (p.x > 0.0f) {
        p.x -= 30.0f;
    } else if (p.x < -30.0f) {
        p.x += 30.0f;
    }
}
