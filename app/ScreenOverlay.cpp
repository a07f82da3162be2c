#include "app/ScreenOverlay.h"

#include <SDL_opengl.h>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {
const int32_t kFogPicture = picture::kFogLayer;
const int32_t kVignettePicture = picture::kVignette;

// One quad over the whole overlay with the given corner texture coordinates
// (lower left, lower right, upper right, upper left).
void overlayQuad(float u0, float v0, float u1, float v1) {
    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v1);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(u1, v1);
    glVertex3f(0.0f, w, 0.0f);
    glTexCoord2f(u1, v0);
    glVertex3f(0.0f, w, h);
    glTexCoord2f(u0, v0);
    glVertex3f(0.0f, 0.0f, h);
    glEnd();
}
}  // namespace

ScreenOverlay::ScreenOverlay() : time(0.0f), fogLayer(nullptr), vignette(nullptr) {}

ScreenOverlay::~ScreenOverlay() {
    if (gResourceCache) {
        freeScreenOverlay();
    }
}

void ScreenOverlay::createScreenOverlay() {
    time = 0.0f;
    fogLayer = acquireTextureByNumber(kFogPicture);
    vignette = acquireTextureByNumber(kVignettePicture);
}

void ScreenOverlay::freeScreenOverlay() {
    releaseHeldTexture(fogLayer);
    releaseHeldTexture(vignette);
}

void ScreenOverlay::reloadScreenOverlay() {
    freeScreenOverlay();
    createScreenOverlay();
}

void ScreenOverlay::advanceScreenOverlay(float dt) { time += dt; }

void ScreenOverlay::fogOffset(float& u0, float& v0) const {
    u0 = -gCamera->rotation.z / kFullTurn * 4.0f + 0.04f * time;
    v0 = gCamera->rotation.y / kFullTurn * 4.0f;
}

void ScreenOverlay::drawScreenOverlayFog() const {
    float u0 = 0.0f;
    float v0 = 0.0f;
    fogOffset(u0, v0);
    applyPlainColour(1.0f, 1.0f, 1.0f, 0.02f);
    if (fogLayer) {
        fogLayer->bind();
    }
    overlayQuad(u0, v0, u0 + 1.0f, v0 + 1.0f);
    unbindTexture();
}

void ScreenOverlay::drawScreenOverlayVignette() const {
    applyPlainColour(0.0f, 0.0f, 0.0f, 0.25f);
    if (vignette) {
        vignette->bind();
    }
    overlayQuad(0.0f, 0.0f, 1.0f, 1.0f);
    unbindTexture();
}
