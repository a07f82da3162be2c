#include "app/ScreenOverlay.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <vector>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/TextureUnits.h"

namespace {
const int32_t kFogPicture = picture::kFogLayer;
const int32_t kVignettePicture = picture::kVignette;

// The fog layer's colour and alpha and the vignette's.
const float kFogAlpha = 0.02f;
const float kVignetteAlpha = 0.25f;

// The texture coordinate at z along a side of the overlay h long, of a layer
// whose quad has atBottom at 0 and atTop at h (up, or across from the left);
// the edges themselves exactly.
float bandCoordinate(float atBottom, float atTop, float z, float h) {
    if (z <= 0.0f) return atBottom;
    if (z >= h) return atTop;
    return atBottom + (atTop - atBottom) * (z / h);
}

// One quad over left..right, bottom..top of the overlay with the texture
// coordinates a quad over the whole overlay has at the same points (u0, v0
// at its upper left, u1, v1 at its lower right).
void overlayQuad(float u0, float v0, float u1, float v1, float left, float right, float bottom, float top) {
    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    const float xs[4] = {left, right, right, left};
    const float zs[4] = {bottom, bottom, top, top};
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(bandCoordinate(u0, u1, xs[k], w), bandCoordinate(v1, v0, zs[k], h));
        glVertex3f(0.0f, xs[k], zs[k]);
    }
    glEnd();
}

void setCombine(GLenum rgb, GLenum alpha, const GLfloat* constant) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, static_cast<GLint>(rgb));
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, static_cast<GLint>(alpha));
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, constant);
}

// Source k of the colour (or, with alpha set, of the alpha) combine.
void setSource(int k, bool alpha, GLenum source, GLenum operand) {
    glTexEnvi(GL_TEXTURE_ENV, static_cast<GLenum>((alpha ? GL_SOURCE0_ALPHA : GL_SOURCE0_RGB) + k),
              static_cast<GLint>(source));
    glTexEnvi(GL_TEXTURE_ENV, static_cast<GLenum>((alpha ? GL_OPERAND0_ALPHA : GL_OPERAND0_RGB) + k),
              static_cast<GLint>(operand));
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
    if (vignette) {
        vignetteHole.findVignetteHole(*vignette);
    }
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

void ScreenOverlay::drawScreenOverlayFog() const { drawScreenOverlayFog(0.0f, gScreenSize2D->height); }

void ScreenOverlay::drawScreenOverlayVignette() const { drawScreenOverlayVignette(0.0f, gScreenSize2D->height); }

void ScreenOverlay::drawScreenOverlayFog(float bottom, float top) const {
    float u0 = 0.0f;
    float v0 = 0.0f;
    fogOffset(u0, v0);
    applyPlainColour(1.0f, 1.0f, 1.0f, kFogAlpha);
    if (fogLayer) {
        fogLayer->bind();
    }
    overlayQuad(u0, v0, u0 + 1.0f, v0 + 1.0f, 0.0f, gScreenSize2D->width, bottom, top);
    unbindTexture();
}

void ScreenOverlay::drawScreenOverlayVignette(float bottom, float top) const {
    applyPlainColour(0.0f, 0.0f, 0.0f, kVignetteAlpha);
    if (vignette) {
        vignette->bind();
    }
    // Around the clear centre only (none without a picture): there the quad
    // would blend nothing in.
    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    float z = bottom;
    const std::vector<VignetteHole::Span>& spans = vignetteHole.spans();
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        const float low = std::max((1.0f - span->t1) * h, bottom);
        const float high = std::min((1.0f - span->t0) * h, top);
        if (low >= high || low < z) {
            continue;
        }
        if (low > z) {
            overlayQuad(0.0f, 0.0f, 1.0f, 1.0f, 0.0f, w, z, low);
        }
        overlayQuad(0.0f, 0.0f, 1.0f, 1.0f, 0.0f, span->u0 * w, low, high);
        overlayQuad(0.0f, 0.0f, 1.0f, 1.0f, span->u1 * w, w, low, high);
        z = high;
    }
    if (z < top) {
        overlayQuad(0.0f, 0.0f, 1.0f, 1.0f, 0.0f, w, z, top);
    }
    unbindTexture();
}

bool ScreenOverlay::canJoinScreenOverlay() const {
    return fogLayer && fogLayer->glName != 0 && fogLayer->alphaMode == Texture::alphaOpaque && vignette &&
           vignette->glName != 0 && textureUnitCount() >= 3;
}

// With the fog f (white x picture, alpha a = kFogAlpha) and the vignette v
// (black, alpha b = kVignetteAlpha x picture alpha) drawn in turn over d, a
// pixel becomes b x 0 + (1 - b) x (a x f + (1 - a) x d). The units give the
// premultiplied colour (1 - b) x a x f and the alpha 1 - (1 - b)(1 - a), and
// the blend adds d times one minus that alpha: the same.
void ScreenOverlay::drawScreenOverlayJoined(float bottom, float top) const {
    float u0 = 0.0f;
    float v0 = 0.0f;
    fogOffset(u0, v0);
    const GLfloat fogConstant[4] = {0.0f, 0.0f, 0.0f, kFogAlpha};
    const GLfloat vignetteConstant[4] = {0.0f, 0.0f, 0.0f, kVignetteAlpha};
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    fogLayer->bind();
    // Unit 0: the fog premultiplied, a x f.
    setCombine(GL_MODULATE, GL_REPLACE, fogConstant);
    setSource(0, false, GL_TEXTURE, GL_SRC_COLOR);
    setSource(1, false, GL_CONSTANT, GL_SRC_ALPHA);
    setSource(0, true, GL_CONSTANT, GL_SRC_ALPHA);
    // Unit 1: the vignette's alpha b; the colour passed on.
    bindTextureOnUnit(1, *vignette);
    setCombine(GL_REPLACE, GL_MODULATE, vignetteConstant);
    setSource(0, false, GL_PREVIOUS, GL_SRC_COLOR);
    setSource(0, true, GL_TEXTURE, GL_SRC_ALPHA);
    setSource(1, true, GL_CONSTANT, GL_SRC_ALPHA);
    // Unit 2 (its texture unused): colour (1 - b) x a x f; alpha
    // 1 x b + a x (1 - b), the primary colour's alpha being 1.
    bindTextureOnUnit(2, *vignette);
    setCombine(GL_MODULATE, GL_INTERPOLATE, fogConstant);
    setSource(0, false, GL_PREVIOUS, GL_SRC_COLOR);
    setSource(1, false, GL_PREVIOUS, GL_ONE_MINUS_SRC_ALPHA);
    setSource(0, true, GL_PRIMARY_COLOR, GL_SRC_ALPHA);
    setSource(1, true, GL_CONSTANT, GL_SRC_ALPHA);
    setSource(2, true, GL_PREVIOUS, GL_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);

    const float w = gScreenSize2D->width;
    const float h = gScreenSize2D->height;
    const float zs[4] = {bottom, bottom, top, top};
    const float ys[4] = {0.0f, w, w, 0.0f};
    const float fogU[4] = {u0, u0 + 1.0f, u0 + 1.0f, u0};
    const float vignetteU[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glMultiTexCoord2f(GL_TEXTURE0, fogU[k], bandCoordinate(v0 + 1.0f, v0, zs[k], h));
        glMultiTexCoord2f(GL_TEXTURE1, vignetteU[k], bandCoordinate(1.0f, 0.0f, zs[k], h));
        glVertex3f(0.0f, ys[k], zs[k]);
    }
    glEnd();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    resetTextureUnits(2);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    unbindTexture();
}
