#include "app/ControllerSetupScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cmath>

#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/JoystickBindings.h"
#include "app/OverlayQuad.h"
#include "catalog/ResourceCatalog.h"
#include "engine/FontRegistry.h"
#include "engine/KeyState.h"
#include "engine/MouseState.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "text/Text.h"

namespace {
const int32_t kRecordRest = -1;
const int32_t kDone = 8;
const int32_t kFirstButtonStep = 4;
const int32_t kFirstPromptPicture = picture::kControllerPrompt1;
// How far an axis must move from rest to answer a question.
const float kAxisThreshold = 0.8f;

// The bindings in the order the questions learn them.
int32_t* learnedAxis(int32_t i) {
    int32_t* axes[] = {&gJoystickBindings.walkLeftAxis, &gJoystickBindings.walkAheadAxis,
                       &gJoystickBindings.lookLeftAxis, &gJoystickBindings.lookUpAxis};
    return axes[i];
}

int32_t* learnedButton(int32_t i) {
    int32_t* buttons[] = {&gJoystickBindings.selectActionButton, &gJoystickBindings.selectTargetButton,
                          &gJoystickBindings.executeButton, &gJoystickBindings.switchMenuButton};
    return buttons[i];
}

// The sign stored with each axis: +1 for a push to the negative side on the
// "left" questions, -1 on the "ahead" and "up" questions.
float learnedSign(int32_t i, float value) {
    const bool negative = value < 0.0f;
    const bool leftQuestion = i == 0 || i == 2;
    if (leftQuestion) return negative ? 1.0f : -1.0f;
    return negative ? -1.0f : 1.0f;
}

float* signOf(int32_t i) {
    float* signs[] = {&gJoystickBindings.walkLeftSign, &gJoystickBindings.walkAheadSign,
                      &gJoystickBindings.lookLeftSign, &gJoystickBindings.lookUpSign};
    return signs[i];
}
}  // namespace

ControllerSetupScreen::ControllerSetupScreen() : promptPicture(nullptr), step(kRecordRest) {
    for (uint8_t& b : restButtons) b = 0;
    for (float& a : restAxes) a = 0.0f;
    useGameFont(label);
    label.glyphSize = 1.5f;
    label.setAnchor(0.5f, 0.0f);
    label.position = Vec3(0.0f, 24.0f, 14.4f);
}

void ControllerSetupScreen::enterControllerSetupScreen() {
    gMouseState->clear();
    step = kRecordRest;
}

void ControllerSetupScreen::finish() {
    gControllerSetupDone = 1;
    gGameState = gSetupThenIntro ? kGameStateIntro : kGameStatePlay;
}

int32_t ControllerSetupScreen::findAxis(int32_t learned) const {
    for (int32_t a = 0; a < JoystickState::axisCount; ++a) {
        if (restAxes[a] != 0.0f || !(std::fabs(gJoystickState->axis(a)) > kAxisThreshold)) continue;
        bool taken = false;
        for (int32_t i = 0; i < learned; ++i) taken = taken || *learnedAxis(i) == a;
        if (!taken) return a;
    }
    return -1;
}

int32_t ControllerSetupScreen::findButton(int32_t learned) const {
    for (int32_t b = 0; b < JoystickState::buttonCount; ++b) {
        if (restButtons[b] || !gJoystickState->button(b)) continue;
        bool taken = false;
        for (int32_t i = 0; i < learned; ++i) taken = taken || *learnedButton(i) == b;
        if (!taken) return b;
    }
    return -1;
}

void ControllerSetupScreen::askStep() {
    label.text = text::kSetupPrompts[step];
    releaseHeldTexture(promptPicture);
    promptPicture = acquireTextureByNumber(kFirstPromptPicture + step);
    if (step < kFirstButtonStep) {
        const int32_t axis = findAxis(step);
        if (axis >= 0) {
            *learnedAxis(step) = axis;
            *signOf(step) = learnedSign(step, gJoystickState->axis(axis));
            ++step;
        }
        return;
    }
    const int32_t button = findButton(step - kFirstButtonStep);
    if (button >= 0) {
        *learnedButton(step - kFirstButtonStep) = button;
        ++step;
    }
}

void ControllerSetupScreen::draw() {
    gScreenSize2D->apply();
    applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f);
    drawFullOverlayQuad();
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    if (promptPicture) promptPicture->bind();
    drawOverlayQuad(16.0f, 16.0f, 32.0f, 28.0f);
    unbindTexture();
    label.setColour(1.0f, 1.0f, 1.0f, 0.999f);
    label.draw();
    const std::string prompt = label.text;
    label.setColour(0.5f, 0.5f, 0.5f, 0.999f);
    for (const char* hint : {text::kSetupHintController, text::kSetupHintEscape, text::kSetupHintKeyboard}) {
        label.text = hint;
        label.draw();
    }
    label.text = prompt;
    presentFrame();
}

void ControllerSetupScreen::updateControllerSetupScreen(float) {
    if (gKeyState->isDown(SDLK_ESCAPE)) {
        gKeyState->release(SDLK_ESCAPE);
        resetJoystickBindings();
        finish();
        return;
    }
    if (step == kRecordRest) {
        for (int32_t b = 0; b < JoystickState::buttonCount; ++b) restButtons[b] = gJoystickState->button(b);
        for (int32_t a = 0; a < JoystickState::axisCount; ++a) restAxes[a] = gJoystickState->axis(a);
        step = 0;
    }
    if (step < kDone) {
        askStep();
        if (gGameState == kGameStateError) return;
    }
    if (step == kDone) {
        // The press that answered the last question must not open the menu
        // on the next screen.
        gJoystickState->setButton(gJoystickBindings.switchMenuButton, 0);
        finish();
        return;
    }
    draw();
}

void ControllerSetupScreen::leaveControllerSetupScreen() {
    releaseHeldTexture(promptPicture);
    gResourceCache->purgeUnused();
}
