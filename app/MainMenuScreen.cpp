#include "app/MainMenuScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <initializer_list>

#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/JoystickBindings.h"
#include "app/MenuCursor.h"
#include "app/MenuEntry.h"
#include "app/MenuSounds.h"
#include "app/OverlayQuad.h"
#include "app/SavedBindings.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/FontRegistry.h"
#include "engine/JoystickState.h"
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

enum Entry : int32_t { kNewGame = 0, kContinue = 1, kExit = 2 };

void lit() { applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f); }

// The reflection picture laid over the mesh just drawn, in sphere-mapped
// coordinates at the given colour.
void gloss(Mesh* mesh, Texture* reflection, float t, float grey, float alpha) {
    applyPlainColour(grey, grey, grey, alpha);
    reflection->bind();
    setSphereMapTexGen(true);
    mesh->draw(t);
    setSphereMapTexGen(false);
    unbindTexture();
}

void litWith(Mesh* mesh, Texture* texture, float t) {
    lit();
    texture->bind();
    mesh->draw(t);
    unbindTexture();
}

void sheen(Mesh* mesh, Texture* texture, float t, int32_t times) {
    lit();
    texture->bind();
    setSphereMapTexGen(true);
    for (int32_t i = 0; i < times; ++i) {
        mesh->draw(t);
    }
    setSphereMapTexGen(false);
    unbindTexture();
}
}  // namespace

MainMenuScreen::MainMenuScreen()
    : reflection(nullptr), shadow(nullptr), hallMesh(nullptr), leftColumnMesh(nullptr),
      rightColumnMesh(nullptr), houseMesh(nullptr), groundMesh(nullptr), frontMesh(nullptr),
      hallTexture(nullptr), columnTexture(nullptr), houseTexture(nullptr), groundTexture(nullptr),
      sheenTexture(nullptr), frontTexture(nullptr), titleStrip(nullptr), frameCounter(0), time(0.0f),
      scroll(0.0f), selected(0), continueAllowed(0), fade(0.0f), titleAlpha(0.0f) {
    label.glyphSize = 2.0f;
    label.setAnchor(0.5f, 0.5f);
    overlay.createScreenOverlay();
    useGameFont(label);
}

void MainMenuScreen::enterMainMenuScreen() {
    gMusic->setVolume(0.0f);
    gMouseState->clear();
    playMusicTrack(music::kMenu);
    setAmbientLight(0.9f, 0.9f, 0.9f);
    gMainLight->setDirection(0.0f, 0.0f, -1.0f);
    gMainLight->setColour(1.0f, 1.0f, 1.0f);

    reflection = acquireTextureByNumber(picture::kReflection);
    shadow = acquireTextureByNumber(picture::kStoneSheen);
    hallMesh = acquireMeshByNumber(mesh::kMenuFogHills);
    leftColumnMesh = acquireMeshByNumber(mesh::kMenuGarland);
    rightColumnMesh = acquireMeshByNumber(mesh::kMenuFence);
    houseMesh = acquireMeshByNumber(mesh::kMenuHouse);
    groundMesh = acquireMeshByNumber(mesh::kMenuTrees);
    frontMesh = acquireMeshByNumber(mesh::kMenuSweets);
    hallTexture = acquireTextureByNumber(picture::kMenuFog);
    hallTexture->setNearest();
    columnTexture = acquireTextureByNumber(picture::kPaper);
    houseTexture = acquireTextureByNumber(picture::kMenuHouseBoards);
    groundTexture = acquireTextureByNumber(picture::kMenuGround);
    sheenTexture = acquireTextureByNumber(picture::kMenuSheen);
    frontTexture = acquireTextureByNumber(picture::kSweetWrapper);
    titleStrip = acquireTextureByNumber(picture::kTitleStrip);

    frameCounter = 0;
    time = 0.0f;
    scroll = 0.0f;
    fade = 0.0f;
    titleAlpha = 0.0f;
    overlay.reloadScreenOverlay();

    // "continue" is offered exactly when there is a save file to continue.
    continueAllowed = loadSavedJoystickBindings() ? 1 : 0;
    selected = continueAllowed ? kContinue : kNewGame;
}

void MainMenuScreen::handOver() {
    gMusic->setVolume(0.0f);
    gCamera->fogColour[0] = 0.0f;
    gCamera->fogColour[1] = 0.0f;
    gCamera->fogColour[2] = 0.0f;
    gCamera->apply(true);
    presentFrame();
    SDL_Delay(1000);
}

bool MainMenuScreen::readInput() {
    if (inputMenu(true)) {
        if (selected == kExit) {
            gGameState = kGameStateQuit;
            return true;
        }
        playMenuJumpSound();
        selected = kExit;
    }
    moveMenuCursorVertically(selected, kExit);
    if (!inputConfirm(true)) {
        return false;
    }
    switch (selected) {
    case kNewGame:
        playMenuConfirmSound();
        resetJoystickBindings();
        if (gJoystickState->isOpen()) {
            gSetupThenIntro = 1;
            gGameState = kGameStateControllerSetup;
        } else {
            gGameState = kGameStateIntro;
        }
        handOver();
        return true;
    case kContinue:
        if (!continueAllowed) {
            return false;
        }
        playMenuConfirmSound();
        gLoadRequest = 1;
        gGameState = kGameStatePlay;
        handOver();
        return true;
    default:
        gGameState = kGameStateQuit;
        return true;
    }
}

