#include "catalog/ResourceCatalog.h"
#include "engine/CountOf.h"
#include "engine/Texture.h"
#include "play/ClothMesh.h"
#include "play/GlowSprite.h"
#include "play/HouseLooks.h"
#include "play/PlayScreen.h"
#include "play/RoomRecord.h"
#include "play/RoomRow.h"
#include "play/SceneObject.h"
#include "text/Text.h"

namespace {

// The house's walls, floors and ceilings, shared by rooms 4, 5 and 6.
const RoomRow kHouseShell[] = {
    {mesh::kHouseShell, -1, -1, 12.5f, 7.5f, 0, 0, kNoCollision, kNoCollision, kNoCollision, 9999},
    {-1, -1, -1, 1.26147f, 37.9f, 5, 0, 0.2405f, 8.865f, 7.9315f, 0},
    {-1, -1, -1, 23.73841f, 37.9f, 5, 0, 0.2405f, 8.865f, 7.9315f, 0},
    {-1, -1, -1, 6.42931f, 29.27814f, 5, 0, 5.315f, 0.248f, 7.9315f, 0},
    {-1, -1, -1, 18.56283f, 29.27814f, 5, 0, 5.315f, 0.248f, 7.9315f, 0},
    {-1, -1, -1, 12.50567f, 37.70509f, -0.01121f, 0, 15, 15, 1.015f, 0},
    {-1, -1, -1, 12.42931f, 45.75f, 5, 0, 11.823f, 0.248f, 7.9315f, 0},
    {-1, -1, -1, 19.25274f, 38.54188f, 4.02444f, 0, 0.258f, 3.05f, 3.0855f, 0},
    {-1, -1, -1, 11.99991f, 41.31825f, 5, 0, 1.625f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 14.16995f, 41.31825f, -6.75582f, 0, 1.625f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 14.16995f, 41.31825f, 11.43081f, 0, 1.625f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 16.81174f, 41.31825f, 5, 0, 2.238f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 23.44801f, 40.15588f, 0.30404f, 0, 4.3565f, 0.275f, 2.6375f, 0},
    {-1, -1, -1, 12.50567f, 26.25646f, 7.12689f, 0, 15, 15, 0.18f, 0},
    {-1, -1, -1, -4.49545f, 31.68295f, 7.12689f, 0, 15, 15, 0.18f, 0},
    {-1, -1, -1, 17.34913f, 40.79988f, 15.11237f, 0, 6.885f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 17.34913f, 29.25052f, 15.11237f, 0, 6.885f, 0.275f, 7.9315f, 0},
    {-1, -1, -1, 10.07792f, 42.91237f, 4.02444f, 0, 0.4065f, 3.032f, 3, 0},
};

// The hall's four posts below the gallery.
const RoomRow kHallPosts[] = {
    {-1, -1, -1, 11.39888f, 41.31825f, -6.75582f, 0, 0.174f, 0.382f, 10.56f, 0},
    {-1, -1, -1, 13.19317f, 41.31825f, -6.75582f, 0, 0.174f, 0.382f, 10.56f, 0},
    {-1, -1, -1, 14.99708f, 41.31825f, -6.75582f, 0, 0.174f, 0.382f, 10.56f, 0},
    {-1, -1, -1, 16.77987f, 41.31825f, -6.75582f, 0, 0.174f, 0.382f, 10.56f, 0},
};

// The curtains' origins and wave strengths, slot by slot.
const float kCloths[4][4] = {
    {4.89553f, 29.9f, 1.75f, 0.09f},
    {7.94034f, 29.9f, 1.75f, 0.06f},
    {17.05915f, 29.9f, 1.75f, 0.06f},
    {20.10399f, 29.9f, 1.75f, 0.03f},
};

// The hall's door side: stove, pumpkin, plant, two lamps and the open door.
const RoomRow kHallDoorSide[] = {
    {mesh::kPumpkinVines, picture::kPumpkinLeaves, -1, 13.5f, 26.4f, 0.7357f, 0, kNoCollision, kNoCollision,
     kNoCollision, 0},
    {mesh::kPumpkinStump, picture::kPumpkin, picture::kBlack, 13.5f, 26.4f, 0.7357f, 0, kNoCollision, kNoCollision,
     kNoCollision, 0},
    {mesh::kRainBarrel, -1, -1, 10.1646f, 27.27508f, 0.54656f, 0, kNoCollision, kNoCollision, kNoCollision, 0},
    {mesh::kWallLamp, -1, -1, 18.5f, 29.5f, 2, 0, kNoCollision, kNoCollision, kNoCollision, 0},
    {mesh::kWallLamp, -1, -1, 6.33636f, 29.5f, 2, 0, kNoCollision, kNoCollision, kNoCollision, 0},
};

// The hall's back corner past the chair: its back's box, the planks, the box
// and the trapdoor.
const RoomRow kChairBack = {-1, -1, -1, 8.75f, 44.0f, 1.0f, 0, 0.05f, 0.3f, 2.0f, 0};
const NamedRoomRow kHallCorner[] = {
    {kObjPlanks, {-1, -1, -1, 1.5f, 42.75f, 1.0f, 0, 0.7f, 1.0f, 2.0f, 0}},
    {kObjBox, {mesh::kBox, -1, -1, 8.8f, 42.4f, 2.0f, 0, 0.8f, 0.8f, 0.8f, 0}},
    {kObjTrapdoor, {-1, -1, -1, 3.5f, 43.0f, 1.0f, 0, kNoCollision, kNoCollision, kNoCollision, 0}},
};

// The pictures on the hall's back wall, left to right; the big painting is
// there until it swings open.
const NamedRoomRow kPicturesBeforePainting[] = {
    {kObjRoundDrawings,
     {mesh::kRoundDrawings, picture::kPortraitAtlas, picture::kBlack, 10.9f, 41.0f, 2.6f, 0, kNoCollision,
      kNoCollision, kNoCollision, 0}},
    {kObjSmallPaintings,
     {mesh::kSmallPaintings, picture::kPortraitAtlas, picture::kBlack, 12.3f, 41.0f, 2.6f, 0, kNoCollision,
      kNoCollision, kNoCollision, 0}},
};
// The big painting's place, pictures and box while it hangs; its mesh
// follows whether it has swung open.
const RoomRow kBigPainting = {-1, picture::kFadedPainting, picture::kBlack, 14.1f, 41.0f, 2.7f, 0, 0.7f, 0.04f, 2.0f,
                              0};
const NamedRoomRow kSmallPictures = {
    kObjSmallPictures, {mesh::kSmallPictures, picture::kOldPhotos, picture::kBlack, 15.9f, 41.0f, 2.6f, 0,
                        kNoCollision, kNoCollision, kNoCollision, 0}};
// Tilted back 10 degrees about y once placed.
const RoomRow kInstantPicture = {mesh::kInstantPicture, picture::kPortraitAtlas, picture::kBlack, 17.4f, 41.0f, 2.6f,
                                 0, kNoCollision, kNoCollision, kNoCollision, 0};

// The crystal ball (sphere mapped) and the table at the hall's far end.
const RoomRow kCrystalBall = {mesh::kCrystalBall, picture::kCrystalSheen, picture::kBlack, 19.25f, 41.3f, 5.46391f, 0,
                              kNoCollision, kNoCollision, kNoCollision, 0};
const RoomRow kTableFar = {mesh::kTableFar, -1, -1, 12.47028f, 44.79217f, 2.0f, 4.472f, kNoCollision, kNoCollision,
                           kNoCollision, 9999.0f};

// Behind the hall: the same table seen close, and the goat person's place,
// pictures and box while it is bound there (its mesh following the story,
// its glowing eyes added).
const NamedRoomRow kTable = {kObjTable,
                             {mesh::kTable, -1, -1, 12.47028f, 44.79217f, 2.0f, 4.472f, 1.0f, 0.6f, 1.0f, 9999.0f}};
const RoomRow kGoatPerson = {-1, picture::kGoatPersonLook, picture::kBlack, 20.95f, 43.4f, 1.0f, 0, 0.3f, 0.4f, 2.0f,
                             0};
// The vertices of the goat person's two eyes, in every one of its meshes.
const int32_t kGoatEyes[2] = {3098, 6685};
// The dust lying on the table, its picture following its stage.
const NamedRoomRow kDust = {kObjDust, {mesh::kDust, -1, picture::kBlack, 20.91641f, 43.48899f, 1.0f, -90.753f,
                                       kNoCollision, kNoCollision, kNoCollision, 0}};

// The upper floor: the bat, the box beside the person's chair, the chair,
// and late at night the treat and the letter (its mark, then its two sheets
// drawn from any distance, the first sphere mapped, both folded until they
// are read).
const NamedRoomRow kBat = {kObjBat, {mesh::kBat, -1, -1, 3.89975f, 38.58609f, 11.05444f, 0, kNoCollision,
                                     kNoCollision, kNoCollision, 0}};
const RoomRow kPersonInChair = {mesh::kPersonInChair, picture::kPersonLook, -1, 11.94327f, 30.0f, 8.44822f, 105.0f,
                                kNoCollision, kNoCollision, kNoCollision, 0};
const RoomRow kBesideChair = {-1, -1, -1, 13.60098f, 30.0f, 8.44822f, 0, 0.3f, 0.3f, 2.0f, 0};
const NamedRoomRow kSpacedChair = {kObjSpacedChair,
                                   {mesh::kArmchair, -1, -1, 11.94327f, 30.0f, 8.44822f, 105.0f, 0.4f, 0.4f, 2.0f, 0}};
bool treatThere(const StoryState& s) { return s.nightAlmostOver && !s.treatTaken; }
const NamedRoomRow kTreatOnLetter = {kObjTreat, {mesh::kTreat, picture::kSweetWrapper, -1, 11.12958f, 40.80397f,
                                                 8.63261f, 0, kNoCollision, kNoCollision, kNoCollision, 0}};
const NamedRoomRow kLetterMark = {kObjLetter, {-1, -1, -1, 11.19f, 40.76f, 8.63f, 0, kNoCollision, kNoCollision,
                                               kNoCollision, 0}};
const RoomRow kLetterSheen = {mesh::kLetter, picture::kPaperSheen, -1, 11.19f, 40.76f, -1.37f, 0, kNoCollision,
                              kNoCollision, kNoCollision, 9999.0f};
const NamedRoomRow kLetterText = {
    kObjLetter2, {mesh::kLetter, text::kLetterTextPicture, picture::kBlack, 11.19f, 40.76f, -1.37f, 0, kNoCollision,
                  kNoCollision, kNoCollision, 9999.0f}};

// One of the goat person's eyes on vertex: the created vector times 0.8,
// its first component 0.2; returned for its colour.
GlowSprite& attachGoatEye(SceneObject& goat, int32_t vertex) {
    GlowSprite& sprite = goat.attachGlowSprite(vertex);
    sprite.quadExtent.scale(0.8f);
    sprite.quadExtent.x = 0.2f;
    return sprite;
}

}  // namespace

