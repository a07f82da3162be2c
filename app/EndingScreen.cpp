#include "app/EndingScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <string>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/MenuSounds.h"
#include "app/OverlayQuad.h"
#include "catalog/ResourceCatalog.h"
#include "engine/FontRegistry.h"
#include "engine/MouseState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "text/Text.h"

namespace {
const int32_t kLastPage = 19;
const float kGrey = 0.85f;
const float kDimGrey = 0.425f;
const float kWidth = 48.0f;
const float kHeight = 36.0f;

// Pictures of pages 1 to 19 (page 5 changes its picture during the fades).
const int32_t kPagePictures[kLastPage] = {picture::kBlack, picture::kEndingFoggyStreet, picture::kEndingGardenGate,
                                          picture::kEndingLitWindow, picture::kEndingLanternLit,
                                          picture::kEndingDogAsleep, picture::kEndingWell, picture::kEndingFishPerson,
                                          picture::kEndingGoatPersonBowing, picture::kEndingPersonInChair,
                                          picture::kEndingEmptyChair, picture::kEndingGateOpen,
                                          picture::kEndingGoingHome, picture::kEndingEmptyStreet,
                                          picture::kEndingEmptyStreet, picture::kEndingEmptyStreet, picture::kBlack,
                                          picture::kBlack, picture::kBlack};

// The narration lines stand in the top part of the screen.
std::string raised(const char* line) { return std::string(line) + std::string(30, '\n'); }
}  // namespace

PictureRect fourByThreePictureRect(float screenWidth, float screenHeight) {
    const float r = (screenHeight / screenWidth) / 0.75f;
    const float m = (1.0f - r) * 0.5f * kWidth;
    if (m >= 0.0f) {
        return PictureRect{m, 0.0f, kWidth - m, kHeight};
    }
    // Narrower than 4:3: the full width, and the height that keeps 4:3.
    const float z0 = 18.0f * (1.0f - 1.0f / r);
    return PictureRect{0.0f, z0, kWidth, kHeight - z0};
}

EndingScreen::EndingScreen()
    : hold(0.0f), fade(0.0f), fadeSpeed(0.0f), showing(0), page(0), frameCounter(0) {
    useGameFont(*this);
    glyphSize = 1.0f;
    setAnchor(0.5f, 0.5f);
    position = Vec3(0.0f, 24.0f, 18.0f);
}

void EndingScreen::enterEndingScreen() {
    gMusic->resume();
    gMouseState->clear();
    gResourceCache->purgeUnused();
    fade = 0.0f;
    showing = 1;
    page = 1;
    frameCounter = 0;
    hold = 1.0f;
    fadeSpeed = 1.0f;
}

void EndingScreen::leaveEndingScreen() { gResourceCache->purgeUnused(); }

void EndingScreen::arriveAtNextPage() {
    fade = 0.0f;
    showing = 1;
    ++page;
    switch (page) {
    case 2:
        hold = 2.0f;
        break;
    case 14:
        hold = 2.0f;
        playMusicTrack(music::kEnding);
        break;
    case 17:
        hold = 2.0f;
        playMusicTrack(music::kQuietNight);
        break;
    case kLastPage:
        hold = 3.0f;
        break;
    default:
        break;
    }
    gResourceCache->purgeUnused();
}

bool EndingScreen::textOnlyFades() const {
    return page == 15 || (page == 16 && showing) || (page == 14 && !showing);
}

int32_t EndingScreen::preparePage() {
    const bool thirdFrame = frameCounter % 3 == 0;
    text.clear();
    int32_t picture = kPagePictures[page - 1];
    switch (page) {
    case 1:
        text = text::kEndingTheEnd;
        break;
    case 5:
        if (fade < 0.666f) picture = showing ? 257 : 259;
        break;
    case 13:
        if (!showing) {
            if (thirdFrame) gMusic->setVolume(kMenuMusicVolume * fade);
            fadeSpeed = 1.0f;
        }
        break;
    case 14:
        fadeSpeed = 0.5f;
        if (showing && thirdFrame) gMusic->setVolume(kMenuMusicVolume * fade);
        break;
    case 15:
        text = raised(text::kEndingPage15);
        glyphSize = 1.04f;
        break;
    case 16:
        text = raised(text::kEndingPage16);
        if (!showing) {
            fadeSpeed = 0.5f;
            if (thirdFrame) gMusic->setVolume(kMenuMusicVolume * fade);
        }
        break;
    case 17:
        text = text::kEndingThanks;
        glyphSize = 1.0f;
        fadeSpeed = 1.0f;
        break;
    case 18:
        text = text::kEndingCredits;
        break;
    default:
        break;
    }
    return picture;
}

void EndingScreen::drawPicture(int32_t number) {
    Texture* picture = acquireTextureByNumber(number);
    if (page == 5) picture->setNearest();
    if (page == 6) picture->setLinear();
    const PictureRect rect = fourByThreePictureRect(gScreenWidth, gScreenHeight);
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    picture->bind();
    drawOverlayQuad(rect.left, rect.bottom, rect.right, rect.top);
    unbindTexture();
    // Given back at once: the cache frees it at the next page's purge.
    gResourceCache->releaseTexture(picture);
}

void EndingScreen::drawClosingTexts() {
    if (page == 17) {
        text = text::kEndingNoAlternative;
        setColour(kDimGrey, kDimGrey, kDimGrey, 0.999f);
        draw();
    } else if (page == 18) {
        text = text::kEndingBy;
        setColour(kDimGrey, kDimGrey, kDimGrey, 0.999f);
        draw();
        text = text::kEndingMakerName;
        setColour(0.25f, 1.0f, 0.5f, 0.999f);
        draw();
    }
}

void EndingScreen::updateEndingScreen(float dt) {
    if (fade == 1.0f && showing && (inputConfirm(true) || inputMenu(true))) {
        playMenuConfirmSound();
        showing = 0;
    }
    ++frameCounter;
    if (hold > 0.0f) {
        hold -= dt;
        if (hold <= 0.0f) hold = 0.0f;
    }
    if (showing) {
        if (hold <= 0.0f) fade = std::min(1.0f, fade + dt * fadeSpeed);
    } else {
        fade -= dt * fadeSpeed;
        if (fade <= 0.0f) arriveAtNextPage();
    }
    if (page == kLastPage && hold <= 0.0f) {
        gGameState = kGameStateMainMenu;
        return;
    }

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gScreenSize2D->apply();
    const int32_t picture = preparePage();
    drawPicture(picture);
    if (gGameState == kGameStateError) return;

    const float alpha = textOnlyFades() ? 0.999f * fade : 0.999f;
    setColour(kGrey, kGrey, kGrey, alpha);
    draw();
    drawClosingTexts();
    if (!textOnlyFades()) {
        applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f - fade);
        drawFullOverlayQuad();
    }
    presentFrame();
}
