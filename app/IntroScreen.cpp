#include "app/IntroScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "app/Costume.h"
#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/MenuCursor.h"
#include "app/MenuSounds.h"
#include "app/OverlayQuad.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/FontRegistry.h"
#include "engine/Light.h"
#include "engine/Mesh.h"
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
const int32_t kLastPage = 8;
// How fast the costume mesh follows the selection, in costumes per second.
const float kCostumeSpeed = 3.0f;

void lit() { applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f); }
}  // namespace

IntroScreen::IntroScreen()
    : frameCounter(0), time(0.0f), paperShade(nullptr), reflection(nullptr), paperMesh(nullptr),
      paperTexture(nullptr), sheenTexture(nullptr), cardMesh(nullptr), cardTexture(nullptr),
      backMesh(nullptr), ghostBack(nullptr), deathBack(nullptr), werewolfBack(nullptr),
      costumeMesh(nullptr), costumeTexture(nullptr), selectedCostume(0), shownCostume(0.0f),
      musicDelay(0.0f), fade(0.0f), fadeSpeed(0.0f), showing(0), page(0), fogGlow(0.0f) {
    overlay.createScreenOverlay();
    label.glyphSize = 1.0f;
    label.setAnchor(0.5f, 0.5f);
    gMouseState->clear();
    useGameFont(label);
}

void IntroScreen::enterIntroScreen() {
    gMusic->setVolume(0.0f);
    playMusicTrack(music::kQuietNight);
    setAmbientLight(0.9f, 0.9f, 0.9f);
    gMainLight->setDirection(0.0f, 0.0f, -1.0f);
    gMainLight->setColour(1.0f, 1.0f, 1.0f);
    frameCounter = 0;
    time = 0.0f;
    paperShade = acquireTextureByNumber(picture::kDampSheen);
    reflection = acquireTextureByNumber(picture::kReflection);
    paperMesh = acquireMeshByNumber(mesh::kIntroPaper);
    paperTexture = acquireTextureByNumber(picture::kPaper);
    sheenTexture = acquireTextureByNumber(picture::kPaperSheen);
    cardMesh = acquireMeshByNumber(mesh::kIntroCard);
    cardTexture = acquireTextureByNumber(text::kInvitationPicture);
    backMesh = acquireMeshByNumber(mesh::kIntroCardBack);
    ghostBack = acquireTextureByNumber(text::kGhostCardPicture);
    deathBack = acquireTextureByNumber(text::kDeathCardPicture);
    werewolfBack = acquireTextureByNumber(text::kWerewolfCardPicture);
    costumeMesh = acquireMeshByNumber(mesh::kIntroCostume);
    costumeTexture = acquireTextureByNumber(picture::kPaper);
    selectedCostume = kCostumeGhost;
    shownCostume = 1.0f;
    overlay.reloadScreenOverlay();
    fadeSpeed = 0.25f;
    showing = 1;
    page = 1;
    musicDelay = 1.0f;
    fade = 0.0f;
    fogGlow = 0.0f;
}

std::string IntroScreen::costumeLine(int32_t selected) {
    std::string line;
    for (int32_t c = 0; c < 3; ++c) {
        line += c == selected ? text::kCostumeSelected[c] : text::kCostumeUnselected[c];
        if (c == 0) line += text::kCostumeGapAfterDeath;
        if (c == 1) line += text::kCostumeGapAfterGhost;
    }
    return line;
}

std::string IntroScreen::costumePageText() const {
    return std::string(text::kIntroPage6) + "\n\n" + costumeLine(selectedCostume) + std::string(25, '\n');
}

void IntroScreen::chooseCostume(float dt) {
    moveMenuCursorAcross(selectedCostume, kCostumeDeath, kCostumeWerewolf);
    const float target = static_cast<float>(selectedCostume);
    const float step = kCostumeSpeed * dt;
    if (shownCostume < target) {
        shownCostume = std::min(target, shownCostume + step);
    } else if (shownCostume > target) {
        shownCostume = std::max(target, shownCostume - step);
    }
}

// The invitation card: sheen, then its picture in a dark material, then the
// paper shade over it.
void IntroScreen::drawCard(Mesh* mesh, float t, Texture* face) {
    sheenTexture->bind();
    setSphereMapTexGen(true);
    mesh->draw(t);
    setSphereMapTexGen(false);
    applyMaterial(0.1f, 0.1f, 0.1f, 1.0f, 0.0f, 0.5f);
    face->bind();
    mesh->draw(t);
    applyPlainColour(0.2f, 0.2f, 0.2f, 0.5f);
    paperShade->bind();
    mesh->draw(t);
    unbindTexture();
}

