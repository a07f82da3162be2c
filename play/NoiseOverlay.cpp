#include "play/NoiseOverlay.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "engine/Random.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

NoiseOverlay::NoiseOverlay() : level(0.0f), targetLevel(0.0f), rate(0.1f), time(0.0f), noiseTexture(nullptr) {}

NoiseOverlay::~NoiseOverlay() { releaseNoiseOverlay(); }

void NoiseOverlay::initNoiseOverlay() {
    releaseNoiseOverlay();
    level = 0.0f;
    targetLevel = 0.0f;
    rate = 0.1f;
    time = 0.0f;
    noiseTexture = acquireTextureByNumber(picture::kFilmGrain);
    if (noiseTexture) {
        noiseTexture->setNearest();
    }
}

void NoiseOverlay::releaseNoiseOverlay() {
    if (noiseTexture && gResourceCache) {
        gResourceCache->releaseTexture(noiseTexture);
    }
    noiseTexture = nullptr;
    // The overlay widens the view as it thickens; the view goes back to its
    // normal angle with it, whatever level it had reached.
    if (gCamera) {
        gCamera->fovy = kNormalFieldOfView;
    }
}

void NoiseOverlay::updateNoiseOverlay(float dt) {
    time += dt;
    if (targetLevel > level) {
        level = std::min(level + rate * dt, targetLevel);
    } else if (level > targetLevel) {
        level = std::max(level - rate * dt, targetLevel);
    }
    const float v2 = level * level;
    gCamera->fogEnd = 5.0f - 2.0f * level;
    const float grey = 0.3f * v2 + 0.2f;
    gCamera->fogColour[0] = grey;
    gCamera->fogColour[1] = grey;
    gCamera->fogColour[2] = grey;
    gCamera->fovy = kNormalFieldOfView + 6.0f * v2;
}

void NoiseOverlay::drawNoiseOverlay() const {
    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    const float u = randomUnit();
    const float v = randomUnit();
    if (level == 0.0f) {
        // Noise and veil would blend at alpha 0 and change no pixel; the
        // two random numbers are still taken, so that the random sequence stays the same.
        return;
    }
    applyPlainColour(0.0f, 0.0f, 0.0f, 0.5f * level);
    if (noiseTexture) {
        noiseTexture->bind();
    }
    glBegin(GL_QUADS);
    glTexCoord2f(u, v + 0.7f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(u + 0.7f, v + 0.7f);
    glVertex3f(0.0f, w, 0.0f);
    glTexCoord2f(u + 0.7f, v);
    glVertex3f(0.0f, w, h);
    glTexCoord2f(u, v);
    glVertex3f(0.0f, 0.0f, h);
    glEnd();
    unbindTexture();
    applyPlainColour(0.0f, 0.0f, 0.0f, level * level);
    glBegin(GL_QUADS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, w, 0.0f);
    glVertex3f(0.0f, w, h);
    glVertex3f(0.0f, 0.0f, h);
    glEnd();
}