void MainMenuScreen::drawScene() {
    // The hall, its picture sliding slowly along s.
    lit();
    hallTexture->bind();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0.05f * time, 0.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    hallMesh->draw(1.2f * time);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    unbindTexture();
    gloss(hallMesh, reflection, 1.2f * time, 0.2f, 0.25f);
    sheen(hallMesh, sheenTexture, 1.2f * time, 1);

    // The house sinks into place as the fade completes.
    const float rise = 1.0f - fade;
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, 0.51f * rise * rise - 0.05f);
    litWith(houseMesh, houseTexture, 2.0f * time);
    gloss(houseMesh, reflection, 2.0f * time, 1.0f, 0.2f);
    glPopMatrix();

    litWith(groundMesh, groundTexture, time);
    applyPlainColour(0.0f, 0.0f, 0.0f, 0.1f);
    reflection->bind();
    groundMesh->draw(time);
    unbindTexture();

    // Two columns drifting past each other, with their shadows.
    glDepthMask(GL_FALSE);
    for (int32_t column = 0; column < 2; ++column) {
        Mesh* mesh = column == 0 ? leftColumnMesh : rightColumnMesh;
        const float start = column == 0 ? -3.0f - scroll : scroll - 3.0f;
        for (int32_t i = 1; i <= 7; ++i) {
            glPushMatrix();
            glTranslatef(0.0f, start + static_cast<float>(i), 0.0f);
            litWith(mesh, columnTexture, time);
            applyPlainColour(0.0f, 0.0f, 0.0f, 0.08f);
            shadow->bind();
            mesh->draw(time);
            unbindTexture();
            glPopMatrix();
        }
    }
    glDepthMask(GL_TRUE);

    litWith(frontMesh, frontTexture, time);
    gloss(frontMesh, reflection, time, 0.2f, 0.2f);
    sheen(frontMesh, sheenTexture, time, 2);
}

void MainMenuScreen::drawEntry(const char* text, int32_t index, float up, float grey, float alpha) {
    label.text = menuEntryText(text, selected == index);
    label.position = Vec3(0.0f, 24.0f, up);
    label.setColour(0.0f, 0.0f, 0.0f, alpha);
    label.draw();
    label.position = Vec3(0.0f, 24.1f, up + 0.1f);
    label.setColour(grey, grey, grey, alpha);
    label.draw();
}

void MainMenuScreen::updateMainMenuScreen(float dt) {
    if (fade > 0.5f && readInput()) {
        return;
    }
    ++frameCounter;
    if (frameCounter % 3 == 0) {
        gMusic->setVolume(fade * kMenuMusicVolume);
    }
    time += dt;
    scroll += 0.1f * dt;
    if (scroll > 1.0f) {
        scroll -= 1.0f;
    }
    fade += 0.333f * dt;
    if (fade > 1.0f) {
        fade = 1.0f;
        titleAlpha = std::min(1.0f, titleAlpha + dt);
    }
    overlay.advanceScreenOverlay(dt);

    gCamera->nearPlane = 0.01f;
    gCamera->farPlane = 2.0f;
    gCamera->fogOn = 1;
    gCamera->fogStart = fade + 0.02f;
    gCamera->fogEnd = fade + 0.1f;
    gCamera->fogColour[0] = 0.3f * fade;
    gCamera->fogColour[1] = 0.0f;
    gCamera->fogColour[2] = 0.15f * fade;
    gCamera->rotation = Vec3(0.0f, 0.0f, kPi);
    gCamera->position = Vec3((1.0f - fade) * 0.02f + 0.5f, 0.0f, 0.0f);
    gCamera->apply(true);
    drawScene();

    gScreenSize2D->apply();
    const float alpha = 1.001f * std::max(0.0f, 2.0f * fade - 1.0f);
    drawEntry(text::kMenuNewGame, kNewGame, 15.5f, 1.0f, alpha);
    drawEntry(text::kMenuContinue, kContinue, 12.5f, continueAllowed ? 1.0f : 0.5f, alpha);
    drawEntry(text::kMenuExit, kExit, 9.5f, 1.0f, alpha);
    overlay.drawScreenOverlayVignette();
    overlay.drawScreenOverlayVignette();

    applyPlainColour(1.0f, 1.0f, 1.0f, titleAlpha);
    titleStrip->bind();
    drawOverlayQuad(16.5f, 1.0f, 31.5f, 2.0f);
    unbindTexture();
    presentFrame();
}

void MainMenuScreen::leaveMainMenuScreen() {
    gMusic->setVolume(0.0f);
    for (Texture** texture : {&reflection, &shadow, &hallTexture, &columnTexture, &houseTexture, &groundTexture,
                              &sheenTexture, &frontTexture, &titleStrip}) {
        releaseHeldTexture(*texture);
    }
    for (Mesh** mesh : {&hallMesh, &leftColumnMesh, &rightColumnMesh, &houseMesh, &groundMesh, &frontMesh}) {
        releaseHeldMesh(*mesh);
    }
    gResourceCache->purgeUnused();
}
