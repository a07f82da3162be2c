// The shady cat: a close-up in which its shadow giggles, and its meows.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/StreetLooks.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kShadyCatRows[] = {
    {step::kCatMeowsInCloseUp, kStepCue, sound::kMeow, 0.3f, kStpCatMeows, kKeepDelay, step::kCatDarkens},
    {step::kCatMeows, kStepCue, sound::kMeow, 0.3f, kStpCatMeows, kKeepDelay, step::kNone},
};

// The close-up: the cat still, the camera flying down to it.
void catCloseUp(PlayScreen& play) {
    playCueOnAnyChannel(sound::kShadowGiggle, 0.0f);
    poseObject(play, kObjShadyCat, mesh::kCatLookingUp, 0.0f, 0.0f);
    placeCamera(Vec3(22.31f, 1.68f, 0.63f), Vec3(0.0f, 33.0f, 270.0f));
    play.startCameraFlight(Vec3(22.3f, 1.32f, 0.55f), Vec3(0.0f, 0.401426f, 4.71239f), 3.5f, false);
    fadeScene(play, 1.0f, 1.0f);
    nextAfter(play, 3.0f, step::kCatStirs);
}

void catStirs(PlayScreen& play) {
    animate(sceneObject(play, kObjShadyCat), 0.0f, 1.0f);
    nextAfter(play, 5.0f, step::kCatEyeGlows);
}

void catEyeGlows(PlayScreen& play) {
    SceneObject* cat = sceneObject(play, kObjShadyCat);
    addGlow(cat, 1031, Vec3(0.6f, 0.6f, 0.6f), 1.0f, 1.0f, 1.0f, 1.0f);
    cat->attachments().back()->setGlowSpriteHaloTexture(picture::kBlack);
    nextAfter(play, 2.0f, step::kShadowGiggles);
}

void shadowGiggles(PlayScreen& play) {
    playCueOnAnyChannel(sound::kShadowGiggle, 0.3f);
    SceneObject* cat = sceneObject(play, kObjShadyCat);
    cat->setSceneObjectMesh(mesh::kCatCowering);
    cat->animTime = 0.0f;
    say(play, kStpShadowGiggles);
    play.script.scriptStep = step::kCatDarkens;
}

void catDarkens(PlayScreen& play) { darkenToStep(play, step::kCatCloseUpEnds); }

void catCloseUpEnds(PlayScreen& play) {
    restShadyCat(*sceneObject(play, kObjShadyCat));
    fadeScene(play, 1.0f);
    play.script.scriptStep = step::kNone;
}

void catLooksUp(PlayScreen& play) {
    poseObject(play, kObjShadyCat, mesh::kCatLookingUp, 0.0f, 0.0f);
    placeCamera(Vec3(22.3f, 1.32f, 0.55f), Vec3(0.0f, 23.0f, 270.0f));
    fadeScene(play, 1.0f);
    nextAfter(play, 1.0f, step::kCatMeowsInCloseUp);
}

const StepRecord kShadyCatRecords[] = {
    {step::kCatCloseUp, catCloseUp}, {step::kCatStirs, catStirs}, {step::kCatEyeGlows, catEyeGlows},
    {step::kShadowGiggles, shadowGiggles}, {step::kCatDarkens, catDarkens}, {step::kCatCloseUpEnds, catCloseUpEnds},
    {step::kCatLooksUp, catLooksUp},
};

}  // namespace

const SceneSteps kShadyCatSteps = {kShadyCatRows, entryCount(kShadyCatRows), kShadyCatRecords,
                                   entryCount(kShadyCatRecords)};
