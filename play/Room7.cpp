#include "catalog/ResourceCatalog.h"
#include "engine/CountOf.h"
#include "engine/Random.h"
#include "play/BackdropLayer.h"
#include "play/PlayScreen.h"
#include "play/RoomRecord.h"
#include "play/RoomRow.h"
#include "play/RoomTables.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/StoryState.h"
#include "play/TunnelLooks.h"

namespace {

// The tunnel's repeated set: mesh, texture, second texture, speed.
struct TunnelPiece {
    int32_t mesh, texture, secondTexture;
    float speed;
};
const TunnelPiece kTunnelPieces[] = {
    {mesh::kTunnelGround, picture::kTunnelGround, picture::kBlack, 0.01f},
    {mesh::kTunnelPosts, picture::kTunnelWalls, picture::kRedSheen, 1.0f},
    {mesh::kTunnelStones, picture::kTunnelStones, picture::kBlack, 1.0f},
    {mesh::kTunnelHall, picture::kTunnelWalls, picture::kRedSheen, 1.0f},
    {mesh::kTunnelRidges, picture::kTunnelRidges, picture::kBlack, 1.0f},
    {mesh::kTunnelDeadTrees, picture::kTunnelDeadTrees, picture::kBlack, 1.0f},
};

// The small hall's walls: position and half-extents.
const float kHallWalls[6][5] = {
    {-10.15905f, -2.23471f, 1.355f, 0.151f}, {-13.13256f, -2.23471f, 0.535f, 0.151f},
    {-11.18298f, -4.90726f, 2.498f, 0.151f}, {-8.8f, -3.57125f, 0.151f, 1.487f},
    {-13.54563f, -3.57125f, 0.151f, 1.487f}, {-9.92901f, -4.25241f, 0.989f, 0.519f},
};

// One ring of the tunnel, moved along x to its place; the moving ring is
// the same row with the moving mesh, turned over.
const RoomRow kTunnelRing = {mesh::kTunnelRing, picture::kTunnelRing, picture::kDampSheen, 0.0f, 5.0f, 1.0f, 0,
                             kNoCollision, kNoCollision, kNoCollision, 20.0f};

// The tunnel's mouth, there until the tunnel is fully open, and its side
// walls while they stand.
bool mouthThere(const StoryState& s) { return s.tunnelOpening() < 1.0f; }
bool wallsStand(const StoryState& s) { return s.tunnelClosing() < kTunnelWallsGoneAt; }
const StoryRoomRow kTunnelStart[] = {
    {mouthThere, kObjTunnelStart1, {mesh::kTunnelStart, picture::kTunnelRing, picture::kDampSheen, 9.5f, 5.0f, 1.0f, 0,
                                    10.6f, 1.0f, 10.0f, 9999.0f}},
    {mouthThere, kObjTunnelStart2, {mesh::kTunnelStartEnd, picture::kDarkWood, picture::kDampSheen, 9.5f, 5.0f, 1.0f,
                                    0, kNoCollision, kNoCollision, kNoCollision, 9999.0f}},
};
const StoryRoomRow kTunnelWalls[] = {
    {wallsStand, kObjTunnelWall1, {-1, -1, -1, 10.0f, 3.85f, 1.0f, 0, 100.0f, 0.3f, 10.0f, 0}},
    {wallsStand, kObjTunnelWall2, {-1, -1, -1, 10.0f, 6.15f, 1.0f, 0, 100.0f, 0.3f, 10.0f, 0}},
};

// The open tunnel's arches, built as the opening builds them in front of the
// player: two copies, at x offsets of -30 and 0, only while the tunnel has
// not closed, as closing takes them away. They join the floor list.
void appendOpenArches(SceneObjectList& w, StoryState& story) {
    if (!(story.tunnelOpening() == 1.0f && story.tunnelClosing() < 1.0f)) {
        return;
    }
    for (int k = -1; k <= 0; ++k) {
        story.tunnelFloorList.push_back(appendOpenArch(w, 30.0f * static_cast<float>(k) - 0.5f));
    }
}

// Three copies of the tunnel's set along x, each with the corridor's posts
// and the small hall's walls.
void appendTunnelSets(SceneObjectList& w) {
    for (int m = -1; m <= 1; ++m) {
        const float x = 30.0f * static_cast<float>(m);
        for (const TunnelPiece& piece : kTunnelPieces) {
            RoomRecord record;
            record.mesh(piece.mesh).texture(piece.texture).secondTexture(piece.secondTexture).at(x, 0.0f, 0.0f);
            if (piece.speed != 1.0f) {
                record.speed(piece.speed);
            }
            w.appendSceneObject(record.drawDistance(9999.0f).take());
        }
        for (int n = -1; n <= 20; ++n) {
            const float xn = -0.5f - 1.5f * static_cast<float>(n);
            w.appendSceneObject(RoomRecord().at(xn, 3.85f, 1.0f).size(0.25f, 0.25f, 10.0f).take());
            w.appendSceneObject(RoomRecord().at(xn, 6.15f, 1.0f).size(0.25f, 0.25f, 10.0f).take());
        }
        for (const auto& wall : kHallWalls) {
            w.appendSceneObject(RoomRecord().at(wall[0], wall[1], 1.0f).size(wall[2], wall[3], 10.0f).take());
        }
    }
}

// Until the tunnel has closed: its rings (still until the tunnel is fully
// open, then moving, each at its own speed and as far on as the closing)
// in the row list, and the floor strips in the floor list.
void appendRingsAndFloor(SceneObjectList& w, StoryState& story) {
    if (!(story.tunnelClosing() < 1.0f)) {
        return;
    }
    for (int n = 0; n <= 19; ++n) {
        const float xn = -0.5f - 1.5f * static_cast<float>(n);
        RoomRow ring = kTunnelRing;
        if (story.tunnelOpening() == 1.0f) {
            const float s = drawRingSpeed();
            for (int k = -1; k <= 0; ++k) {
                SceneObject* moving = appendMovingRing(w, 30.0f * static_cast<float>(k) + xn, s);
                moving->animTime = story.tunnelClosing() * 11.0f * s;
                story.tunnelRowList.push_back(moving);
            }
        } else if (story.tunnelOpening() < 1.0f) {
            for (int k = -1; k <= 0; ++k) {
                ring.x = 30.0f * static_cast<float>(k) + xn;
                story.tunnelRowList.push_back(w.appendSceneObject(RoomRecord(ring).take()));
            }
        }
    }
    for (int n = -15; n <= 34; ++n) {
        SceneObject* object = w.appendSceneObject(RoomRecord()
                                                      .mesh(mesh::kTunnelFloorStrip)
                                                      .speed(0.4f)
                                                      .texture(picture::kTunnelFloor)
                                                      .secondTexture(picture::kBlack)
                                                      .at(-0.5f - 1.5f * static_cast<float>(n), 5.0f, 1.0f)
                                                      .drawDistance(20.0f)
                                                      .take());
        story.tunnelFloorList.push_back(object);
    }
}

// The eyes, once they begin to open: opening as far as they have, then open.
// Both look as they do when they open in front of the player.
void appendEyes(SceneObjectList& w, const StoryState& story) {
    if (!(story.eyesOpening() > 0.0f)) {
        return;
    }
    appendEye(w, kObjEye1, story.eyesOpening());
    appendEye(w, kObjEye2, story.eyesOpening());
}

}  // namespace