void IntroScreen::drawPage() {
    switch (page) {
    case 1:
        label.text = text::kIntroPage1;
        glPushMatrix();
        glTranslatef(0.0f, 0.3f, -0.2f);
        glScalef(0.6f, 0.6f, 0.6f);
        paperTexture->bind();
        paperMesh->draw(time);
        applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
        paperShade->bind();
        paperMesh->draw(time);
        unbindTexture();
        glPopMatrix();
        break;
    case 2:
        label.text.clear();
        drawCard(cardMesh, std::sin(time) * std::sin(3.0f * time), cardTexture);
        break;
    case 3:
        label.text = text::kIntroPage3;
        break;
    case 4:
        label.text = text::kIntroPage4;
        break;
    case 5:
        label.text = text::kIntroPage5;
        gMouseState->clear();
        break;
    case 6:
        label.text = costumePageText();
        glPushMatrix();
        glTranslatef(0.1f, 0.055f, -0.1f);
        glRotatef(15.0f, 0.0f, 0.0f, 1.0f);
        lit();
        costumeTexture->bind();
        costumeMesh->draw(shownCostume);
        applyPlainColour(0.8f, 0.8f, 0.8f, 0.2f);
        reflection->bind();
        setSphereMapTexGen(true);
        costumeMesh->draw(shownCostume);
        setSphereMapTexGen(false);
        unbindTexture();
        glPopMatrix();
        break;
    case 7:
        label.text = text::kIntroPage7;
        break;
    default: {
        label.text.clear();
        Texture* back = selectedCostume == kCostumeDeath   ? deathBack
                        : selectedCostume == kCostumeGhost ? ghostBack
                                                           : werewolfBack;
        drawCard(backMesh, 1.0f + 0.8f * std::sin(time) * std::sin(3.0f * time), back);
        break;
    }
    }
}

void IntroScreen::updateIntroScreen(float dt) {
    if (fade == 1.0f && showing) {
        if (inputMenu(true)) {
            gGameState = kGameStateMainMenu;
            return;
        }
        if (inputConfirm(true)) {
            playMenuConfirmSound();
            showing = 0;
            // Page 1 comes slowly out of black and page 8 goes slowly back.
            if (page == 1) fadeSpeed = 1.0f;
            if (page == kLastPage) fadeSpeed = 0.25f;
        }
    }
    overlay.advanceScreenOverlay(dt);
    ++frameCounter;
    if (page == kLastPage && !showing && frameCounter % 3 == 0) {
        gMusic->setVolume(kMenuMusicVolume * fade);
    }
    time += dt;
    if (musicDelay > 0.0f) {
        musicDelay -= dt;
        if (musicDelay <= 0.0f) {
            musicDelay = 0.0f;
            playMusicTrack(music::kIntro);
            gMusic->setVolume(kMenuMusicVolume);
        }
    }
    if (showing) {
        if (musicDelay <= 0.0f) {
            fade = std::min(1.0f, fade + dt * fadeSpeed);
        }
    } else {
        fade -= dt * fadeSpeed;
        if (fade <= 0.0f) {
            fade = 0.0f;
            showing = 1;
            ++page;
        }
    }
    if (page > kLastPage) {
        gNewGameRequest = 1;
        gCostume = selectedCostume;
        gGameState = kGameStatePlay;
        return;
    }
    if (page >= 5) {
        fogGlow = std::min(1.0f, fogGlow + 0.1f * dt);
    }
    if (page == 6) {
        chooseCostume(dt);
    }

    gCamera->nearPlane = 0.01f;
    gCamera->farPlane = 2.0f;
    gCamera->fogOn = 1;
    gCamera->fogStart = 0.3f * fade + 0.02f;
    gCamera->fogEnd = fade + 0.04f;
    for (float& channel : gCamera->fogColour) {
        channel = 0.2f * fogGlow;
    }
    gCamera->rotation = Vec3(0.0f, 0.0f, kPi);
    gCamera->position = Vec3(0.5f, 0.0f, 0.0f);
    gCamera->apply(true);
    lit();
    drawPage();

    gScreenSize2D->apply();
    overlay.drawScreenOverlayFog();
    label.position = Vec3(0.0f, 24.0f, 18.0f);
    label.setColour(0.85f, 0.85f, 0.85f, 0.999f * fade);
    label.draw();
    overlay.drawScreenOverlayVignette();
    if ((page == 1 && showing) || (page == kLastPage && !showing)) {
        applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f - fade);
        drawFullOverlayQuad();
    }
    presentFrame();
}

void IntroScreen::leaveIntroScreen() {
    for (Texture** texture : {&paperShade, &reflection, &paperTexture, &sheenTexture, &cardTexture, &ghostBack,
                              &deathBack, &werewolfBack, &costumeTexture}) {
        releaseHeldTexture(*texture);
    }
    for (Mesh** mesh : {&paperMesh, &cardMesh, &backMesh, &costumeMesh}) {
        releaseHeldMesh(*mesh);
    }
    gResourceCache->purgeUnused();
}
