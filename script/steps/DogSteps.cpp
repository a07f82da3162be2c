// The dog: it comes to the placed bone, makes itself heard, and buries the bone it is given.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/GardenLooks.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kDogRows[] = {
    {step::kDogSceneEnds, kStepSilent, 0, 0.0f, kNoStepLine, kKeepDelay, step::kNone},
};

const Vec3 kDogPlace(13.5f, 23.5f, 0.35651f);

// The bone is laid down and the dog wakes behind it.
void layBoneDown(PlayScreen& play) {
    play.story.bonePlaced = true;
    appendPlacedBone(play.world.worldList);
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->setSceneObjectMesh(mesh::kDogWaking);
    dog->animTime = 0.0f;
    poseAwakeDog(*dog);
    nextAfter(play, 1.0f, step::kDogCameraToBone);
}

void dogCameraToBone(PlayScreen& play) {
    flyToward(play, play.player.playerEyePosition(), Vec3(13.5f, 23.5f, 0.35f), 3.0f, true);
    nextAfter(play, 3.0f, step::kDogCameraToDog);
}

void dogCameraToDog(PlayScreen& play) {
    flyToward(play, gCamera->position, sceneObject(play, kObjDog)->position, 6.0f, false);
    nextAfter(play, 5.9f, step::kDogGuards);
}

void dogGuards(PlayScreen& play) {
    SceneObject* dog = sceneObject(play, kObjDog);
    fadeDogToGuarding(*dog, 0.9f);
    returnToPlayer(play, step::kDogSceneEnds);
}

void dogBarks(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTwoBarks, 0.4f);
    SceneObject* dog = sceneObject(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogSniffing, 1.0f);
    dog->animSpeed = 2.0f;
    say(play, kStpDogHeard);
    play.script.scriptStep = step::kDogSettles;
}

void dogSettles(PlayScreen& play) {
    SceneObject* dog = sceneObject(play, kObjDog);
    fadeDogToGuarding(*dog, 1.0f);
    play.script.scriptStep = step::kNone;
}

// Given the bone, the dog buries it ("tmp" is the hole) and lies down content.
void dogBuriesBone(PlayScreen& play) {
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
    play.script.scriptStep = step::kDogBurialView;
}

void dogBurialView(PlayScreen& play) {
    play.script.scriptStepDelay = 7.5f;
    play.startCameraFlight(Vec3(11.32f, 22.99f, 0.65f), Vec3(0.0f, 0.331613f, 0.610865f), 8.5f, false);
    play.script.scriptStep = step::kDogBurialDarkens;
}

void dogBurialDarkens(PlayScreen& play) { darkenToStep(play, step::kDogLiesContent); }

void dogLiesContent(PlayScreen& play) {
    deleteRowObject(play, kObjDog);
    deleteRowObject(play, kObjTmp);
    appendContentDog(play.world.worldList);
    fadeScene(play, 1.0f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kDogRecords[] = {
    {step::kLayBoneDown, layBoneDown}, {step::kDogCameraToBone, dogCameraToBone},
    {step::kDogCameraToDog, dogCameraToDog}, {step::kDogGuards, dogGuards}, {step::kDogBarks, dogBarks},
    {step::kDogSettles, dogSettles}, {step::kDogBuriesBone, dogBuriesBone}, {step::kDogBurialView, dogBurialView},
    {step::kDogBurialDarkens, dogBurialDarkens}, {step::kDogLiesContent, dogLiesContent},
};

}  // namespace

const SceneSteps kDogSteps = {kDogRows, entryCount(kDogRows), kDogRecords, entryCount(kDogRecords)};
