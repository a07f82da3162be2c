#include "app/SplashScreen.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/OverlayQuad.h"
#include "app/SavedBindings.h"
#include "catalog/ResourceCatalog.h"
#include "engine/MouseState.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {
const int32_t kLogoPicture = picture::kSplashLogo;
const float kJingleVolume = 0.5f;
}  // namespace

SplashScreen::SplashScreen() : logo(nullptr), preTime(0.0f), logoTime(0.0f), postTime(0.0f) {}

void SplashScreen::enterSplashScreen() {
    gMouseState->clear();
    logo = acquireTextureByNumber(kLogoPicture);
    logo->setNearest();
    preTime = 2.0f;
    logoTime = 2.5f;
    postTime = 1.0f;
    loadSavedJoystickBindings();
}

void SplashScreen::updateSplashScreen(float dt) {
    if (inputMenu(true) || inputConfirm(true)) {
        gResourceCache->purgeUnused();
        preTime = 0.0f;
        logoTime = 0.0f;
        postTime = 0.0f;
        gGameState = kGameStateMainMenu;
        return;
    }
    bool draw = false;
    if (preTime != 0.0f) {
        preTime -= dt;
        if (preTime <= 0.0f) {
            preTime = 0.0f;
            playSoundOnAnyChannel(sound::kLogoJingle, kJingleVolume);
        } else if (logoTime != 0.0f) {
            draw = true;
        }
    }
    if (!draw && preTime == 0.0f) {
        // The frame in which the black runs out already counts off the logo.
        const float left = logoTime - dt;
        if (left >= 0.0f) {
            logoTime = left;
            draw = left != 0.0f;
        } else {
            logoTime = 0.0f;
        }
    }
    if (!draw) {
        postTime -= dt;
        if (postTime <= 0.0f) {
            gGameState = kGameStateMainMenu;
            return;
        }
    }

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gScreenSize2D->apply();
    applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f);
    drawFullOverlayQuad();
    if (preTime == 0.0f && logoTime > 0.0f) {
        applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
        logo->bind();
        drawFullOverlayQuad();
        unbindTexture();
    }
    presentFrame();
}

void SplashScreen::leaveSplashScreen() {
    releaseHeldTexture(logo);
    gResourceCache->purgeUnused();
}
