#include "catalog/ResourceCatalog.h"
#include "engine/CountOf.h"
#include "play/GlowSprite.h"
#include "play/GroundGrid.h"
#include "play/PlayScreen.h"
#include "play/RoomRecord.h"
#include "play/RoomRow.h"
#include "play/SceneObject.h"
#include "play/WellLooks.h"

namespace {


// The fish person's stand: its mesh and three stacked collision boxes.
const RoomRow kRoom2Stand[] = {
    {mesh::kWellShaft, picture::kShedAtlas, picture::kDampSheen, 0, 0, 0, 0, 0.5f, 0.7f, 0.9f, 0},
    {-1, -1, -1, 0, 0, 0, 0, 0.7f, 0.5f, 0.9f, 0},
    {-1, -1, -1, 0, 0, 0, 0, 1.3f, 1.3f, 0.6f, 0},
    {-1, -1, -1, 0, 0, 0, 0, 1.9f, 1.9f, 0.3f, 0},
};

// The shed's floor, walls and shelf meshes, none of them colliding.
const RoomRow kShedShell[] = {
    {mesh::kGroundTile, picture::kShedAtlas, picture::kDampSheen, -5.0528f, 39.7f, 0, 0, kNoCollision, kNoCollision,
     kNoCollision, 0},
    {mesh::kShed, picture::kShedAtlas, picture::kDampSheen, -4.6528f, 39.8f, 0, 0, kNoCollision, kNoCollision,
     kNoCollision, 0},
    {mesh::kShedInside, picture::kShedAtlas, picture::kDampSheen, -4.6528f, 39.8f, 0, 0, kNoCollision, kNoCollision,
     kNoCollision, 0},
};

// The shed's four wall boxes: west, east, south and north of its middle.
const RoomRow kShedWalls[] = {
    {-1, -1, -1, -7.3528f, 39.8f, 0, 0, 1.4f, 1.6f, 5, 0},
    {-1, -1, -1, -1.9528f, 39.8f, 0, 0, 1.4f, 1.6f, 5, 0},
    {-1, -1, -1, -4.6528f, 36.7f, 0, 0, 1.4f, 1.6f, 5, 0},
    {-1, -1, -1, -4.6528f, 42.3f, 0, 0, 1.4f, 1.6f, 5, 0},
};

// The fish person floating over the stand (eyes added).
const RoomRow kFishPerson = {mesh::kFishPersonFloating, picture::kFishPersonLook, picture::kDampSheen, 0.0f, -3.5f,
                             0.95f, 0, 0.5f, 0.5f, 5.0f, 0};

// The fish person's coins (sphere mapped) and the rope down the well.
const RoomRow kCoins = {mesh::kCoins, picture::kGoldSheen, picture::kDampSheen, 0.0f, 0.0f, 1.0f, 0, kNoCollision,
                        kNoCollision, kNoCollision, 0};
const NamedRoomRow kWellRope = {
    kObjRope, {mesh::kWellRope, picture::kShedAtlas, picture::kDampSheen, 0.0f, 0.6f, 2.25f, 0, 0.05f, 0.05f, 5.0f, 0}};

// Inside the shed: the shelf, the bricks and the lamp (swinging at speed
// 0.5).
const NamedRoomRow kDustyShelf = {kObjDustyShelf, {-1, -1, -1, -4.65f, 41.0f, 1.2f, 0, kNoCollision, kNoCollision,
                                                   kNoCollision, 0}};
const NamedRoomRow kBricks = {kObjBricks,
                              {-1, -1, -1, -5.65689f, 39.00279f, 0.02651f, 0, 0.1965f, 0.586f, 0.1965f, 0}};
const RoomRow kSwingingLamp = {mesh::kSwingingLamp, picture::kShedAtlas, picture::kDampSheen, -4.6528f, 39.8f, 0.0f, 0,
                               kNoCollision, kNoCollision, kNoCollision, 0};

}  // namespace

void settleFishPersonInPond(SceneObject& fish) {
    fish.setSceneObjectMesh(mesh::kFishPersonResurfacing);
    fish.animTime = 0.0f;
    fish.crossFadeSceneObjectMesh(kFishPerson.mesh, 0.9f);
    // The row is built unturned.
    fish.rotation.set(0.0f, 0.0f, 0.0f);
    fish.position.set(kFishPerson.x, kFishPerson.y, kFishPerson.z);
    fish.halfSize.set(kFishPerson.hx, kFishPerson.hy, kFishPerson.hz);
}

// Room 2, the fish person's place: a fresh ground grid, the stand, the fish
// person, the coins, the rope and four pillars.
void PlayScreen::buildRoom2() {
    replaceEffect(effects.groundGrid).constructGroundGrid(-5.0f, -5.0f, 0.85f, 10.0f);

    SceneObjectList& w = world.worldList;
    appendRoomRows(w, kRoom2Stand, COUNT_OF(kRoom2Stand));
    RoomRecord fish(kFishPerson);
    fish.name(kObjFishPerson);
    for (int32_t vertex : {316, 1013}) {
        GlowSprite* sprite = fish.glow(vertex);
        sprite->quadExtent.multiply(0.7f, 1.2f, 1.2f);
        setGlowColour(sprite, 0.0627451f, 1.0f, 0.5019608f, 1.0f);
    }
    w.appendSceneObject(fish.take());
    w.appendSceneObject(RoomRecord().at(0.0f, -3.4f, 0.95f).size(0.5f, 0.5f, 5.0f).take());

    // Where the ground ripples on its own, around cell (40, 13).
    effects.groundGrid->setSource(40, 13, 1, 1.75f, 0.02f, 0.0f);

    w.appendSceneObject(RoomRecord(kCoins).name(kObjCoins).sphereMapped().take());
    appendNamedRow(w, kWellRope);
    const float pillars[4][2] = {{1.55f, 1.85f}, {1.55f, -1.85f}, {-1.55f, 1.85f}, {-1.55f, -1.85f}};
    for (const auto& pillar : pillars) {
        w.appendSceneObject(
            RoomRecord().name(kObjPillar).at(pillar[0], pillar[1], 1.7f).size(0.35f, 0.35f, 5.0f).take());
    }
}

// Room 3, the shed: the dusty shelf, the bricks, its walls, the door back and
// the broom until it is taken.
void PlayScreen::buildRoom3() {
    SceneObjectList& w = world.worldList;
    appendNamedRow(w, kDustyShelf);
    appendRoomRows(w, kShedShell, COUNT_OF(kShedShell));
    appendNamedRow(w, kBricks);
    w.appendSceneObject(RoomRecord(kSwingingLamp).speed(0.5f).take());
    appendRoomRows(w, kShedWalls, COUNT_OF(kShedWalls));
    appendNamedRow(w, kShedDoorMark);
    if (!story.broomTaken) {
        w.appendSceneObject(RoomRecord()
                                .name(kObjBroom)
                                .mesh(mesh::kBroom)
                                .texture(picture::kShedAtlas)
                                .secondTexture(picture::kDampSheen)
                                .at(-3.65496f, 38.65757f, 0.59274f)
                                .turnDegrees(12.911f, 0.534f, 84.959f)
                                .size(0.05f, 0.2f, 5.0f)
                                .take());
    }
}
