#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/CountOf.h"
#include "engine/Random.h"
#include "play/GardenLooks.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/RoomRecord.h"
#include "play/RoomRow.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/StoryState.h"
#include "play/StreetLooks.h"

namespace {

// Hedges, the far wall and the well's surround: the rain barrel by the porch,
// the hedge line (mesh::kHedge), the far wall's ends (mesh::kHedgeEnd) with two bare
// collision boxes, then the two old trees and the board around the well.
const RoomRow kHedgesAndWell[] = {
    {mesh::kRainBarrel, -1, -1, 10.1646f, 27.27508f, 0.54656f, 0, kNoCollision, kNoCollision, kNoCollision, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 17, 27.5f, 0.05651f, 45, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 17, 24.5f, 0.05651f, 0, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 17, 21.5f, 0.05651f, 0, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 17.7f, 20.5f, 0.05651f, 45, 1.3f, 1.3f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 19.5f, 19.5f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 22.5f, 19.5f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 25.5f, 19.5f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 28.5f, 19.5f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedgeEnd, -1, picture::kStoneSheen, 29.3f, 11.5f, 0.05651f, 0, 0.6f, 1.3f, 5, 0},
    {-1, -1, -1, 30, 11.9f, 0.05651f, 0, 0.6f, 1.3f, 5, 0},
    {-1, -1, -1, 28.8f, 10, 0.05651f, 0, 0.6f, 1.3f, 5, 0},
    {mesh::kHedgeEnd, -1, picture::kStoneSheen, 29.1f, 16.6f, 0.05651f, 190, 0.5f, 1.6f, 5, 0},
    {mesh::kBareTree, -1, -1, 27.9038f, 17.30269f, 1, 309.662f, 0.2f, 0.2f, 5, 0},
    {mesh::kBareTree, -1, -1, 27.9038f, 11.30416f, 1, 107.955f, 0.2f, 0.2f, 5, 0},
    {mesh::kGardenPost, -1, -1, 29.58858f, 14.02415f, 1, -142.906f, 0.1f, 0.25f, 5, 0},
};

// The well's two collision boxes, appended right after the named well: the
// low rim and a tall narrow core that keeps the player out of the shaft.
const RoomRow kWellBoxes[] = {
    {-1, -1, -1, 25.85f, 14.13f, 0, 0, 1.2f, 1.2f, 0.25f, 0},
    {-1, -1, -1, 25.85f, 14.13f, 0, 0, 0.5f, 0.5f, 5, 0},
};

// The back wall's four segments, its three hedges, a tree and the shed.
const RoomRow kBackWallAndShed[] = {
    {mesh::kGardenWall, -1, -1, -7.2f, 44.8f, 1, 180, 2.5f, 0.3f, 1, 0},
    {mesh::kGardenWall, -1, -1, -2.2f, 44.8f, 1, 180, 2.5f, 0.3f, 1, 0},
    {mesh::kGardenWall, -1, -1, 3.3f, 44.8f, 1, 0, 2.5f, 0.3f, 1, 0},
    {mesh::kGardenWall, -1, -1, 2.65f, 44.8f, 1, 180, 2.5f, 0.3f, 1, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, -3.6f, 46.95989f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, -0.6f, 45.35989f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kHedge, -1, picture::kStoneSheen, 2.8f, 45.35989f, 0.05651f, 90, 1.5f, 1.5f, 5, 0},
    {mesh::kBareTree, -1, -1, -8.5f, 43.5f, 1, 260.516f, 0.2f, 0.2f, 5, 0},
    {mesh::kShed, -1, -1, -4.6528f, 39.8f, 0, 0, 1.4f, 1.6f, 5, 0},
};

// The house's bare collision boxes (walls, floor, porch and steps), then one
// box at the corner of the hedge line.
const RoomRow kHouseBoxes[] = {
    {-1, -1, -1, 1.26147f, 37.9f, 5, 0, 0.2405f, 8.865f, 7.9315f, 0},
    {-1, -1, -1, 6.42931f, 29.27814f, 5, 0, 5.315f, 0.248f, 7.9315f, 0},
    {-1, -1, -1, 18.56283f, 29.27814f, 5, 0, 5.315f, 0.248f, 7.9315f, 0},
    {-1, -1, -1, 12.50567f, 37.70509f, -0.01121f, 0, 11.135f, 8.5105f, 1.015f, 0},
    {-1, -1, -1, 12.5038f, 25.62636f, -0.01121f, 0, 0.5015f, 0.1065f, 1.8085f, 0},
    {-1, -1, -1, 12.5038f, 25.62636f, -0.01121f, 0, 0.9095f, 0.1065f, 1.6105f, 0},
    {-1, -1, -1, 12.5038f, 25.62636f, -0.01121f, 0, 1.3025f, 0.1065f, 1.42f, 0},
    {-1, -1, -1, 12.5038f, 25.62636f, -0.01121f, 0, 1.7085f, 0.1065f, 1.207f, 0},
    {-1, -1, -1, 11.15347f, 26.47853f, -0.01121f, 0, 0.126f, 0.77f, 1.207f, 0},
    {-1, -1, -1, 12.50567f, 28.20765f, -0.01121f, 0, 2.327f, 1.188f, 1.015f, 0},
    {-1, -1, -1, 12.80202f, 26.38911f, -0.81701f, 0, 1.3995f, 0.7005f, 1.015f, 0},
    {-1, -1, -1, 12.4981f, 26.38911f, -0.61552f, 0, 1.3005f, 0.7005f, 1.015f, 0},
    {-1, -1, -1, 12.4981f, 26.38911f, -0.4142f, 0, 0.908f, 0.7005f, 1.015f, 0},
    {-1, -1, -1, 12.4981f, 26.38911f, -0.22498f, 0, 0.5105f, 0.7005f, 1.015f, 0},
    {-1, -1, -1, 10.57621f, 28.30669f, -0.01121f, 0, 0.258f, 0.798f, 2.1175f, 0},
    {-1, -1, -1, 11.09659f, 27.43261f, -0.01121f, 0, 0.779f, 0.195f, 2.1175f, 0},
    {-1, -1, -1, 13.8997f, 27.43261f, -0.01121f, 0, 0.779f, 0.195f, 2.1175f, 0},
    {-1, -1, -1, 14.41778f, 28.30669f, -0.01121f, 0, 0.258f, 0.798f, 2.1175f, 0},
    {-1, -1, -1, 16.09714f, 28.20765f, -0.01121f, 0, 1.421f, 1.184f, 2.5f, 0},
    {-1, -1, -1, 18.22326f, 19.49726f, -0.01121f, 0, 1, 1, 2.5f, 0},
};

// The house seen from the garden: the far walls, the trim and the windows,
// drawn from any distance (the front's picture follows the night).
const RoomRow kGardenFarWalls = {mesh::kGardenFarWalls, -1, -1, 12.5f, 7.5f, 0.0f, 0, kNoCollision, kNoCollision,
                                 kNoCollision, 9999.0f};
const RoomRow kGardenTrim = {mesh::kGardenTrim, -1, picture::kStoneSheen, 12.5f, 7.5f, 0.0f, 0, kNoCollision,
                             kNoCollision, kNoCollision, 9999.0f};
const RoomRow kHouseWindows = {mesh::kHouseWindows, picture::kWindowGlass, picture::kBlack, 12.5f, 7.5f, 0.0f, 0,
                               kNoCollision, kNoCollision, kNoCollision, 9999.0f};

// The dog's house.
const NamedRoomRow kDogHouse = {kObjDogHouse, {mesh::kDogHouse, -1, -1, 14.5f, 23.5f, 0.05651f, 0, 0.926f, 0.607f,
                                               1.35f, 0}};

// The well and its pole.
const NamedRoomRow kWell = {kObjWell, {mesh::kWell, -1, -1, 25.85f, 14.13f, 0.25f, 0, 1.0f, 1.0f, 0.25f, 0}};
const NamedRoomRow kWellPole = {kObjPole, {mesh::kWellPole, -1, picture::kStoneSheen, 25.85f, 15.73f, 0.75f, 0, 0.08f,
                                           0.08f, 0.77f, 0}};

// The house door before anyone knocks.
const NamedRoomRow kHouseDoor = {kObjDoor, {mesh::kHouseDoor, -1, -1, 12.6f, 29.4f, 2.4f, 0, kNoCollision,
                                            kNoCollision, kNoCollision, 0}};

// The big pumpkin's place, pictures and box, its mesh following its cuts;
// the cut stump under the lit pumpkin.
const NamedRoomRow kBigPumpkin = {kObjBigPumpkin, {-1, picture::kPumpkin, picture::kBlack, 13.5f, 26.4f, 0.7357f, 0,
                                                   0.3f, 0.7f, 5.0f, 0}};
const int32_t kPumpkinCutMeshes[4] = {mesh::kPumpkinFirstCut, mesh::kPumpkinSecondCut, mesh::kPumpkinThirdCut,
                                      mesh::kPumpkinCarved};
const RoomRow kPumpkinStump = {mesh::kPumpkinStump, picture::kPumpkin, picture::kBlack, 13.5f, 26.4f, 0.7357f, 0,
                               kNoCollision, kNoCollision, kNoCollision, 0};

// The spider in its web at the shed's corner (speed 3, eight glows added),
// and the dog chewing the bone it got (speed 2, eyes added).
const RoomRow kSpider = {mesh::kSpider, picture::kPaleFibre, -1, -0.38671f, 44.0178f, 0.90915f, 270.0f, kNoCollision,
                         kNoCollision, kNoCollision, 0};
const RoomRow kDogChewing = {mesh::kDogChewing, picture::kCharacterAtlas, -1, 13.5f, 23.5f, 0.35651f, 0, kNoCollision,
                             kNoCollision, kNoCollision, 0};

// The bone laid down before the dog, and the filled hole where the dog
// buried it.
const NamedRoomRow kPlacedBone = {kObjBone, {mesh::kBone, -1, -1, 13.6f, 23.5f, 0.027f, 0, kNoCollision, kNoCollision,
                                             kNoCollision, 0}};
const RoomRow kBoneHoleFilled = {mesh::kBoneHoleFilled, -1, -1, 13.5f, 23.5f, 0.35651f, 0, kNoCollision, kNoCollision,
                                 kNoCollision, 0};

// The house's front, its picture following the night.
bool beforeDawn(const StoryState& s) { return !s.nightAlmostOver; }
bool atDawn(const StoryState& s) { return s.nightAlmostOver; }
const StoryRoomRow kHouseFront[] = {
    {beforeDawn, kUnnamedRow, {mesh::kHouseFront, picture::kHouseFacade, picture::kBlack, 12.5f, 7.5f, 0.0f, 0,
                               kNoCollision, kNoCollision, kNoCollision, 9999.0f}},
    {atDawn, kUnnamedRow, {mesh::kHouseFront, picture::kHouseFacadeAtDawn, picture::kBlack, 12.5f, 7.5f, 0.0f, 0,
                           kNoCollision, kNoCollision, kNoCollision, 9999.0f}},
};

// Before dawn: the dog asleep until the bone is placed, then the bone until
// it is taken.
bool dogAsleep(const StoryState& s) { return !s.nightAlmostOver && !s.bonePlaced; }
bool boneThere(const StoryState& s) { return !s.nightAlmostOver && s.bonePlaced && !s.boneTaken; }
const StoryRoomRow kSleepingDog = {dogAsleep, kObjDog, {mesh::kDogAsleep, -1, -1, 13.5f, 23.5f, 0.35651f, 0, 0.7f,
                                                        0.3f, 5.0f, 0}};

// The rope tied to the well's pole, before dawn.
bool ropeOnPole(const StoryState& s) { return !s.nightAlmostOver && s.ropeOnPole; }
const NamedRoomRow kRopeOnPole = {kObjRope, {mesh::kRopeOnPole, picture::kPaleFibre, -1, 25.85f, 15.43f, 0.75f, 0,
                                             kNoCollision, kNoCollision, kNoCollision, 0}};

// The broomstick in the crack, seen from the garden's side of the wall.
const RoomRow kBroomstickInCrack = {mesh::kBroomstick, -1, picture::kStoneSheen, 12.1f, 8.45f, 0.421f, 0,
                                    kNoCollision, kNoCollision, kNoCollision, 0};

// The pumpkin's vines, under whatever the pumpkin has become.
const RoomRow kPumpkinVines = {mesh::kPumpkinVines, picture::kPumpkinLeaves, -1, 13.5f, 26.4f, 0.7357f, 0,
                               kNoCollision, kNoCollision, kNoCollision, 0};

// The dog's two yellow eyes on vertices first and second: the created
// vector times 0.9, its first component 0.1.
void addDogEyes(SceneObject& dog, int32_t first, int32_t second) {
    for (int32_t vertex : {first, second}) {
        GlowSprite& sprite = dog.attachGlowSprite(vertex);
        sprite.quadExtent.scale(0.9f);
        sprite.quadExtent.x = 0.1f;
        setGlowColour(&sprite, 0.8039216f, 0.8039216f, 0.0627451f, 1.0f);
    }
}

float distance(float x, float y, float cx, float cy) {
    const float dx = x - cx;
    const float dy = y - cy;
    return std::sqrt(dx * dx + dy * dy);
}

// The garden's side of the street wall (the broomstick and hat in the crack,
// the gateway and its lock, open since the way here leads through it), the
// garden walls and the wider ground with the crack's tile and the worn tile
// by the well.
void appendGardenGrid(SceneObjectList& w) {
    appendRoomRows(w, &kBroomstickInCrack, 1);
    appendHatOnBroomstick(w, kUnnamedRow);
    appendRoomRows(w, &kGatewayPostBox, 1);
    for (int i = -4; i <= 7; ++i) {
        const float x0 = 5.0f * static_cast<float>(i) + 2.5f;
        if (i == 2) {
            w.appendSceneObject(RoomRecord().mesh(mesh::kGatewayWall).at(12.5f, 10.0f, 1.0f).take());
            appendRoomRows(w, kGatewaySides, kGatewaySideCount);
            appendGatewayLock(w, true);
        } else if (i >= -2 && i <= 5) {
            w.appendSceneObject(RoomRecord().mesh(mesh::kGardenWall).at(x0, 10.0f, 1.0f).size(2.5f, 0.3f, 1.0f).take());
        }
        for (int j = 0; j <= 9; ++j) {
            if (i == 2 && j == 1) {
                w.appendSceneObject(RoomRecord().mesh(mesh::kCrackTile).at(12.5f, 7.5f, 0.0f).take());
            } else if (i == 5 && j == 2) {
                w.appendSceneObject(RoomRecord().mesh(mesh::kGroundTileWorn).at(27.5f, 12.5f, 0.0f).take());
            } else if (j < 6 || i < 1) {
                w.appendSceneObject(
                    RoomRecord().mesh(mesh::kGroundTile).at(x0, 5.0f * static_cast<float>(j) + 2.5f, 0.0f).take());
            }
        }
    }
    for (int k = 0; k <= 6; ++k) {
        w.appendSceneObject(RoomRecord()
                                .mesh(mesh::kGardenWall)
                                .at(-9.9f, 5.0f * static_cast<float>(k) + 12.5f, 1.0f)
                                .turnDegrees(0.0f, 0.0f, -90.0f)
                                .size(0.3f, 2.5f, 1.0f)
                                .take());
    }
    for (int k = 0; k <= 2; ++k) {
        w.appendSceneObject(RoomRecord()
                                .mesh(mesh::kGardenWall)
                                .at(30.2f, 5.0f * static_cast<float>(k) + 12.3f, 1.0f)
                                .turnDegrees(0.0f, 0.0f, 90.0f)
                                .size(0.3f, 2.5f, 1.0f)
                                .take());
    }
}

// The spider in its web before dawn, until it is swept away, with a glow in
// each of its four colours on each side.
void appendSpider(SceneObjectList& w, const StoryState& story) {
    if (story.nightAlmostOver || story.spiderSweptAway()) {
        return;
    }
    RoomRecord spider(kSpider);
    spider.name(kObjSpider).speed(3.0f);
    const int32_t vertices[8] = {182, 403, 197, 421, 206, 430, 188, 412};
    const float colours[4][3] = {{0.07450981f, 0.003921569f, 1.0f},
                                 {0.003921569f, 1.0f, 0.5882353f},
                                 {0.9529412f, 1.0f, 0.003921569f},
                                 {1.0f, 0.003921569f, 0.427451f}};
    for (int k = 0; k < 8; ++k) {
        GlowSprite* sprite = spider.glow(vertices[k]);
        sprite->quadExtent.multiply(0.04f, 0.12f, 0.12f);
        setGlowColour(sprite, colours[k / 2][0], colours[k / 2][1], colours[k / 2][2], 0.2f);
    }
    w.appendSceneObject(spider.take());
}

// Before dawn, once the bone is placed: the dog awake guarding it, or, once
// it has the bone, the filled hole and the dog chewing (speed 2).
void appendAwakeDog(SceneObjectList& w, const StoryState& story) {
    if (story.nightAlmostOver || !story.bonePlaced) {
        return;
    }
    if (!story.dogGotBone) {
        RoomRecord dog;
        dog.name(kObjDog);
        fadeDogToGuarding(*dog.object, 0.0f);
        poseAwakeDog(*dog.object);
        w.appendSceneObject(dog.take());
        return;
    }
    appendContentDog(w);
}

// The big pumpkin by its stage: whole, then cut four times (each cut held at
// the end of the first), then the stump under the lit pumpkin with its
// glowing eyes, then the stump alone; gone after stage 6.
void appendPumpkin(SceneObjectList& w, const StoryState& story) {
    const int32_t stage = story.pumpkinStage();
    if (stage < 0 || stage > 6) {
        return;
    }
    if (stage >= 5) {
        appendPumpkinStump(w);
    }
    if (stage == 6) {
        return;
    }
    RoomRecord pumpkin(kBigPumpkin.row);
    pumpkin.name(kBigPumpkin.name);
    SceneObject& object = *pumpkin.object;
    if (stage == 0) {
        object.setSceneObjectMesh(mesh::kBigPumpkin);
    } else if (stage <= 4) {
        cutPumpkin(object, stage);
    }
    if (stage >= 1) {
        holdCutPumpkin(object);
    }
    if (stage == 5) {
        lightPumpkin(object);
    }
    w.appendSceneObject(pumpkin.take());
}

// The house door before anyone knocks; after a knock, the opened door.
void appendHouseDoor(SceneObjectList& w, const StoryState& story) {
    if (!story.doorKnocked) {
        appendNamedRow(w, kHouseDoor);
        return;
    }
    appendOpenedDoor(w);
}

}  // namespace