SceneObject* appendTreatOnLetter(SceneObjectList& list) { return appendNamedRow(list, kTreatOnLetter); }

SceneObject* appendPutDownBroom(SceneObjectList& list) {
    return list.appendSceneObject(
        RoomRecord().mesh(mesh::kBroom).at(18.26058f, 41.78405f, 1.623f).turnDegrees(12.911f, 0.534f, -5.041f).take());
}

void showDustStage(SceneObject& dust, int32_t stage) {
    Texture* texture = dust.setSceneObjectTexture(picture::kDust + stage);
    if (texture) {
        texture->setNearest();
    }
}

void holdSwungPainting(SceneObject& painting) {
    painting.setSceneObjectMesh(mesh::kBigPaintingSwinging);
    painting.animTime = 6.0f;
    painting.animSpeed = 0.0f;
    painting.halfSize.set(kNoCollision, kNoCollision, kNoCollision);
}

SceneObject* appendSwungPainting(SceneObjectList& list, ObjectName name) {
    RoomRecord painting(kBigPainting);
    if (name != kUnnamedRow) {
        painting.name(name);
    }
    holdSwungPainting(*painting.object);
    return list.appendSceneObject(painting.take());
}

void fadeGoatToBound(SceneObject& goat) { goat.crossFadeSceneObjectMesh(mesh::kGoatPersonBound, 1.0f); }

