#include "play/SweepEffect.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "catalog/ResourceCatalog.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "play/GlowSprite.h"
#include "play/SceneObject.h"

SweepEffect::SweepEffect()
    : effectTexture(nullptr), instance(nullptr), progress(0.75f), targetProgress(0.0f), rate(1.0f / 14.0f) {}

SweepEffect::~SweepEffect() { destroySweepEffect(); }

void SweepEffect::constructSweepEffect() {
    destroySweepEffect();
    progress = 0.75f;
    targetProgress = 0.0f;
    rate = 1.0f / 14.0f;
    effectTexture = acquireTextureByNumber(picture::kSweepMask);
    if (effectTexture) {
        effectTexture->setNearest();
    }
}

void SweepEffect::destroySweepEffect() {
    instance.reset();
    if (effectTexture && gResourceCache) {
        gResourceCache->releaseTexture(effectTexture);
    }
    effectTexture = nullptr;
}

void SweepEffect::updateSweepEffect(float dt) {
    if (instance) {
        instance->updateSceneObject(dt);
        const float p = progress;
        const float t = targetProgress;
        const bool rising = p >= 0.5f || (p > 0.45f && p < 0.5f && t >= 0.5f);
        const bool falling = p < 0.5f && t < 0.5f;
        for (const std::unique_ptr<GlowSprite>& sprite : instance->attachments()) {
            float& alpha = sprite->colour[3];
            if (rising && alpha < 1.0f) {
                alpha = std::min(alpha + 2.0f * dt, 1.0f);
            } else if (falling && alpha > 0.0f) {
                alpha = std::max(alpha - 2.0f * dt, 0.0f);
            }
        }
    }
    if (progress < targetProgress) {
        progress = std::min(progress + rate * dt, targetProgress);
    } else if (progress > targetProgress) {
        progress = std::max(progress - rate * dt, targetProgress);
    }
}

void SweepEffect::drawSweepEffect() {
    if (!instance) {
        return;
    }
    applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glTranslatef(4.0f * progress, 0.75f - 0.5f * progress, 0.0f);
    glScalef(4.0f, -0.25f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    // The mask stands in for the object's own texture for this one draw.
    instance->drawSceneObjectWithTexture(effectTexture);
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_CULL_FACE);

    glDepthFunc(GL_EQUAL);
    instance->drawSceneObject();
    instance->drawSceneObjectSecondPass();
    glDepthFunc(GL_LEQUAL);

    glDepthMask(GL_FALSE);
    instance->drawSceneObjectAttachments();
    glDepthMask(GL_TRUE);
}
