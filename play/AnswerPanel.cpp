#include "play/AnswerPanel.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "app/FatalError.h"
#include "app/GameFont.h"
#include "app/InputActions.h"
#include "catalog/ResourceCatalog.h"
#include "engine/FontRegistry.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "play/SoundCue.h"
#include "script/StepIds.h"

namespace {

// Just above 1, so the per-vertex alphas below blend.
const float kBlendingAlpha = 1.001f;

float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// One quad in the overlay plane from (y0, z0) to (y1, z1), counter-clockwise
// seen from +X, with one alpha at the bottom and one at the top.
void bandQuad(const float* rgb, float y0, float y1, float z0, float z1, float bottomAlpha, float topAlpha) {
    glBegin(GL_QUADS);
    glColor4f(rgb[0], rgb[1], rgb[2], bottomAlpha);
    glVertex3f(0.0f, y0, z0);
    glVertex3f(0.0f, y1, z0);
    glColor4f(rgb[0], rgb[1], rgb[2], topAlpha);
    glVertex3f(0.0f, y1, z1);
    glVertex3f(0.0f, y0, z1);
    glEnd();
}

// How far the drifting texture reaches above the top of the band's third,
// and the top of the glow, in overlay units; nothing of the panel lies
// higher.
const float kTextureRise = 1.0f;
const float kGlowTop = 12.0f;

}  // namespace

AnswerPanel::AnswerPanel() : panelTexture(nullptr), openness(0.0f), targetOpenness(0.0f), scrollTime(0.0f) {}

AnswerPanel::~AnswerPanel() { destroyAnswerPanel(); }

void AnswerPanel::setUpLabel() {
    useGameFont(*this);
    position.set(0.0f, 2.0f, 10.0f);
    glyphSize = 2.0f;
    setAnchor(0.0f, 0.0f);
}

void AnswerPanel::constructAnswerPanel() {
    destroyAnswerPanel();
    panelTexture = acquireTextureByNumber(picture::kFogLayer);
    setUpLabel();
    openness = 0.0f;
    targetOpenness = 0.0f;
    scrollTime = 0.0f;
}

void AnswerPanel::resetAnswerPanel() {
    setUpLabel();
    openness = 0.0f;
    targetOpenness = 0.0f;
    scrollTime = 0.0f;
}

void AnswerPanel::destroyAnswerPanel() {
    if (panelTexture) {
        gResourceCache->releaseTexture(panelTexture);
        panelTexture = nullptr;
    }
}

void AnswerPanel::setAnswerText(const char* answer) {
    text = answer;
    targetOpenness = 1.0f;
}

bool AnswerPanel::isAnswerShowing() const { return targetOpenness == 1.0f || openness > 0.5f; }

void AnswerPanel::updateAnswerPanel(float dt, int32_t scriptStep, float scriptStepDelay) {
    if (targetOpenness > openness) {
        openness += dt;
        if (openness > 1.0f) {
            openness = 1.0f;
        }
    } else if (openness > targetOpenness) {
        const float o = openness - dt;
        if (scriptStep != step::kNone && scriptStepDelay == 0.0f && o <= 0.5f) {
            openness = 0.5f;
        } else {
            openness = o > 0.0f ? o : 0.0f;
        }
    }
    if (openness == 1.0f && (inputConfirm(true) || inputExecute(true))) {
        playCueOnAnyChannel(sound::kConfirm, 0.8f);
        targetOpenness = 0.0f;
    }
    scrollTime += dt;
}

float AnswerPanel::drawnTop() const {
    if (openness <= 0.0f) {
        return 0.0f;
    }
    const float h = gScreenSize2D ? gScreenSize2D->height : 36.0f;
    return std::max(h / 3.0f + kTextureRise, kGlowTop);
}

