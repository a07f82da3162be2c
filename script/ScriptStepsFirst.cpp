#include "app/ResourceCatalog.h"
#include "engine/Camera.h"
#include "engine/CountOf.h"
#include "engine/ResourcesByNumber.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/RowParts.h"
#include "script/StepParts.h"

// The scenes of the first half of the story: short answers, the shady cat,
// monique, the bird statues, the candle, the dog, the pumpkin and the door.

namespace {

SceneObject* object(PlayScreen& play, ObjectName name) { return play.findSceneObject(name); }

// Short answers.

void step1(PlayScreen& play) { say(play, kStpNoEffect); play.script.scriptStep = -1; }
void step2(PlayScreen& play) { say(play, kStpNotASnake); play.script.scriptStep = 1; }
void step3(PlayScreen& play) { say(play, kStpNearlyToppled); play.script.scriptStep = -1; }
void step4(PlayScreen& play) { say(play, kStpStandsFirm); play.script.scriptStep = -1; }
void step5(PlayScreen& play) { say(play, kStpNoAnswerComes); play.script.scriptStep = -1; }

void step6(PlayScreen& play) {
    if (play.story.costumeDeath) {
        playCueOnAnyChannel(sound::kWitchVoice, 0.4f);
        say(play, kStpWitchNo);
    } else if (play.story.costumeWerewolf || play.story.costumeGhost) {
        say(play, kStpNoEffect);
    }
    play.script.scriptStep = -1;
}

void step7(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSkeletonVoice, 1.0f);
    play.script.scriptStep = -1;
    if (play.story.costumeGhost) {
        say(play, kStpSkeletonGreetsGhost);
    } else if (play.story.costumeWerewolf) {
        say(play, kStpSkeletonGreetsWerewolf);
    } else if (play.story.costumeDeath) {
        say(play, kStpSkeletonAsksHow);
        play.script.scriptStep = 11;
    }
}

void step8(PlayScreen& play) { say(play, kStpLeaderNoHeed); play.script.scriptStep = -1; }
void step9(PlayScreen& play) { say(play, kStpMakesNoSense); play.script.scriptStep = -1; }

void step10(PlayScreen& play) {
    playCueOnAnyChannel(sound::kMoniqueVoice, 0.3f);
    say(play, kStpMoniquePraises);
    play.script.scriptStep = -1;
}

void step11(PlayScreen& play) { say(play, kStpNoIdea); play.script.scriptStep = -1; }
void step12(PlayScreen& play) { say(play, kStpNothingHeard); play.script.scriptStep = -1; }

void step13(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSkeletonVoice, 1.0f);
    say(play, kStpSkeletonRemembers);
    play.script.scriptStep = 40;
}

void step40(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSkeletonVoice, 1.0f);
    say(play, kStpSkeletonBeneath);
    play.script.scriptStep = -1;
}

// The opened lock is no longer a target.
void step14(PlayScreen& play) {
    SceneObject* lock = object(play, kObjLock);
    lock->setSceneObjectMesh(mesh::kLockOpen);
    noCollision(lock);
    lock->name.clear();
    play.script.scriptStep = -1;
}

void step15(PlayScreen& play) { play.script.scriptStepDelay = 1.0f; play.script.scriptStep = 16; }
void step16(PlayScreen& play) { say(play, kStpBurningSmell); play.script.scriptStep = -1; }

// Shady cat.

void step17(PlayScreen& play) {
    playCueOnAnyChannel(sound::kShadowGiggle, 0.0f);
    SceneObject* cat = object(play, kObjShadyCat);
    cat->setSceneObjectMesh(mesh::kCatLookingUp);
    animate(cat, 0.0f, 0.0f);
    placeCamera(Vec3(22.31f, 1.68f, 0.63f), Vec3(0.0f, 33.0f, 270.0f));
    play.startCameraFlight(Vec3(22.3f, 1.32f, 0.55f), Vec3(0.0f, 0.401426f, 4.71239f), 3.5f, false);
    fadeScene(play, 1.0f, 1.0f);
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 18;
}