SceneObject* appendRopeOnPole(SceneObjectList& list) { return appendNamedRow(list, kRopeOnPole); }

SceneObject* appendPlacedBone(SceneObjectList& list) { return appendNamedRow(list, kPlacedBone); }

void poseAwakeDog(SceneObject& dog) {
    dog.setSceneObjectTexture(picture::kCharacterAtlas);
    dog.position.set(13.5f, 24.5f, 0.35651f);
    dog.halfSize.set(0.3f, 0.7f, 5.0f);
    addDogEyes(dog, 505, 2162);
}

void fadeDogToGuarding(SceneObject& dog, float seconds) {
    dog.crossFadeSceneObjectMesh(mesh::kDogGuarding, seconds);
    dog.animSpeed = 1.0f;
}

void appendContentDog(SceneObjectList& list) {
    appendRoomRows(list, &kBoneHoleFilled, 1);
    RoomRecord eating(kDogChewing);
    eating.speed(2.0f);
    addDogEyes(*eating.object, 76, 374);
    list.appendSceneObject(eating.take());
}

void cutPumpkin(SceneObject& pumpkin, int32_t cut) { pumpkin.setSceneObjectMesh(kPumpkinCutMeshes[cut - 1]); }

void holdCutPumpkin(SceneObject& pumpkin) {
    pumpkin.animTime = 50.0f;
    pumpkin.animSpeed = 0.0f;
}

