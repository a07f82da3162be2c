#include "script/StepParts.h"

#include "app/Costume.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/Random.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"

SceneObject* sceneObject(PlayScreen& play, ObjectName name) { return play.findSceneObject(name); }

SceneObject* poseObject(PlayScreen& play, ObjectName name, int32_t mesh, float time, float speed) {
    SceneObject* object = sceneObject(play, name);
    object->setSceneObjectMesh(mesh);
    animate(object, time, speed);
    return object;
}

void say(PlayScreen& play, StepText id) { play.answerPanel.setAnswerText(stepText(id)); }

void cueLine(PlayScreen& play, int32_t n, float volume, StepText line, int32_t next) {
    playCueOnAnyChannel(n, volume);
    say(play, line);
    play.script.scriptStep = next;
}

void nextAfter(PlayScreen& play, float seconds, int32_t next) {
    play.script.scriptStepDelay = seconds;
    play.script.scriptStep = next;
}

StepText sayForCostume(PlayScreen& play, StepText ghost, StepText werewolf, StepText death) {
    const CostumeValue worn = costumeWorn(play.story.costumeFlags(), kGhostWerewolfDeath);
    const StepText line = forCostume(worn, ghost, werewolf, death, kNoStepLine);
    if (line != kNoStepLine) {
        say(play, line);
    }
    return line;
}

void playFishSound() {
    playCueOnAnyChannel(sound::kStepWading1 + static_cast<int32_t>(randomUnit() * 5.9999f), 0.5f);
}

void fadeScene(PlayScreen& play, float target, float rate) {
    play.view.sceneVisibilityTarget = target;
    play.view.sceneVisibilityRate = rate;
}

void fadeScene(PlayScreen& play, float target) { play.view.sceneVisibilityTarget = target; }

void darkenToStep(PlayScreen& play, int32_t next) {
    fadeScene(play, 0.0f);
    nextAfter(play, 1.0f, next);
}

void flyBackToPlayer(PlayScreen& play, float seconds, bool ease) {
    play.startCameraFlight(play.player.playerEyePosition(), play.player.playerViewAngles(), seconds, ease);
}

void returnToPlayer(PlayScreen& play, int32_t next) {
    flyBackToPlayer(play, 2.0f, true);
    nextAfter(play, 2.0f, next);
}

void flyToward(PlayScreen& play, const Vec3& from, const Vec3& point, float seconds, bool ease) {
    Vec3 angles;
    angles.setDirectionAngles(from, point);
    play.startCameraFlight(from, angles, seconds, ease);
}

void placeCamera(const Vec3& position, const Vec3& degrees) {
    gCamera->position = position;
    gCamera->rotation.set(degrees.x * kDegrees, degrees.y * kDegrees, degrees.z * kDegrees);
}

void animate(SceneObject* object, float time, float speed) {
    object->animTime = time;
    object->animSpeed = speed;
}

void addGlow(SceneObject* object, int32_t vertex, const Vec3& scale, float r, float g, float b, float a) {
    GlowSprite& sprite = object->attachGlowSprite(vertex);
    sprite.quadExtent.multiply(scale);
    sprite.colour[0] = r;
    sprite.colour[1] = g;
    sprite.colour[2] = b;
    sprite.colour[3] = a;
}

void freeGlows(SceneObject* object) { object->freeAttachments(); }

void noCollision(SceneObject* object) { object->halfSize.set(kNoCollision, kNoCollision, kNoCollision); }

SweepEffect* sweepTakesOver(PlayScreen& play, SceneObject* instance) {
    SweepEffect& sweep = replaceEffect(play.effects.sweepEffect);
    sweep.constructSweepEffect();
    sweep.instance = play.world.worldList.takeSceneObject(instance);
    return &sweep;
}

void showYou(PlayScreen& play) {
    const CostumeValue worn = costumeWorn(play.story.costumeFlags(), kWerewolfGhostDeath);
    const int32_t mesh = forCostume(worn, mesh::kCostumeGhost, mesh::kCostumeWerewolf, mesh::kCostumeDeath, -1);
    // Without a costume flag "you" keeps the blank mesh rather than asking
    // for a mesh that does not exist.
    std::unique_ptr<SceneObject> you = makeSceneObject();
    you->name = objectName(kObjYou);
    if (mesh >= 0) {
        you->setSceneObjectMesh(mesh);
    }
    you->setSceneObjectSecondTexture(picture::kBlack);
    you->position.set(12.5f, 32.0f, 7.3189f);
    you->animSpeed = 0.0f;
    play.world.worldList.appendSceneObject(std::move(you));
    fadeScene(play, 1.0f);
    placeCamera(Vec3(13.52f, 33.11f, 8.7f), Vec3(0.0f, 20.0f, 248.0f));
    play.script.scriptStepDelay = 3.0f;
}