void step18(PlayScreen& play) {
    animate(object(play, kObjShadyCat), 0.0f, 1.0f);
    play.script.scriptStepDelay = 5.0f;
    play.script.scriptStep = 29;
}

void step29(PlayScreen& play) {
    SceneObject* cat = object(play, kObjShadyCat);
    addGlow(cat, 1031, Vec3(0.6f, 0.6f, 0.6f), 1.0f, 1.0f, 1.0f, 1.0f);
    cat->attachments.back()->setGlowSpriteHaloTexture(58);
    play.script.scriptStepDelay = 2.0f;
    play.script.scriptStep = 19;
}

void step19(PlayScreen& play) {
    playCueOnAnyChannel(sound::kShadowGiggle, 0.3f);
    SceneObject* cat = object(play, kObjShadyCat);
    cat->setSceneObjectMesh(mesh::kCatCowering);
    cat->animTime = 0.0f;
    say(play, kStpShadowGiggles);
    play.script.scriptStep = 20;
}

void step20(PlayScreen& play) {
    fadeScene(play, 0.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 21;
}

void step21(PlayScreen& play) {
    SceneObject* cat = object(play, kObjShadyCat);
    cat->setSceneObjectMesh(mesh::kShadyCat);
    cat->animSpeed = 1.0f;
    freeGlows(cat);
    fadeScene(play, 1.0f);
    play.script.scriptStep = -1;
}

void step22(PlayScreen& play) {
    SceneObject* cat = object(play, kObjShadyCat);
    cat->setSceneObjectMesh(mesh::kCatLookingUp);
    animate(cat, 0.0f, 0.0f);
    placeCamera(Vec3(22.3f, 1.32f, 0.55f), Vec3(0.0f, 23.0f, 270.0f));
    fadeScene(play, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 23;
}

void step23(PlayScreen& play) {
    playCueOnAnyChannel(sound::kMeow, 0.3f);
    say(play, kStpCatMeows);
    play.script.scriptStep = 20;
}

void step24(PlayScreen& play) {
    playCueOnAnyChannel(sound::kMeow, 0.3f);
    say(play, kStpCatMeows);
    play.script.scriptStep = -1;
}

// Monique.

void step25(PlayScreen& play) {
    playCueOnAnyChannel(sound::kDelightedGasp, 0.6f);
    SceneObject* monique = object(play, kObjMonique);
    monique->setSceneObjectMesh(mesh::kMoniqueTakingFlower);
    animate(monique, 0.0f, 1.0f);
    placeCamera(Vec3(monique->position.x - 1.0f, monique->position.y, 1.5f), Vec3(0.0f, 0.0f, -3.0f));
    fadeScene(play, 1.0f);
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 26;
}

void step26(PlayScreen& play) {
    SceneObject* monique = object(play, kObjMonique);
    monique->crossFadeSceneObjectMesh(mesh::kMoniqueTalkingWithFlower, 0.5f);
    play.story.storyValue14 = monique->position.x;
    playCueOnAnyChannel(sound::kMoniqueVoice, 0.3f);
    say(play, kStpMoniqueLaughs);
    play.script.scriptStep = 27;
}

void step27(PlayScreen& play) {
    fadeScene(play, 0.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 28;
}

void step28(PlayScreen& play) {
    fadeScene(play, 1.0f);
    SceneObject* hat = addRowObject(play, objectName(kObjHat), 18, -1, -1, Vec3(play.story.storyValue14, 3.8f, 0.19f));
    hat->rotation.set(2.79253f, 0.453786f, -0.244346f);
    play.player.removeActionById(8);
    play.story.moniqueHasFlower = true;
    play.script.scriptStep = -1;
}

// Bird statues.

void step30(PlayScreen& play) {
    Vec3 eye = play.player.playerEyePosition();
    eye.y -= 0.2f;
    play.startCameraFlight(eye, play.player.playerViewAngles(), 0.3f, false);
    play.script.scriptStepDelay = 0.3f;
    play.script.scriptStep = 31;
}

void step31(PlayScreen& play) { play.script.scriptStepDelay = 1.0f; play.script.scriptStep = 32; }

void step32(PlayScreen& play) {
    flyToward(play, gCamera->position, object(play, kObjRightBirdStatue)->position, 1.0f, true);
    play.script.scriptStepDelay = 1.2f;
    play.script.scriptStep = 33;
}

void step33(PlayScreen& play) {
    animate(object(play, kObjLeftBirdStatue), 3.0f, 0.0f);
    animate(object(play, kObjRightBirdStatue), 3.0f, 0.0f);
    playCueOnAnyChannel(sound::kRightBirdVoice, 0.8f);
    say(play, kStpRightStatueDuty);
    play.script.scriptStep = 34;
}

// One line of the statues' rhyme, the camera turning to the speaker.
void statueLine(PlayScreen& play, ObjectName statue, StepText line, int32_t next) {
    flyToward(play, gCamera->position, object(play, statue)->position, 1.5f, true);
    playCueOnAnyChannel(statue == kObjLeftBirdStatue ? sound::kLeftBirdVoice : sound::kRightBirdVoice, 0.8f);
    say(play, line);
    play.script.scriptStep = next;
}

void step34(PlayScreen& play) { statueLine(play, kObjLeftBirdStatue, kStpLeftStatuePurpose, 35); }
void step35(PlayScreen& play) { statueLine(play, kObjRightBirdStatue, kStpRightStatueOnShow, 36); }
void step36(PlayScreen& play) { statueLine(play, kObjLeftBirdStatue, kStpLeftStatueEnds, 37); }

void step37(PlayScreen& play) {
    flyBackToPlayer(play, 2.0f, true);
    play.script.scriptStepDelay = 2.0f;
    play.script.scriptStep = -1;
}

void step38(PlayScreen& play) {
    playCueOnAnyChannel(sound::kRightBirdVoice, 0.8f);
    say(play, kStpRightStatueRejects);
    play.script.scriptStep = -1;
}

void step39(PlayScreen& play) {
    playCueOnAnyChannel(sound::kLeftBirdVoice, 0.8f);
    if (play.story.costumeGhost) {
        say(play, kStpLeftStatueGhost);
    } else if (play.story.costumeWerewolf) {
        say(play, kStpLeftStatueWerewolf);
    } else if (play.story.costumeDeath) {
        say(play, kStpLeftStatueDeath);
    }
    play.script.scriptStep = -1;
}

void step41(PlayScreen& play) {
    playCueOnAnyChannel(sound::kLeftBirdVoice, 0.8f);
    say(play, kStpLeftStatueContent);
    play.script.scriptStep = -1;
}

// The candle becomes the lit candle.
// The skeleton lights the candle: the lit candle joins the actions at the
// end, and the choice is left to the player.
void step42(PlayScreen& play) {
    play.player.removeActionById(13);
    appendActionEntry(play, 14);
    playCueOnAnyChannel(sound::kMatchStrike, 0.2f);
    play.script.scriptStep = -1;
}

// Dog.

const Vec3 kDogGlowScale(0.9f, 0.9f, 0.9f);

void addDogGlows(SceneObject* dog, int32_t first, int32_t second) {
    for (int32_t vertex : {first, second}) {
        addGlow(dog, vertex, kDogGlowScale, 0.803922f, 0.803922f, 0.0627451f, 1.0f);
        dog->attachments.back()->quadExtent.x = 0.1f;
    }
}

void step47(PlayScreen& play) {
    play.story.bonePlaced = true;
    addRowObject(play, objectName(kObjBone), 123, -1, -1, Vec3(13.6f, 23.5f, 0.027f));
    SceneObject* dog = object(play, kObjDog);
    dog->setSceneObjectMesh(mesh::kDogWaking);
    dog->animTime = 0.0f;
    dog->position.set(13.5f, 24.5f, 0.35651f);
    dog->halfSize.set(0.3f, 0.7f, 5.0f);
    dog->setSceneObjectTexture(picture::kCharacterAtlas);
    addDogGlows(dog, 505, 2162);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 43;
}

void step43(PlayScreen& play) {
    flyToward(play, play.player.playerEyePosition(), Vec3(13.5f, 23.5f, 0.35f), 3.0f, true);
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 44;
}

void step44(PlayScreen& play) {
    flyToward(play, gCamera->position, object(play, kObjDog)->position, 6.0f, false);
    play.script.scriptStepDelay = 5.9f;
    play.script.scriptStep = 45;
}

void step45(PlayScreen& play) {
    SceneObject* dog = object(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogGuarding, 0.9f);
    dog->animSpeed = 1.0f;
    flyBackToPlayer(play, 2.0f, true);
    play.script.scriptStepDelay = 2.0f;
    play.script.scriptStep = 46;
}

void step46(PlayScreen& play) { play.script.scriptStep = -1; }

void step48(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTwoBarks, 0.4f);
    SceneObject* dog = object(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogSniffing, 1.0f);
    dog->animSpeed = 2.0f;
    say(play, kStpDogHeard);
    play.script.scriptStep = 52;
}

void step52(PlayScreen& play) {
    SceneObject* dog = object(play, kObjDog);
    dog->crossFadeSceneObjectMesh(mesh::kDogGuarding, 1.0f);
    dog->animSpeed = 1.0f;
    play.script.scriptStep = -1;
}

void step49(PlayScreen& play) { playMusicTrack(music::kSilence); say(play, kStpSomethingEmpty); play.script.scriptStep = 50; }
void step50(PlayScreen& play) { say(play, kStpSomethingEmpty); play.script.scriptStep = 51; }
void step51(PlayScreen& play) { say(play, kStpSomethingEmpty); play.script.scriptStep = 144; }
void step144(PlayScreen& play) { playMusicTrack(music::kStreet); play.script.scriptStep = -1; }

const Vec3 kDogPlace(13.5f, 23.5f, 0.35651f);

void step53(PlayScreen& play) {
    addRowObject(play, objectName(kObjTmp), 126, -1, -1, kDogPlace)->animTime = 0.0f;
    SceneObject* dog = object(play, kObjDog);
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

void step55(PlayScreen& play) {
    fadeScene(play, 0.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 56;
}

void step56(PlayScreen& play) {
    deleteRowObject(play, kObjDog);
    deleteRowObject(play, kObjTmp);
    addRowObject(play, "", 127, -1, -1, kDogPlace);
    SceneObject* dog = addRowObject(play, "", 128, 51, -1, kDogPlace);
    dog->animSpeed = 2.0f;
    addDogGlows(dog, 76, 374);
    fadeScene(play, 1.0f);
    play.script.scriptStep = -1;
}

// Big pumpkin and door.

void step57(PlayScreen& play) { animate(object(play, kObjBigPumpkin), 50.0f, 0.0f); play.script.scriptStep = -1; }
void step58(PlayScreen& play) { deleteRowObject(play, kObjBigPumpkin); play.script.scriptStep = -1; }

void step59(PlayScreen& play) {
    deleteRowObject(play, kObjDoor);
    animate(addRowObject(play, "", 142, -1, -1, Vec3(12.6f, 29.4f, 2.4f)), 40.0f, 0.0f);
    play.script.scriptStep = -1;
}

}  // namespace

const StepRecord kFirstSteps[] = {
    {1, step1},   {2, step2},   {3, step3},   {4, step4},   {5, step5},   {6, step6},   {7, step7},
    {8, step8},   {9, step9},   {10, step10}, {11, step11}, {12, step12}, {13, step13}, {14, step14},
    {15, step15}, {16, step16}, {17, step17}, {18, step18}, {19, step19}, {20, step20}, {21, step21},
    {22, step22}, {23, step23}, {24, step24}, {25, step25}, {26, step26}, {27, step27}, {28, step28},
    {29, step29}, {30, step30}, {31, step31}, {32, step32}, {33, step33}, {34, step34}, {35, step35},
    {36, step36}, {37, step37}, {38, step38}, {39, step39}, {40, step40}, {41, step41}, {42, step42},
    {43, step43}, {44, step44}, {45, step45}, {46, step46}, {47, step47}, {48, step48}, {49, step49},
    {50, step50}, {51, step51}, {52, step52}, {53, step53}, {54, step54}, {55, step55}, {56, step56},
    {57, step57}, {58, step58}, {59, step59}, {144, step144},
};
const int32_t kFirstStepCount = COUNT_OF(kFirstSteps);