SceneObject* appendGoatPersonFacingAhead(SceneObjectList& list) {
    RoomRecord goat;
    goat.name(kObjGoatPerson)
        .mesh(mesh::kGoatPersonFacingAhead)
        .texture(picture::kGoatPersonLook)
        .secondTexture(picture::kBlack)
        .at(11.7759f, 30.9747f, 7.2949f);
    for (int32_t vertex : kGoatEyes) {
        attachGoatEye(*goat.object, vertex).colour[3] = 0.0f;
    }
    return list.appendSceneObject(goat.take());
}

// The house shell of rooms 4, 5 and 6: walls and floors, the stairs and the
// gallery, and the house's glass.
void PlayScreen::buildHouseShell() {
    SceneObjectList& w = world.worldList;
    appendRoomRows(w, kHouseShell, COUNT_OF(kHouseShell));
    for (int k = 0; k <= 9; ++k) {
        const float fk = static_cast<float>(k);
        w.appendSceneObject(
            RoomRecord().at(21.5f, 0.6f * fk + 35.85f, 0.25f * fk + 1.125f).size(2.0f, 0.3f, 0.125f).take());
    }
    w.appendSceneObject(RoomRecord().at(21.5f, 43.55f, 3.375f).size(2.0f, 2.0f, 0.125f).take());
    for (int k = 0; k <= 14; ++k) {
        const float fk = static_cast<float>(k);
        w.appendSceneObject(RoomRecord()
                                .at(19.5f - (fk + 0.5f) * 0.6f, 43.55f, (fk + 10.0f) * 0.25f + 0.875f)
                                .size(0.3f, 2.0f, 0.125f)
                                .take());
    }
    w.appendSceneObject(RoomRecord()
                            .mesh(mesh::kHouseWindows)
                            .texture(picture::kWindowGlass)
                            .secondTexture(picture::kBlack)
                            .sphereMapped()
                            .at(12.5f, 7.5f, 0.0f)
                            .drawDistance(9999.0f)
                            .take());
}