void AnswerPanel::drawAnswerPanel(bool warning) {
    const float w = gScreenSize2D ? gScreenSize2D->width : 48.0f;
    const float h = gScreenSize2D ? gScreenSize2D->height : 36.0f;
    const float o = openness;
    const float o1 = clamp01(4.0f * o);
    const float o2 = clamp01(4.0f * o - 1.0f);
    float o3 = clamp01(4.0f * o - 2.0f);
    float o4 = clamp01(4.0f * o - 3.0f);
    const float o5 = clamp01(3.0f * o2 - 2.0f);
    if (o1 == 0.0f) {
        // Fully closed: every layer below would blend at alpha 0, changing no
        // pixel, so none is drawn.
        unbindTexture();
        return;
    }
    if (targetOpenness == 0.0f) {
        // Closing: the text is covered again from the left.
        const float swap = o3;
        o3 = o4;
        o4 = swap;
    }
    const float p = h / 3.0f;
    const float normalBand[3] = {0.7f, 0.7f, 0.7f};
    const float warningBand[3] = {0.7f, 0.1f, 0.1f};
    const float normalText[3] = {0.15f, 0.15f, 0.15f};
    const float warningText[3] = {0.15f, 0.0f, 0.0f};
    const float normalGlow[3] = {1.0f, 1.0f, 1.0f};
    const float warningGlow[3] = {0.4f, 0.0f, 0.0f};
    const float* band = warning ? warningBand : normalBand;
    const float* ink = warning ? warningText : normalText;
    const float* glow = warning ? warningGlow : normalGlow;
    const float top = p * o2;

    // 1: the band and its soft upper edge.
    unbindTexture();
    applyPlainColour(band[0], band[1], band[2], kBlendingAlpha);
    bandQuad(band, 0.0f, w, 0.0f, top, o1, o1);
    bandQuad(band, 0.0f, w, top, p + 0.5f, o1, 0.0f);

    // 2: the drifting texture above the band.
    if (panelTexture) {
        panelTexture->bind();
    }
    const float s0 = -0.2f * scrollTime;
    glBegin(GL_QUADS);
    glColor4f(band[0], band[1], band[2], 0.5f * o5);
    glTexCoord2f(s0, 0.0f);
    glVertex3f(0.0f, 0.0f, top);
    glTexCoord2f(s0, 1.0f);
    glVertex3f(0.0f, w, top);
    glColor4f(band[0], band[1], band[2], 0.0f);
    glTexCoord2f(s0 + 0.5f * o2, 1.0f);
    glVertex3f(0.0f, w, p + kTextureRise);
    glTexCoord2f(s0 + 0.5f * o2, 0.0f);
    glVertex3f(0.0f, 0.0f, p + kTextureRise);
    glEnd();

    // 3: the text, uncovered from the left as the panel opens.
    if (o3 > 0.0f) {
        setColour(ink[0], ink[1], ink[2], kBlendingAlpha);
        draw();
        unbindTexture();
        applyPlainColour(band[0], band[1], band[2], kBlendingAlpha);
        const float y0 = 0.9f;
        const float y1 = position.y + width() + 0.1f;
        const float z0 = 0.9f;
        const float z1 = top - 0.9f;
        glBegin(GL_QUADS);
        glColor4f(band[0], band[1], band[2], 1.0f - o3);
        glVertex3f(0.0f, y0, z0);
        glColor4f(band[0], band[1], band[2], 1.0f - o4);
        glVertex3f(0.0f, y1, z0);
        glVertex3f(0.0f, y1, z1);
        glColor4f(band[0], band[1], band[2], 1.0f - o3);
        glVertex3f(0.0f, y0, z1);
        glEnd();
    }

    // 4: the glow rising from the bottom edge.
    if (panelTexture) {
        panelTexture->bind();
    }
    applyPlainColour(glow[0], glow[1], glow[2], kBlendingAlpha);
    const float t0 = -0.05f * scrollTime;
    glBegin(GL_QUADS);
    glColor4f(glow[0], glow[1], glow[2], 0.2f * o2);
    glTexCoord2f(1.0f, t0);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, t0);
    glVertex3f(0.0f, w, 0.0f);
    glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, t0 + 0.5f);
    glVertex3f(0.0f, w, kGlowTop);
    glTexCoord2f(1.0f, t0 + 0.5f);
    glVertex3f(0.0f, 0.0f, kGlowTop);
    glEnd();

    // 5.
    unbindTexture();
}