void lightPumpkin(SceneObject& pumpkin) {
    pumpkin.setSceneObjectMesh(mesh::kPumpkinLit);
    pumpkin.setSceneObjectTexture(picture::kPumpkinLit);
    for (int32_t vertex : {1090, 1092}) {
        GlowSprite& sprite = pumpkin.attachGlowSprite(vertex);
        sprite.quadExtent.scale(2.0f);
        setGlowColour(&sprite, 1.0f, 0.5019608f, 0.0627451f, 1.0f);
    }
}

void appendPumpkinStump(SceneObjectList& list) { appendRoomRows(list, &kPumpkinStump, 1); }

void appendOpenedDoor(SceneObjectList& list) {
    list.appendSceneObject(
        RoomRecord().mesh(mesh::kHouseDoorOpening).at(12.6f, 29.4f, 2.4f).animTime(40.0f).speed(0.0f).take());
}

// Room 1, the garden: the back of the street wall, the wider ground, the
// house seen from the garden, the dog and its house, the spider, the
// pumpkin, hedges, the well, the shed and the house, then the scattered field.
void PlayScreen::buildRoom1() {
    SceneObjectList& w = world.worldList;
    appendGardenGrid(w);
    appendRoomRows(w, &kGardenFarWalls, 1);
    appendStoryRows(w, story, kHouseFront, COUNT_OF(kHouseFront));
    appendRoomRows(w, &kGardenTrim, 1);
    w.appendSceneObject(RoomRecord(kHouseWindows).sphereMapped().take());
    appendNamedRow(w, kDogHouse);
    appendSpider(w, story);
    appendStoryRows(w, story, &kSleepingDog, 1);
    if (boneThere(story)) {
        appendPlacedBone(w);
    }
    appendAwakeDog(w, story);
    appendRoomRows(w, &kPumpkinVines, 1);
    appendPumpkin(w, story);
    appendRoomRows(w, kHedgesAndWell, COUNT_OF(kHedgesAndWell));
    appendNamedRow(w, kWell);
    appendRoomRows(w, kWellBoxes, COUNT_OF(kWellBoxes));
    appendNamedRow(w, kWellPole);
    if (ropeOnPole(story)) {
        appendRopeOnPole(w);
    }
    appendRoomRows(w, kBackWallAndShed, COUNT_OF(kBackWallAndShed));
    appendNamedRow(w, kShedDoorMark);
    appendHouseDoor(w, story);
    appendRoomRows(w, kHouseBoxes, COUNT_OF(kHouseBoxes));
    scatterRoom1Field();
}

