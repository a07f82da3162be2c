#include "play/PlayScreen.h"

#include <algorithm>
#include <cmath>

#include "engine/Camera.h"
#include "engine/Music.h"
#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/SceneObject.h"
#include "play/SweepEffect.h"

namespace {

// The footstep sound group of each room, as the four flags of updateFootsteps.
struct FootstepFlags {
    bool flag1, flag2, flag3, flag4;
};

FootstepFlags footstepFlags(int32_t room, float playerZ, float storyValue50) {
    switch (room) {
    case 2:
        return {false, false, playerZ < 0.85f, playerZ >= 0.85f};
    case 7:
        return {storyValue50 >= 0.25f, false, storyValue50 < 0.25f, false};
    case 4:
    case 6:
        return {false, true, false, false};
    default:
        return {true, false, false, false};
    }
}

}  // namespace

bool PlayScreen::updateWorldScript(float dt) {
    frameCounter += 1;
    lastScriptDt = dt;
    elapsedTime += dt;

    // Room fade: out while a room change waits (and no answer shows), the
    // new room one frame after the fade reached 0, then in.
    if (pendingRoom >= 0 && !answerPanel.isAnswerShowing()) {
        if (roomFade == 0.0f) {
            enterRoom(pendingRoom);
        } else {
            roomFade = std::max(roomFade - dt, 0.0f);
        }
    } else {
        roomFade = std::min(roomFade + dt, 1.0f);
    }

    if (frameCounter % 3 == 0) {
        float volume = 0.7f * roomFade;
        if (room == 7) {
            volume *= (storyValue49 + 4.0f * storyValue50) / 5.0f;
        }
        gMusic->setVolume(volume);
    }

    if (sceneVisibilityTarget > sceneVisibility) {
        sceneVisibility = std::min(sceneVisibility + dt * sceneVisibilityRate, sceneVisibilityTarget);
    } else if (sceneVisibilityTarget < sceneVisibility) {
        sceneVisibility = std::max(sceneVisibility - dt * sceneVisibilityRate, sceneVisibilityTarget);
    }

    scriptStepDelay = std::max(scriptStepDelay - dt, 0.0f);

    flight.stepCameraFlight(dt);

    if (room != 3) {
        gCamera->fogEnd = 5.0f - 0.125f * (std::cos(0.5f * elapsedTime) + 1.0f);
    }

    if (endingProgress > 0.0f && endingProgress < 0.5f) {
        endingProgress = std::min(endingProgress + dt / 12.0f, 0.5f);
    } else if (endingProgress > 0.5f && endingProgress < 1.0f) {
        endingProgress = std::min(endingProgress + dt / 12.0f, 1.0f);
    }

    // One step handler at most; a running flight does not hold it back.
    if (pendingRoom == -1 && !answerPanel.isAnswerShowing() && scriptStepDelay <= 0.0f) {
        if (!runScriptStep()) {
            return false;
        }
    }

    updateRoomBehaviour(dt);

    // The common updates: the room effects first, then footsteps, objects,
    // overlay and panel.
    const Vec3& feet = player.position;
    if (groundGrid) {
        groundGrid->animateGroundGrid(feet.x, feet.y, feet.z, dt);
    }
    for (const EffectSlot<ClothMesh>& cloth : clothMeshes) {
        if (cloth) {
            cloth->stepClothMesh(feet.x, feet.y, feet.z, dt);
        }
    }
    if (sweepEffect) {
        sweepEffect->updateSweepEffect(dt);
    }
    if (noiseOverlay) {
        noiseOverlay->updateNoiseOverlay(dt);
    }
    if (backdropLayer) {
        backdropLayer->advanceBackdropLayer(dt);
    }
    const FootstepFlags flags = footstepFlags(room, player.position.z, storyValue50);
    player.updateFootsteps(dt, flags.flag1, flags.flag2, flags.flag3, flags.flag4);
    for (SceneObject* object : worldList.objects()) {
        object->updateSceneObject(dt);
    }
    screenOverlay.advanceScreenOverlay(dt);
    answerPanel.updateAnswerPanel(dt, scriptStep, scriptStepDelay);
    return true;
}