// Room 4, the hall: posts, curtains, floor, the door side, and the pictures,
// chair, crystal ball and box.
void PlayScreen::buildRoom4() {
    SceneObjectList& w = world.worldList;
    appendRoomRows(w, kHallPosts, COUNT_OF(kHallPosts));
    for (int k = 0; k < 4; ++k) {
        replaceEffect(effects.clothMeshes[k])
            .buildClothMesh(kCloths[k][0], kCloths[k][1], kCloths[k][2], kCloths[k][3]);
    }
    for (int i = 0; i <= 4; ++i) {
        for (int j = -1; j <= 0; ++j) {
            w.appendSceneObject(RoomRecord()
                                    .mesh(mesh::kGroundTile)
                                    .at(5.0f * static_cast<float>(i) + 2.5f, 5.0f * static_cast<float>(j) + 27.5f, 0.0f)
                                    .take());
        }
    }
    appendRoomRows(w, kHallDoorSide, COUNT_OF(kHallDoorSide));
    w.appendSceneObject(
        RoomRecord().mesh(mesh::kHouseDoorOpening).at(12.6f, 29.4f, 2.4f).animTime(40.0f).speed(0.0f).take());
    w.appendSceneObject(RoomRecord(kCrystalBall).name(kObjCrystalBall).sphereMapped().take());
    w.appendSceneObject(RoomRecord()
                            .name(kObjChair)
                            .mesh(mesh::kChair)
                            .at(8.5f, 44.0f, 1.0f)
                            .turnDegrees(0.0f, 0.0f, story.chairAngle)
                            .size(0.3f, 0.3f, 0.3f)
                            .take());
    w.appendSceneObject(RoomRecord(kChairBack).take());
    appendNamedRows(w, kHallCorner, COUNT_OF(kHallCorner));
    appendNamedRows(w, kPicturesBeforePainting, COUNT_OF(kPicturesBeforePainting));
    if (!story.paintingOpened()) {
        w.appendSceneObject(RoomRecord(kBigPainting).name(kObjBigPainting).mesh(mesh::kBigPainting).take());
    } else {
        // Swung open, it keeps its name, as it does when it swings open in
        // front of the player.
        appendSwungPainting(w, kObjBigPainting);
    }
    appendNamedRow(w, kSmallPictures);
    w.appendSceneObject(RoomRecord(kInstantPicture).name(kObjInstantPicture).turnDegrees(0.0f, 10.0f, 0.0f).take());
    w.appendSceneObject(RoomRecord(kTableFar).take());
}

