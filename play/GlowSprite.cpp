#include "play/GlowSprite.h"

#include <SDL_opengl.h>

#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/Random.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {

// One turn of the slowest colour channel takes 50 seconds.
const float kCycleRate = 0.12566371f;

float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

}  // namespace

GlowSprite::GlowSprite()
    : spriteTexture(nullptr),
      haloTexture(nullptr),
      vertexIndex(-1),
      quadExtent(0.25f, 0.3f, 0.6f),
      colour{1.0f, 1.0f, 1.0f, 1.0f},
      fadeIn(0.0f),
      time(0.0f),
      blinkPeriod(0.0f),
      blinkEdge(0.15f),
      colourCycling(false) {}

GlowSprite::~GlowSprite() { freeGlowSprite(); }

void GlowSprite::createGlowSprite() {
    freeGlowSprite();
    spriteTexture = acquireTextureByNumber(picture::kGlowSpot);
    haloTexture = acquireTextureByNumber(picture::kGlowHalo);
    vertexIndex = -1;
    quadExtent.set(0.25f, 0.3f, 0.6f);
    for (int k = 0; k < 4; ++k) {
        colour[k] = 1.0f;
    }
    fadeIn = 0.0f;
    time = 0.0f;
    blinkPeriod = 0.0f;
    blinkEdge = 0.15f;
    colourCycling = false;
}

void GlowSprite::freeGlowSprite() {
    if (spriteTexture) {
        gResourceCache->releaseTexture(spriteTexture);
        spriteTexture = nullptr;
    }
    if (haloTexture) {
        gResourceCache->releaseTexture(haloTexture);
        haloTexture = nullptr;
    }
}

void GlowSprite::setGlowSpriteTexture(int32_t n) {
    Texture* next = acquireTextureByNumber(n);
    if (spriteTexture) {
        gResourceCache->releaseTexture(spriteTexture);
    }
    spriteTexture = next;
}

void GlowSprite::setGlowSpriteHaloTexture(int32_t n) {
    Texture* next = acquireTextureByNumber(n);
    if (haloTexture) {
        gResourceCache->releaseTexture(haloTexture);
    }
    haloTexture = next;
}

void GlowSprite::advanceGlowSprite(float dt) {
    time += dt;
    fadeIn = fadeIn + 0.5f * dt;
    if (fadeIn > 1.0f) {
        fadeIn = 1.0f;
    }
    if (colourCycling) {
        colour[0] = 0.5f + 0.5f * sinf(4.0f * kCycleRate * time);
        colour[1] = 0.5f + 0.5f * sinf(2.0f * kCycleRate * time);
        colour[2] = 0.5f + 0.5f * sinf(kCycleRate * time);
    }
}

float GlowSprite::blinkFactor() const {
    if (blinkPeriod == 0.0f || !(blinkEdge > 0.0f)) {
        return 1.0f;
    }
    const float m = wrapPositive(time, blinkPeriod);
    float b = m < blinkEdge ? m / blinkEdge : 1.0f;
    if (m > blinkPeriod - blinkEdge) {
        b = 1.0f - (m - (blinkPeriod - blinkEdge)) / blinkEdge;
    }
    return b;
}

void GlowSprite::drawGlowSprite(const Vec3& objectPosition, const Vec3& objectRotation, const Vec3& vertex) {
    const float b = blinkFactor();
    glPushMatrix();

    Vec3 p = vertex;
    p.rotate(objectRotation);
    p.add(objectPosition);

    Vec3 toCamera = gCamera->position;
    toCamera.subtract(p);
    const float distance = toCamera.length();
    const float fogEnd = gCamera->fogEnd;
    const float a = clamp01(colour[3] * (1.0f - (distance - fogEnd) / fogEnd));
    const float f = 0.85f + 0.15f * randomUnit();
    // Fully transparent (faded in not yet, blinked off or beyond the fog):
    // both layers would blend at alpha 0 and change no pixel. The flicker's
    // random number is taken all the same, so that the random sequence stays.
    if (b * a * fadeIn == 0.0f) {
        glPopMatrix();
        return;
    }

    const float hy = quadExtent.y * (distance + 1.0f);
    const float hz = quadExtent.z * (distance + 1.0f);
    const float x = quadExtent.x;

    glTranslatef(p.x, p.y, p.z);
    Vec3 facing;
    facing.setDirectionAngles(p, gCamera->position);
    glRotatef(facing.z * kDegreesPerRadian, 0.0f, 0.0f, 1.0f);
    glRotatef(facing.y * kDegreesPerRadian, 0.0f, 1.0f, 0.0f);
    glRotatef(-gCamera->rotation.x * kDegreesPerRadian, 1.0f, 0.0f, 0.0f);

    applyPlainColour(colour[0], colour[1], colour[2], b * a * fadeIn);
    if (spriteTexture) {
        spriteTexture->bind();
    }
    // Black would add nothing, so a black sprite darkens with plain blending.
    const bool black = colour[0] == 0.0f && colour[1] == 0.0f && colour[2] == 0.0f;
    if (!black) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    glBegin(GL_QUADS);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x, hy * f, hz * f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x, -hy * f, hz * f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x, -hy * f, -hz * f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x, hy * f, -hz * f);
    glEnd();
    if (!black) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    if (haloTexture) {
        haloTexture->bind();
    }
    const float r = hy;
    const float du = 0.1f * sinf(0.2f * time) + 0.1f * sinf(0.232f * time);
    const float dv = -0.06f * time;
    const float centreAlpha = b * a * 0.2f * fadeIn;
    // The rim is transparent, so blending must be on whatever the centre's alpha.
    applyPlainColour(colour[0], colour[1], colour[2], centreAlpha);
    glBegin(GL_TRIANGLE_FAN);
    glColor4f(colour[0], colour[1], colour[2], centreAlpha);
    glTexCoord2f(2.0f * r + du, 2.0f * r + dv);
    glVertex3f(x, 0.0f, 0.0f);
    glColor4f(colour[0], colour[1], colour[2], 0.0f);
    glTexCoord2f(4.0f * r + du, 2.0f * r + dv);
    glVertex3f(x, 2.0f * r, 0.0f);
    glTexCoord2f(2.0f * r + du, dv);
    glVertex3f(x, 0.0f, 2.0f * r);
    glTexCoord2f(du, 2.0f * r + dv);
    glVertex3f(x, -2.0f * r, 0.0f);
    glTexCoord2f(2.0f * r + du, 4.0f * r + dv);
    glVertex3f(x, 0.0f, -2.0f * r);
    glTexCoord2f(4.0f * r + du, 2.0f * r + dv);
    glVertex3f(x, 2.0f * r, 0.0f);
    glEnd();

    glPopMatrix();
}
