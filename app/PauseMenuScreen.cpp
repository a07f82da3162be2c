#include "app/PauseMenuScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/MenuCursor.h"
#include "app/MenuEntry.h"
#include "app/MenuSounds.h"
#include "app/OverlayQuad.h"
#include "engine/FontRegistry.h"
#include "engine/JoystickState.h"
#include "engine/MouseState.h"
#include "engine/Platform.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "text/Text.h"

namespace {
const float kGrey = 0.85f;
const float kGreyDisabled = 0.425f;

enum Entry : int32_t { kContinue = 0, kSave = 1, kExit = 2, kSetUpController = 3 };

void beginFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gScreenSize2D->apply();
    applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f);
    drawFullOverlayQuad();
}
}  // namespace

PauseMenuScreen::PauseMenuScreen() : selected(kContinue) {
    glyphSize = 2.0f;
    setAnchor(0.5f, 0.5f);
    useGameFont(*this);
}

void PauseMenuScreen::enterPauseMenuScreen() {
    gMouseState->clear();
    selected = kContinue;
    if (!gSaveFailed && !gSavedOk) {
        playMenuPauseSound();
    }
}

void PauseMenuScreen::leavePauseMenuScreen() {}

void PauseMenuScreen::updateSaveNotice(uint8_t& flag, const char* notice) {
    if (inputMenu(true)) {
        playMenuPauseSound();
        flag = 0;
        gGameState = kGameStatePlay;
        return;
    }
    if (inputConfirm(true)) {
        playMenuConfirmSound();
        flag = 0;
        gGameState = kGameStatePlay;
        return;
    }
    beginFrame();
    text = notice;
    position = Vec3(0.0f, 24.0f, 18.0f);
    setColour(kGrey, kGrey, kGrey, 1.001f);
    draw();
    presentFrame();
}

bool PauseMenuScreen::readInput() {
    if (inputMenu(true)) {
        playMenuPauseSound();
        gGameState = kGameStatePlay;
        return true;
    }
    moveMenuCursorVertically(selected, gJoystickState->isOpen() ? kSetUpController : kExit);
    if (!inputConfirm(true)) {
        return false;
    }
    switch (selected) {
    case kContinue:
        playMenuConfirmSound();
        gGameState = kGameStatePlay;
        return true;
    case kSave:
        if (!gSaveAllowed) {
            return false;
        }
        playMenuConfirmSound();
        gSaveRequest = 1;
        gGameState = kGameStatePlay;
        return true;
    case kExit:
        playMenuConfirmSound();
        gGameState = kGameStateMainMenu;
        return true;
    default:
        playMenuConfirmSound();
        gSetupThenIntro = 0;
        gGameState = kGameStateControllerSetup;
        return true;
    }
}

void PauseMenuScreen::drawEntry(const char* entry, int32_t index, float up, float grey) {
    text = menuEntryText(entry, selected == index);
    position = Vec3(0.0f, 24.0f, up);
    setColour(grey, grey, grey, 1.001f);
    draw();
}

void PauseMenuScreen::updatePauseMenuScreen(float) {
    if (gSaveFailed) {
        updateSaveNotice(gSaveFailed, text::kSaveFailedNotice);
        return;
    }
    if (gSavedOk) {
        updateSaveNotice(gSavedOk, text::kSavedNotice);
        return;
    }
    if (readInput()) {
        return;
    }
    beginFrame();
    const bool joystick = gJoystickState->isOpen();
    const float j = joystick ? 2.0f : 0.0f;
    drawEntry(text::kMenuContinue, kContinue, 22.0f + j, kGrey);
    drawEntry(text::kMenuSave, kSave, 18.0f + j, gSaveAllowed ? kGrey : kGreyDisabled);
    drawEntry(text::kMenuExit, kExit, 14.0f + j, kGrey);
    if (joystick) {
        drawEntry(text::kMenuSetUpController, kSetUpController, 10.0f + j, kGrey);
    }
    presentFrame();
}