// Room 5, behind the hall: the opened painting, the table, the goat person
// until the special trick is learned, and the dust or the broom left there.
void PlayScreen::buildRoom5() {
    SceneObjectList& w = world.worldList;
    appendSwungPainting(w, kUnnamedRow);
    appendNamedRow(w, kTable);
    if (!story.specialTrickLearned) {
        RoomRecord goat(kGoatPerson);
        goat.name(kObjGoatPerson);
        fadeGoatToBound(*goat.object);
        for (int32_t vertex : kGoatEyes) {
            attachGoatEye(*goat.object, vertex).colourCycling = true;
        }
        w.appendSceneObject(goat.take());
    }
    if (story.dustStage() == 0) {
        showDustStage(*appendNamedRow(w, kDust), 0);
    } else {
        appendPutDownBroom(w);
    }
}

// Room 6, the upper floor: the bat, the person in the chair with its red glow
// (gone late at night), the equipment, and late at night the treat and letter.
void PlayScreen::buildRoom6() {
    SceneObjectList& w = world.worldList;
    appendNamedRow(w, kBat);
    if (!story.nightAlmostOver) {
        RoomRecord person(kPersonInChair);
        person.name(kObjPerson);
        for (int32_t vertex : {2, 716}) {
            setGlowColour(person.glow(vertex), 1.0f, 0.1254902f, 0.1254902f, 0.5f);
        }
        w.appendSceneObject(person.take());
        RoomRecord redGlow;
        redGlow.at(13.325f, 30.0f, 9.2f);
        GlowSprite* sprite = redGlow.glow(-1);
        sprite->quadExtent.set(0.3f, 1.0f, 1.0f);
        setGlowColour(sprite, 1.0f, 0.0f, 0.0f, 0.1f);
        w.appendSceneObject(redGlow.take());
    }
    RoomRecord equipment;
    equipment.name(kObjMedicalEquipment)
        .mesh(mesh::kMedicalEquipment)
        .at(10.60117f, 30.06468f, 8.44822f)
        .size(1.0f, 0.335f, 2.0f);
    if (!story.nightAlmostOver) {
        equipment.texture(picture::kEquipmentPanels);
    }
    w.appendSceneObject(equipment.take());
    w.appendSceneObject(RoomRecord(kBesideChair).take());
    appendNamedRow(w, kSpacedChair);
    if (treatThere(story)) {
        appendTreatOnLetter(w);
    }
    if (story.nightAlmostOver && !story.letterTaken) {
        appendNamedRow(w, kLetterMark);
        w.appendSceneObject(RoomRecord(kLetterSheen).name(kObjLetter1).sphereMapped().take());
        appendNamedRow(w, kLetterText);
    }
}
