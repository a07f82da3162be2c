#include "play/PlayScreen.h"

#include <initializer_list>

#include "catalog/ResourceCatalog.h"
#include "play/GlowSprite.h"
#include "engine/CountOf.h"
#include "play/RoomRecord.h"
#include "play/RoomRow.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/StoryState.h"
#include "play/StreetLooks.h"

namespace {

const float kGlowBlue = 0.1254902f;  // 32/255

// A bird statue awake with mesh n and its two eyes on vertices first and
// second: the created vector times (0.5, 0.7, 0.7), in pale blue.
void wakeBirdStatue(SceneObject& statue, int32_t n, int32_t first, int32_t second) {
    statue.setSceneObjectMesh(n);
    statue.setSceneObjectTexture(picture::kCharacterAtlas);
    for (int32_t vertex : {first, second}) {
        GlowSprite& sprite = statue.attachGlowSprite(vertex);
        sprite.quadExtent.multiply(0.5f, 0.7f, 0.7f);
        setGlowColour(&sprite, kGlowBlue, 1.0f, 1.0f, 1.0f);
    }
}

// The coin machine's wall posts, beside its panel.
const RoomRow kCoinMachinePosts[] = {
    {-1, -1, -1, 15.925f, 0.3f, 1.0f, 0, 0.3325f, 0.5f, 1.21f, 0},
    {-1, -1, -1, 19.075f, 0.3f, 1.0f, 0, 0.3325f, 0.5f, 1.21f, 0},
};

// The street's items and the coin machine, each there while its condition
// holds. The key lies under the rock: taking the rock uncovers it.
bool flowerThere(const StoryState& s) { return !s.flowerTaken; }
bool rockThere(const StoryState& s) { return !s.rockTaken; }
bool keyThere(const StoryState& s) { return s.rockTaken && !s.keyTaken; }
bool bristlesThere(const StoryState& s) { return !s.bristlesTaken; }
bool broomstickLeaning(const StoryState& s) { return !s.broomstickTaken; }
bool broomstickInCrack(const StoryState& s) { return s.broomstickInCrack; }
bool candleThere(const StoryState& s) { return s.candleDispensed() && !s.candleTaken; }
const StoryRoomRow kStreetItems[] = {
    {nullptr, kUnnamedRow, {mesh::kFlowerStalks, -1, -1, 3.87f, 9.52f, 0.0f, 0, kNoCollision, kNoCollision,
                            kNoCollision, 0}},
    {flowerThere, kObjFlower, {mesh::kFlower, -1, -1, 3.87f, 9.52f, 0.0f, 0, kNoCollision, kNoCollision,
                               kNoCollision, 0}},
    {rockThere, kObjRock, {mesh::kRock, picture::kRockSurface, picture::kStoneSheen, 6.0f, 2.0f, 0.0f, 0,
                           kNoCollision, kNoCollision, kNoCollision, 0}},
    {keyThere, kObjKey, {mesh::kKey, picture::kBrass, -1, 6.0f, 2.0f, 0.012f, 0, kNoCollision, kNoCollision,
                         kNoCollision, 0}},
    {nullptr, kObjCrack, {-1, -1, -1, 12.0f, 8.5f, 0.0f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
    {bristlesThere, kObjBristles, {mesh::kBristles, -1, picture::kStoneSheen, 24.8f, 0.9f, 0.0f, 0, kNoCollision,
                                   kNoCollision, kNoCollision, 0}},
    {broomstickLeaning, kObjBroomstick, {mesh::kBroomstick, -1, picture::kStoneSheen, 24.0f, 0.75f, 0.621f, 0,
                                         kNoCollision, kNoCollision, kNoCollision, 0}},
    {broomstickInCrack, kObjBroomstick, {mesh::kBroomstick, -1, picture::kStoneSheen, 12.1f, 8.45f, 0.421f, 0,
                                         kNoCollision, kNoCollision, kNoCollision, 0}},
    {nullptr, kObjSpacedLock, {-1, -1, -1, 17.5f, 0.6f, 1.1f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
    {nullptr, kUnnamedRow, {mesh::kCoinMachine, -1, -1, 15.17f, 0.875f, 0.58f, 0, 0.285f, 0.17f, 0.61f, 0}},
    {candleThere, kObjCandle, {mesh::kCandle, -1, -1, 15.34f, 0.95f, 0.748f, 0, kNoCollision, kNoCollision,
                               kNoCollision, 0}},
    {nullptr, kObjLeftSlider, {-1, -1, -1, 15.4f, 1.0f, 0.9f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
    {nullptr, kObjRightSlider, {-1, -1, -1, 15.2f, 1.0f, 0.9f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
    {nullptr, kObjCoinSlot, {-1, -1, -1, 15.0f, 1.0f, 1.1f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
};

// The gateway's lock's place, the same from both sides of the wall; its
// mesh, box and name follow whether it is shut or open.
const RoomRow kLockPlace = {-1, -1, -1, 12.65f, 10.0f, 1.1f, 0, kNoCollision, kNoCollision, kNoCollision, 0};

// The snake asleep on the wall until its rope is taken.
bool snakeAsleep(const StoryState& s) { return !s.ropeTaken; }
const StoryRoomRow kSleepingSnake = {snakeAsleep, kObjSleepingSnake, {mesh::kSleepingSnake, -1, -1, 10.0f, 0.6f,
                                                                     2.0f, 0, kNoCollision, kNoCollision,
                                                                     kNoCollision, 0}};

// Late at night: the tall boxes around the gate, and the one across it
// while it is shut.
const RoomRow kGateBoxes[] = {
    {-1, -1, -1, 3.45f, 3.8f, 10.0f, 0, 1.0f, 0.2f, 30.0f, 0},
    {-1, -1, -1, 3.45f, 6.2f, 10.0f, 0, 1.0f, 0.2f, 30.0f, 0},
    {-1, -1, -1, 2.21f, 5.0f, 10.0f, 0, 0.5f, 0.8f, 30.0f, 0},
};
const NamedRoomRow kShutGate = {kObjGate1, {-1, -1, -1, 3.45f, 5.0f, 10.0f, 0, 1.74f, 0.8f, 30.0f, 0}};

// Late in the procession's scene: the witch (speed 0.1, eyes added) and the
// shady cat (its mesh following its pose).
const RoomRow kWitch = {mesh::kWitch, picture::kWitchLook, -1, 23.26f, 1.1f, 1.6f, 90.0f, 0.3f, 0.3f, 1.5f, 0};
const NamedRoomRow kShadyCat = {
    kObjShadyCat, {-1, picture::kCatLook, picture::kBlack, 22.3f, 1.0f, 0.6f, 0, 0.15f, 0.15f, 1.5f, 0}};

// The wall and the ground grid: the south wall with the coin machine's wall
// at i = 3, the north wall with the gateway and its lock at i = 2, and the
// ground with the crack's tile at i = 2, j = 1.
void appendStreetGrid(SceneObjectList& w, const StoryState& story) {
    for (int i = -2; i <= 7; ++i) {
        const float x0 = 5.0f * static_cast<float>(i) + 2.5f;
        if (i != 3) {
            w.appendSceneObject(RoomRecord().mesh(mesh::kStreetWall).at(x0, 0.3f, 1.0f).size(2.5f, 0.3f, 1.0f).take());
        } else {
            w.appendSceneObject(RoomRecord().mesh(mesh::kCoinMachinePanel).at(17.5f, 0.3f, 1.0f).take());
            w.appendSceneObject(
                RoomRecord().mesh(mesh::kCoinMachineWall).at(17.5f, 0.3f, 1.0f).size(2.5f, 0.3f, 1.0f).take());
            appendRoomRows(w, kCoinMachinePosts, COUNT_OF(kCoinMachinePosts));
        }
        if (i != 2) {
            w.appendSceneObject(RoomRecord().mesh(mesh::kGardenWall).at(x0, 10.0f, 1.0f).size(2.5f, 0.3f, 1.0f).take());
        } else {
            w.appendSceneObject(RoomRecord().mesh(mesh::kGatewayWall).at(12.5f, 10.0f, 1.0f).take());
            appendRoomRows(w, kGatewaySides, kGatewaySideCount);
            appendGatewayLock(w, story.lockOpened);
        }
        for (int j = -2; j <= 3; ++j) {
            if (i == 2 && j == 1) {
                w.appendSceneObject(RoomRecord().mesh(mesh::kCrackTile).at(12.5f, 7.5f, 0.0f).take());
            } else {
                w.appendSceneObject(
                    RoomRecord().mesh(mesh::kGroundTile).at(x0, 5.0f * static_cast<float>(j) + 2.5f, 0.0f).take());
            }
        }
    }
}

// Monique, with her three pink glows, shift along the street.
void appendMonique(SceneObjectList& w, float shift) {
    RoomRecord monique;
    monique.name(kObjMonique).texture(picture::kCharacterAtlas).at(13.7f + shift, 3.0f, 1.0f).size(0.45f, 0.45f, 1.0f);
    const int32_t vertices[3] = {1486, 1771, 1918};
    const float scales[3] = {0.5f, 0.7f, 0.4f};
    for (int k = 0; k < 3; ++k) {
        GlowSprite* sprite = monique.glow(vertices[k]);
        sprite->quadExtent.scale(scales[k]);
        setGlowColour(sprite, 1.0f, 0.3215686f, 0.7372549f, 1.0f);
    }
    w.appendSceneObject(monique.take());
}

// The leader the procession follows, with two green glows.
void appendLeader(SceneObjectList& w, float shift) {
    RoomRecord leader;
    leader.name(kObjFollowedLeader)
        .texture(picture::kCharacterAtlas)
        .at(20.7f + shift, 3.1f, 1.0f)
        .size(0.5f, 0.5f, 1.0f)
        .speed(1.2f);
    for (int32_t vertex : {1434, 1437}) {
        GlowSprite* sprite = leader.glow(vertex);
        sprite->quadExtent.scale(0.6f);
        sprite->quadExtent.x = 0.2f;
        setGlowColour(sprite, 0.0f, 0.5882353f, 0.0f, 1.0f);
    }
    w.appendSceneObject(leader.take());
}

// The witch who stands still (speed 0.1) with her two blue eyes.
void appendWitch(SceneObjectList& w) {
    RoomRecord witch(kWitch);
    witch.name(kObjStationaryWitch).speed(0.1f);
    for (int32_t vertex : {242, 835}) {
        setGlowColour(witch.glow(vertex), kGlowBlue, kGlowBlue, 1.0f, 1.0f);
    }
    w.appendSceneObject(witch.take());
}

// The homeless skeleton, turned to face the street, with violet eyes.
void appendSkeleton(SceneObjectList& w, float shift) {
    RoomRecord skeleton;
    skeleton.name(kObjHomelessSkeleton)
        .texture(picture::kSkeletonLook)
        .at(27.0f + shift, 7.8f, 1.565f)
        .turnDegrees(0.0f, 0.0f, 180.0f)
        .size(0.282f, 0.282f, 1.08f)
        .speed(1.5f);
    for (int32_t vertex : {2688, 2691}) {
        GlowSprite* sprite = skeleton.glow(vertex);
        sprite->quadExtent.set(0.15f, 0.4f, 0.8f);
        setGlowColour(sprite, 0.6431373f, 0.2980392f, 1.0f, 1.0f);
    }
    w.appendSceneObject(skeleton.take());
}

// The procession, shifted along the street as far as it has walked, and
// standing until its scene starts it: the something, Monique, her dropped
// hat, the leader and the knife it carries, the witch, the shady cat and the
// skeleton.
void appendProcession(SceneObjectList& w, StoryState& story) {
    story.processionWalking = false;
    const float shift = story.processionShift();
    w.appendSceneObject(RoomRecord()
                            .name(kObjSomething)
                            .texture(picture::kSomethingLook)
                            .secondTexture(picture::kShadowSheen)
                            .at(3.0f + shift, 6.0f, 1.0f)
                            .size(1.15f, 0.4f, 1.0f)
                            .speed(-1.8f)
                            .take());
    appendMonique(w, shift);
    if (story.moniqueHasFlower && !story.hatTaken) {
        appendDroppedHat(w, story.hatDropX());
    }
    appendLeader(w, shift);
    if (!story.knifeTaken) {
        w.appendSceneObject(RoomRecord().name(kObjKnife).at(21.1f + shift, 3.6f, 1.2f).take());
    }
    appendWitch(w);
    restShadyCat(*appendNamedRow(w, kShadyCat));
    appendSkeleton(w, shift);
}

// Late at night the gate stands where the procession was: breathing until
// it opens, with two dark glows, and the boxes that hold the player back.
void appendGateAtNight(SceneObjectList& w, const StoryState& story) {
    RoomRecord gate;
    gate.name(kObjGate).texture(picture::kDarkWood).secondTexture(picture::kBlack).at(4.5f, 5.0f, 0.62393f);
    if (story.gateOpened()) {
        standGateOpen(*gate.object);
    } else {
        gate.mesh(mesh::kGateBreathing);
    }
    for (int32_t vertex : {7584, 7338}) {
        GlowSprite* sprite = gate.glow(vertex);
        sprite->quadExtent.scale(1.5f);
        sprite->quadExtent.x *= 0.75f;
        setGlowColour(sprite, 0.0f, 0.0f, 0.0f, 0.1f);
    }
    w.appendSceneObject(gate.take());
    appendRoomRows(w, kGateBoxes, COUNT_OF(kGateBoxes));
    if (!story.gateOpened()) {
        appendNamedRow(w, kShutGate);
    }
}

// The bird statues on the gateway's posts until they leave; once awake, with
// their awake meshes and glowing eyes.
void appendBirdStatues(SceneObjectList& w, const StoryState& story) {
    if (story.birdStatuesLeft()) {
        return;
    }
    RoomRecord right;
    right.name(kObjRightBirdStatue).at(13.7f, 10.0f, 1.92f).speed(0.0f);
    RoomRecord left;
    left.name(kObjLeftBirdStatue).at(11.6f, 10.0f, 1.92f).speed(0.0f);
    if (story.birdStatuesAwake()) {
        wakeRightBirdStatue(*right.object);
        wakeLeftBirdStatue(*left.object);
    } else {
        right.mesh(mesh::kRightBirdStatue);
        left.mesh(mesh::kLeftBirdStatue);
    }
    w.appendSceneObject(right.take());
    w.appendSceneObject(left.take());
}

}  // namespace

// A name's later rows are its later states (the broomstick leaning, then in
// the crack), so the last row that holds is taken.
SceneObject* appendStreetItem(SceneObjectList& list, const StoryState& story, ObjectName name) {
    const StoryRoomRow* chosen = nullptr;
    for (const StoryRoomRow& row : kStreetItems) {
        if (row.name == name && (row.holds == nullptr || row.holds(story))) {
            chosen = &row;
        }
    }
    return chosen ? list.appendSceneObject(RoomRecord(chosen->row).name(name).take()) : nullptr;
}

SceneObject* appendHatOnBroomstick(SceneObjectList& list, ObjectName name) {
    RoomRecord hat;
    hat.mesh(mesh::kHat).secondTexture(picture::kStoneSheen).at(12.17f, 8.4f, 0.9f).turnDegrees(-6.0f, 35.0f, -94.0f);
    if (name != kUnnamedRow) {
        hat.name(name);
    }
    return list.appendSceneObject(hat.take());
}

// Without the stone sheen of the hat on the broomstick.
SceneObject* appendDroppedHat(SceneObjectList& list, float x) {
    return list.appendSceneObject(RoomRecord()
                                      .name(kObjHat)
                                      .mesh(mesh::kHat)
                                      .at(x, 3.8f, 0.19f)
                                      .turnRadians(2.792527f, 0.4537856f, -0.2443461f)
                                      .take());
}

SceneObject* appendGatewayLock(SceneObjectList& list, bool open) {
    RoomRecord lock(kLockPlace);
    if (open) {
        standLockOpen(*lock.object);
    } else {
        lock.name(kObjLock).mesh(mesh::kLock).size(0.765f, 0.085f, 0.72f);
    }
    return list.appendSceneObject(lock.take());
}

void standLockOpen(SceneObject& lock) {
    lock.setSceneObjectMesh(mesh::kLockOpen);
    lock.halfSize.set(kNoCollision, kNoCollision, kNoCollision);
    lock.name.clear();
}

void standGateOpen(SceneObject& gate) { gate.setSceneObjectMesh(mesh::kGateOpen); }

void restShadyCat(SceneObject& cat) {
    cat.setSceneObjectMesh(mesh::kShadyCat);
    cat.animSpeed = 1.0f;
    cat.freeAttachments();
}

void wakeLeftBirdStatue(SceneObject& statue) { wakeBirdStatue(statue, mesh::kLeftBirdAwake, 1433, 1043); }

void wakeRightBirdStatue(SceneObject& statue) { wakeBirdStatue(statue, mesh::kRightBirdAwake, 363, 1063); }

// Room 0, the street: the wall and ground grid, then the items, the coin
// machine, the procession (or late at night the gate), the hat on the
// broomstick, the snake and the bird statues.
void PlayScreen::buildRoom0() {
    SceneObjectList& w = world.worldList;
    appendStreetGrid(w, story);
    appendStoryRows(w, story, kStreetItems, COUNT_OF(kStreetItems));
    if (!story.nightAlmostOver) {
        appendProcession(w, story);
    } else {
        appendGateAtNight(w, story);
    }
    if (story.hatOnBroomstick) {
        appendHatOnBroomstick(w, kObjHat);
    }
    appendStoryRows(w, story, &kSleepingSnake, 1);
    appendBirdStatues(w, story);
    appendRoomRows(w, &kGatewayPostBox, 1);
}
