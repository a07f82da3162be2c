#include "play/PlayScreen.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>

#include "app/Costume.h"
#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/MouseState.h"
#include "engine/Music.h"
#include "engine/Random.h"
#include "engine/ScreenSize2D.h"
#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/DrawPasses.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/PlayStateTable.h"
#include "play/PlayerControl.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"
#include "play/TargetList.h"
#include "script/ActionResolver.h"
#include "script/WorldScript.h"
#include "text/Text.h"

namespace {

const float kWalkSpeed = 2.0f;
const float kTurnSpeed = 1.3962634f;
const float kPitchLimit = 1.3962634f;
const int32_t kExecuteSound = sound::kConfirm;
const float kExecuteVolume = 0.8f;

}  // namespace

PlayScreen::PlayScreen()
    : selection(player, world.worldList) {
    // The world part, in the order of a first new game.
    world.worldList.setPlayer(&player);
    world.worldList.watchList(&story.tunnelFloorList);
    world.worldList.watchList(&story.tunnelRowList);
    world.worldList.watchList(&story.reactionList);
    screenOverlay.createScreenOverlay();
    answerPanel.constructAnswerPanel();
    player.constructPlayer();
    clearRoom();
    view.flight.resetCameraFlight();
    resetStoryAndPanels();
    setUpStartRoom();
    rebuildTargetList();
    player.validateCurrentTarget();
    tutorial.constructTutorialHints();
}

PlayScreen::~PlayScreen() {
    clearRoom();
    releaseRoomReferences();
    player.destroyPlayer();
    answerPanel.destroyAnswerPanel();
    screenOverlay.freeScreenOverlay();
}

void PlayScreen::enterPlayScreen() {
    gMusic->resume();
    gMouseState->clear();
}

void PlayScreen::leavePlayScreen() {
    gMusic->pause();
    gSaveAllowed = isPlayerInControl() ? 1 : 0;
}

bool PlayScreen::isPlayerInControl() const {
    return ::isPlayerInControl(world.pendingRoom, answerPanel.isAnswerShowing(), script.scriptStepDelay, view.flight,
                               script.scriptStep);
}

void PlayScreen::rebuildTargetList() { ::rebuildTargetList(player, world.worldList); }

SceneObject* PlayScreen::findSceneObject(const std::string& name) {
    return world.worldList.findSceneObject(name);
}

SceneObject* PlayScreen::findSceneObject(ObjectName name) { return world.worldList.findSceneObject(objectName(name)); }

bool PlayScreen::boxHitsAnySceneObject(float cx, float cy, float cz, float hx, float hy, float hz) const {
    return world.worldList.boxHitsAnySceneObject(cx, cy, cz, hx, hy, hz);
}

void PlayScreen::startCameraFlight(const Vec3& endPosition, const Vec3& endAngles, float duration, bool ease) {
    view.flight.startCameraFlight(endPosition, endAngles, duration, ease);
}

void PlayScreen::clearRoom() {
    world.worldList.clearSceneObjects();
    effects.clearRoomEffects();
}

void PlayScreen::updatePlayScreen(float dt) {
    // 1. A save ends the frame: the pause menu shows the result.
    if (gSaveRequest) {
        gSaveRequest = 0;
        if (saveGame()) {
            gSavedOk = 1;
        } else {
            gSaveFailed = 1;
        }
        if (gGameState != kGameStateError) {
            gGameState = kGameStatePauseMenu;
        }
        return;
    }
    // 2. A failed load names the read error unless the load has already
    // raised its own (a corrupt word); the frame goes on either way.
    if (gLoadRequest) {
        gLoadRequest = 0;
        if (!loadGame() && gGameState != kGameStateError) {
            raiseFatalError(kFatalGeneral, text::kErrorFileRead);
        }
    }
    // 3. New game.
    if (gNewGameRequest) {
        gNewGameRequest = 0;
        startNewGame();
    }
    // 4. Tutorial.
    tutorial.updateTutorialHints(dt, isPlayerInControl());
    // 5. Menu. Once an error is raised nothing in the frame may take the
    // state away from the error screen, so the menu input is left alone then.
    if (gGameState == kGameStatePlay && inputMenu(true)) {
        gGameState = kGameStatePauseMenu;
        return;
    }
    // 6. Walking and looking, or dropping the motion gathered meanwhile.
    if (isPlayerInControl()) {
        walkPlayer(dt);
        lookPlayer(dt);
    } else {
        gMouseState->takeDx();
        gMouseState->takeDy();
        gMouseState->takeWheel();
    }
    // 7. World script; the ending step ends the frame.
    if (!updateWorldScript(*this, dt)) {
        return;
    }
    // 8. Camera follows the eye while the player moves it.
    if (isPlayerInControl() || player.walkIntensity > 0.0f) {
        gCamera->position = player.playerEyePosition();
        gCamera->rotation = player.playerViewAngles();
    }
    // 9. Selection and execution.
    if (isPlayerInControl()) {
        selection.applySelectionInputs(tutorial.actionSelectionLearned, tutorial.targetSelectionLearned);
        applyExecuteInput();
    }
    // 10. Caption.
    caption.updateCaptionText(dt, isPlayerInControl());
    // 11. Drawing.
    if (drawsFrames) {
        drawFrame();
    }
    // 12. Motion is measured per frame.
    gMouseState->dx = 0;
    gMouseState->dy = 0;
}

