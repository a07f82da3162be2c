#include "script/WorldScript.h"

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
#include "script/RoomBehaviour.h"
#include "script/ScriptSteps.h"

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

bool updateWorldScript(PlayScreen& play, float dt) {
    play.frameCounter += 1;
    play.lastScriptDt = dt;
    play.elapsedTime += dt;

    // Room fade: out while a room change waits (and no answer shows), the
    // new room one frame after the fade reached 0, then in.
    if (play.pendingRoom >= 0 && !play.answerPanel.isAnswerShowing()) {
        if (play.roomFade == 0.0f) {
            play.enterRoom(play.pendingRoom);
        } else {
            play.roomFade = std::max(play.roomFade - dt, 0.0f);
        }
    } else {
        play.roomFade = std::min(play.roomFade + dt, 1.0f);
    }

    if (play.frameCounter % 3 == 0) {
        float volume = 0.7f * play.roomFade;
        if (play.room == 7) {
            volume *= (play.storyValue49 + 4.0f * play.storyValue50) / 5.0f;
        }
        gMusic->setVolume(volume);
    }

    if (play.sceneVisibilityTarget > play.sceneVisibility) {
        play.sceneVisibility = std::min(play.sceneVisibility + dt * play.sceneVisibilityRate, play.sceneVisibilityTarget);
    } else if (play.sceneVisibilityTarget < play.sceneVisibility) {
        play.sceneVisibility = std::max(play.sceneVisibility - dt * play.sceneVisibilityRate, play.sceneVisibilityTarget);
    }

    play.scriptStepDelay = std::max(play.scriptStepDelay - dt, 0.0f);

    play.flight.stepCameraFlight(dt);

    if (play.room != 3) {
        gCamera->fogEnd = 5.0f - 0.125f * (std::cos(0.5f * play.elapsedTime) + 1.0f);
    }

    if (play.endingProgress > 0.0f && play.endingProgress < 0.5f) {
        play.endingProgress = std::min(play.endingProgress + dt / 12.0f, 0.5f);
    } else if (play.endingProgress > 0.5f && play.endingProgress < 1.0f) {
        play.endingProgress = std::min(play.endingProgress + dt / 12.0f, 1.0f);
    }

    // One step handler at most; a running flight does not hold it back.
    if (play.pendingRoom == -1 && !play.answerPanel.isAnswerShowing() && play.scriptStepDelay <= 0.0f) {
        if (!runScriptStep(play)) {
            return false;
        }
    }

    updateRoomBehaviour(play, dt);

    // The common updates: the room effects first, then footsteps, objects,
    // overlay and panel.
    const Vec3& feet = play.player.position;
    if (play.groundGrid) {
        play.groundGrid->animateGroundGrid(feet.x, feet.y, feet.z, dt);
    }
    for (const EffectSlot<ClothMesh>& cloth : play.clothMeshes) {
        if (cloth) {
            cloth->stepClothMesh(feet.x, feet.y, feet.z, dt);
        }
    }
    if (play.sweepEffect) {
        play.sweepEffect->updateSweepEffect(dt);
    }
    if (play.noiseOverlay) {
        play.noiseOverlay->updateNoiseOverlay(dt);
    }
    if (play.backdropLayer) {
        play.backdropLayer->advanceBackdropLayer(dt);
    }
    const FootstepFlags flags = footstepFlags(play.room, play.player.position.z, play.storyValue50);
    play.player.updateFootsteps(dt, flags.flag1, flags.flag2, flags.flag3, flags.flag4);
    for (SceneObject* object : play.worldList.objects()) {
        object->updateSceneObject(dt);
    }
    play.screenOverlay.advanceScreenOverlay(dt);
    play.answerPanel.updateAnswerPanel(dt, play.scriptStep, play.scriptStepDelay);
    return true;
}
