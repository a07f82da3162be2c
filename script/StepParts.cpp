#include "script/StepParts.h"

#include "app/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/Random.h"
#include "play/GlowSprite.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"

StepHandler stepHandler(int32_t step) {
    for (int32_t k = 0; k < kFirstStepCount; ++k) {
        if (kFirstSteps[k].step == step) {
            return kFirstSteps[k].handler;
        }
    }
    for (int32_t k = 0; k < kSecondStepCount; ++k) {
        if (kSecondSteps[k].step == step) {
            return kSecondSteps[k].handler;
        }
    }
    return nullptr;
}

void say(PlayScreen& play, StepText id) { play.answerPanel.setAnswerText(stepText(id)); }

void playFishSound() {
    playCueOnAnyChannel(sound::kStepWading1 + static_cast<int32_t>(randomUnit() * 5.9999f), 0.5f);
}

void fadeScene(PlayScreen& play, float target, float rate) {
    play.view.sceneVisibilityTarget = target;
    play.view.sceneVisibilityRate = rate;
}

void fadeScene(PlayScreen& play, float target) { play.view.sceneVisibilityTarget = target; }

void flyBackToPlayer(PlayScreen& play, float seconds, bool ease) {
    play.startCameraFlight(play.player.playerEyePosition(), play.player.playerViewAngles(), seconds, ease);
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
    GlowSprite* sprite = new GlowSprite();
    sprite->createGlowSprite();
    sprite->vertexIndex = vertex;
    sprite->quadExtent.multiply(scale);
    sprite->colour[0] = r;
    sprite->colour[1] = g;
    sprite->colour[2] = b;
    sprite->colour[3] = a;
    object->attachments.push_back(sprite);
}

void freeGlows(SceneObject* object) {
    for (GlowSprite* sprite : object->attachments) {
        sprite->freeGlowSprite();
        delete sprite;
    }
    object->attachments.clear();
}

void noCollision(SceneObject* object) { object->halfSize.set(-1000.0f, -1000.0f, -1000.0f); }