// The scattered field: a jittered 80 x 80 grid thinned by random pools around
// fixed centres, kept out of the shed and the house. Every kept point becomes
// a mesh-89 object that is also listed in reactionList.
void PlayScreen::scatterRoom1Field() {
    story.reactionList.clear();
    for (int i = 0; i < 80; ++i) {
        for (int j = 0; j < 80; ++j) {
            const float x = (static_cast<float>(i) / 80.0f + ((j % 2) ? 0.00625f : 0.0f)) * 39.0f - 9.5f;
            const float y = (static_cast<float>(j) / 80.0f) * 34.0f + 10.5f;
            float r[9];
            for (float& value : r) {
                value = randomUnit();
            }
            bool keep = true;
            if (1.0f - distance(x, y, -10.5f, 24.5f) * 0.125f < 0.5f * r[1]) {
                keep = (0.5f * r[0] <= 1.0f - distance(x, y, -4.5f, 14.5f) / 12.0f);
            }
            const float pools[4][2] = {{-10.5f, 32.5f}, {-10.5f, 39.5f}, {1.5f, 32.5f}, {1.5f, 39.5f}};
            for (int k = 0; k < 4; ++k) {
                if (0.5f * r[2 + k] <= 1.0f - distance(x, y, pools[k][0], pools[k][1]) / 5.0f) {
                    keep = true;
                }
            }
            if (0.5f * r[6] <= 1.0f - distance(x, y, 3.5f, 21.5f) / 7.1f) {
                keep = false;
            }
            if (0.5f * r[7] <= 1.0f - 4.0f * distance(x, y, 11.5f, 14.0f)) {
                keep = true;
            }
            if (0.5f * r[8] <= 1.0f - distance(x, y, -4.5f, 46.5f) / 5.0f) {
                keep = true;
            }
            const bool inShed = y >= 28.5f && y <= 42.0f && x >= -6.1f && x <= -2.9f;
            const bool inHouse = y >= 28.8f && x >= 0.8f && x <= 24.0f;
            if (!keep || inShed || inHouse) {
                continue;
            }
            SceneObject* object = world.worldList.appendSceneObject(RoomRecord()
                                                                        .mesh(mesh::kGrassTuft)
                                                                        .texture(picture::kGrass)
                                                                        .secondTexture(picture::kBlack)
                                                                        .at(x, y, 0.0f)
                                                                        .turnDegrees(0.0f, 0.0f, randomUnit() * 360.0f)
                                                                        .speed(0.0f)
                                                                        .drawDistance(7.0f)
                                                                        .take());
            story.reactionList.push_back(object);
        }
    }
}
