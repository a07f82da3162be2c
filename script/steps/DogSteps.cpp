// The dog: it comes to the placed bone, makes itself heard, and buries the bone it is given.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kDogRows[] = {
    {46, kStepSilent, 0, 0.0f, kNoStepLine, kKeepDelay, -1},
};

const Vec3 kDogGlowScale(0.9f, 0.9f, 0.9f);
const Vec3 kDogPlace(13.5f, 23.5f, 0.35651f);

// The dog's two eyes glow yellow.
void addDogGlows(SceneObject* dog, int32_t first, int32_t second) {
    for (int32_t vertex : {first, second}) {
        addGlow(dog, vertex, kDogGlowScale, 0.803922f, 0.803922f, 0.0627451f, 1.0f);
        dog->attachments().back()->quadExtent.x = 0.1f;
    }
}

// The bone is laid down and the dog stands behind it.
void step47(PlayScreen& play) {
    play.story.bonePlaced = true;
    addRowObject(play, objectName(kObjBone), mesh::kBone, -1, -1, Vec3(13.6f, 23.5f, 0.027f));
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->setSceneObjectMesh(mesh::kDogWaking);
    dog->animTime = 0.0f;
    dog->position.set(13.5f, 24.5f, 0.35651f);
    dog->halfSize.set(0.3f, 0.7f, 5.0f);
    dog->setSceneObjectTexture(picture::kCharacterAtlas);
    addDogGlows(dog, 505, 2162);
    nextAfter(play, 1.0f, 43);
}

void step43(PlayScreen& play) {
    flyToward(play, play.player.playerEyePosition(), Vec3(13.5f, 23.5f, 0.35f), 3.0f, true);
    nextAfter(play, 3.0f, 44);
}

void step44(PlayScreen& play) {
    flyToward(play, gCamera->position, sceneObject(play, kObjDog)->position, 6.0f, false);
    nextAfter(play, 5.9f, 45);
}

void step45(PlayScreen& play) {
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogGuarding, 0.9f);
    dog->animSpeed = 1.0f;
    returnToPlayer(play, 46);
}

void step48(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTwoBarks, 0.4f);
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogSniffing, 1.0f);
    dog->animSpeed = 2.0f;
    say(play, kStpDogHeard);
    play.script.scriptStep = 52;
}

void step52(PlayScreen& play) {
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogGuarding, 1.0f);
    dog->animSpeed = 1.0f;
    play.script.scriptStep = -1;
}

// Given the bone, the dog buries it ("tmp" is the hole) and lies down content.
void step53(PlayScreen& play) {
    addRowObject(play, objectName(kObjTmp), mesh::kBoneHoleDug, -1, -1, kDogPlace)->animTime = 0.0f;
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->setSceneObjectMesh(mesh::kDogEatingBone);
    dog->position = kDogPlace;
    animate(dog, 0.0f, 1.0f);
    placeCamera(Vec3(11.52f, 24.85f, 0.8f), Vec3(0.0f, 36.0f, -62.0f));
    play.script.scriptStepDelay = 3.33333f;
    play.startCameraFlight(gCamera->position, Vec3(0.0f, 0.418879f, -0.471239f), 3.33333f, false);
    fadeScene(play, 1.0f);
    playCueOnAnyChannel(sound::kDogChewing, 1.0f);
    play.script.scriptStep = 54;
}

void step54(PlayScreen& play) {
    play.script.scriptStepDelay = 7.5f;
    play.startCameraFlight(Vec3(11.32f, 22.99f, 0.65f), Vec3(0.0f, 0.331613f, 0.610865f), 8.5f, false);
    play.script.scriptStep = 55;
}

void step55(PlayScreen& play) { darkenToStep(play, 56); }

void step56(PlayScreen& play) {
    deleteRowObject(play, kObjDog);
    deleteRowObject(play, kObjTmp);
    addRowObject(play, "", mesh::kBoneHoleFilled, -1, -1, kDogPlace);
    SceneObject* dog = addRowObject(play, "", mesh::kDogChewing, picture::kCharacterAtlas, -1, kDogPlace);
    dog->animSpeed = 2.0f;
    addDogGlows(dog, 76, 374);
    fadeScene(play, 1.0f);
    play.script.scriptStep = -1;
}

const StepRecord kDogRecords[] = {
    {47, step47}, {43, step43}, {44, step44}, {45, step45}, {48, step48},
    {52, step52}, {53, step53}, {54, step54}, {55, step55}, {56, step56},
};

}  // namespace

const SceneSteps kDogSteps = {kDogRows, entryCount(kDogRows), kDogRecords, entryCount(kDogRecords)};