void PlayScreen::applyExecuteInput() {
    if (tutorial.executionLearned && inputExecute(true)) {
        playCueOnAnyChannel(kExecuteSound, kExecuteVolume);
        performAction(*this);
    }
}

void PlayScreen::drawFrame() {
    if (isDrawPassOn(kDrawPassClear)) {
        gCamera->apply(true);
    } else {
        // Measuring only: the colour buffer keeps the last frame.
        gCamera->apply(false);
        glClearDepth(1.0);
        glDepthFunc(GL_LEQUAL);
        glClear(GL_DEPTH_BUFFER_BIT);
    }
    drawRoom();
    gScreenSize2D->apply();
    drawPlayOverlay(tutorial.actionSelectionLearned, tutorial.targetSelectionLearned);
    tutorial.drawTutorialHints();
    glFlush();
    glFinish();
    SDL_GL_SwapBuffers();
}

void PlayScreen::walkPlayer(float dt) {
    Vec3 m(inputForwardAxis(), -inputStrafeAxis(), 0.0f);
    const float inputLength = m.length();
    if (inputLength > 1.0f) {
        m.divide(inputLength);
    }
    const float a = m.length();
    m.scale(kWalkSpeed * dt);
    m.rotate(0.0f, 0.0f, player.viewAngles.z);

    const Vec3 walkHalf = player.playerBoxHalfSize();
    // Each horizontal axis on its own, so a wall that blocks one lets the
    // player slide along the other.
    player.position.x += m.x;
    Vec3 centre = player.playerBoxCentre();
    if (boxHitsAnySceneObject(centre.x, centre.y, centre.z, walkHalf.x, walkHalf.y, walkHalf.z)) {
        player.position.x -= m.x;
    }
    player.position.y += m.y;
    centre = player.playerBoxCentre();
    if (boxHitsAnySceneObject(centre.x, centre.y, centre.z, walkHalf.x, walkHalf.y, walkHalf.z)) {
        player.position.y -= m.y;
    }

    // Falling at one unit a second, landing on the ground or an object, and
    // rising out of an object lower than the step height.
    Vec3 body;
    copyVec3(body, player.halfSize);
    const Vec3 feet = player.playerFeetProbe();
    const float z = player.position.z;
    const float fallen = z - dt;
    player.airTime += dt;
    float z1 = z;
    if (fallen < 0.0f || boxHitsAnySceneObject(feet.x, feet.y, feet.z - dt, body.x, body.y, body.z)) {
        player.airTime = 0.0f;
        z1 = z + dt;
    }
    const float lift = z1 - z;
    if (!boxHitsAnySceneObject(feet.x, feet.y, feet.z + lift, body.x, body.y, body.z)) {
        player.position.z = z1 - dt;
    } else {
        player.position.z = z1;
    }

    player.walkIntensity += std::min(std::fabs(inputTurnAxis()) + a, 1.0f) * 4.0f * dt;
}

void PlayScreen::lookPlayer(float dt) {
    player.viewAngles.y += -inputPitchAxis() * kTurnSpeed * dt;
    player.viewAngles.z += -inputTurnAxis() * kTurnSpeed * dt;
    if (player.viewAngles.y < -kPitchLimit) {
        player.viewAngles.y = -kPitchLimit;
    }
    if (player.viewAngles.y > kPitchLimit) {
        player.viewAngles.y = kPitchLimit;
    }
    player.viewAngles.z = wrapPositive(player.viewAngles.z, kFullTurn);
}