float drawRingSpeed() { return 11.0f / (randomUnit() * 7.5f + 5.0f); }

SceneObject* appendMovingRing(SceneObjectList& list, float x, float speed) {
    RoomRow ring = kTunnelRing;
    ring.mesh = mesh::kTunnelRingMoving;
    ring.x = x;
    return list.appendSceneObject(RoomRecord(ring).turnDegrees(180.0f, 0.0f, 0.0f).speed(speed).take());
}

SceneObject* appendOpenArch(SceneObjectList& list, float x) {
    return list.appendSceneObject(RoomRecord()
                                      .mesh(mesh::kTunnelArch)
                                      .texture(picture::kTunnelArch)
                                      .secondTexture(picture::kRedSheen)
                                      .at(x, 5.0f, 1.0f)
                                      .turnDegrees(180.0f, 0.0f, 0.0f)
                                      .drawDistance(9999.0f)
                                      .take());
}

SceneObject* appendEye(SceneObjectList& list, ObjectName name, float opening) {
    RoomRecord eye;
    if (opening < 1.0f) {
        eye.mesh(mesh::kEyesOpening).animTime(5.0f * opening);
    } else {
        eye.mesh(mesh::kEyesOpen);
    }
    eye.secondTexture(picture::kBlack).drawDistance(9999.0f).name(name).texture(picture::kEyes);
    return list.appendSceneObject(eye.take());
}

void openEye(SceneObject& eye) {
    eye.setSceneObjectMesh(mesh::kEyesOpen);
    eye.animSpeed = 1.0f;
}

// Room 7, the tunnel: the backdrop, then the open tunnel's arches, three
// copies of the tunnel set with the corridor's boxes, and the story-driven
// mouth, rings and floor, walls and eyes.
void PlayScreen::buildRoom7() {
    SceneObjectList& w = world.worldList;
    replaceEffect(effects.backdropLayer)
        .createBackdropLayer(story.costumeGhost, story.costumeWerewolf, story.costumeDeath);
    // The lists only point into the world list; emptied before anything is
    // built, so that an open tunnel's arches and segments join them just as
    // they do when the tunnel opens in front of the player, and sink and go
    // with the closing tunnel after a saved game is loaded.
    story.tunnelFloorList.clear();
    story.tunnelRowList.clear();
    appendOpenArches(w, story);
    appendTunnelSets(w);
    appendStoryRows(w, story, kTunnelStart, COUNT_OF(kTunnelStart));
    appendRingsAndFloor(w, story);
    appendStoryRows(w, story, kTunnelWalls, COUNT_OF(kTunnelWalls));
    appendEyes(w, story);
}
