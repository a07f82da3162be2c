#include "script/WorldScript.h"

#include "play/PlayScreen.h"

#include <algorithm>
#include <cmath>

#include "engine/Camera.h"
#include "engine/Music.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "script/RoomBehaviour.h"
#include "script/ScriptSteps.h"

namespace {

// The footstep sound group of each room, as the four flags of updateFootsteps.
struct FootstepFlags {
    bool flag1, flag2, flag3, flag4;
};

FootstepFlags footstepFlags(int32_t room, float playerZ, float storyValue50) {
    switch (room) {
    case room::kFishPond:
        return {false, false, playerZ < 0.85f, playerZ >= 0.85f};
    case room::kTunnel:
        return {storyValue50 >= 0.25f, false, storyValue50 < 0.25f, false};
    case room::kHall:
    case room::kUpperFloor:
        return {false, true, false, false};
    default:
        return {true, false, false, false};
    }
}

}  // namespace

bool updateWorldScript(PlayScreen& play, float dt) {
    play.world.frameCounter += 1;
    play.script.lastScriptDt = dt;
    play.world.elapsedTime += dt;

    // Room fade: out while a room change waits (and no answer shows), the
    // new room one frame after the fade reached 0, then in.
    if (play.world.pendingRoom >= 0 && !play.answerPanel.isAnswerShowing()) {
        if (play.view.roomFade == 0.0f) {
            play.enterRoom(play.world.pendingRoom);
        } else {
            play.view.roomFade = std::max(play.view.roomFade - dt, 0.0f);
        }
    } else {
        play.view.roomFade = std::min(play.view.roomFade + dt, 1.0f);
    }

    if (play.world.frameCounter % 3 == 0) {
        float volume = 0.7f * play.view.roomFade;
        if (play.world.room == room::kTunnel) {
            volume *= (play.story.tunnelOpening() + 4.0f * play.story.tunnelClosing()) / 5.0f;
        }
        gMusic->setVolume(volume);
    }

    ViewState& view = play.view;
    if (view.sceneVisibilityTarget > view.sceneVisibility) {
        view.sceneVisibility =
            std::min(view.sceneVisibility + dt * view.sceneVisibilityRate, view.sceneVisibilityTarget);
    } else if (view.sceneVisibilityTarget < view.sceneVisibility) {
        view.sceneVisibility =
            std::max(view.sceneVisibility - dt * view.sceneVisibilityRate, view.sceneVisibilityTarget);
    }

    play.script.scriptStepDelay = std::max(play.script.scriptStepDelay - dt, 0.0f);

    play.view.flight.stepCameraFlight(dt);

    if (play.world.room != room::kShed) {
        gCamera->fogEnd = 5.0f - 0.125f * (std::cos(0.5f * play.world.elapsedTime) + 1.0f);
    }

    if (play.story.endingProgress > 0.0f && play.story.endingProgress < 0.5f) {
        play.story.endingProgress = std::min(play.story.endingProgress + dt / 12.0f, 0.5f);
    } else if (play.story.endingProgress > 0.5f && play.story.endingProgress < 1.0f) {
        play.story.endingProgress = std::min(play.story.endingProgress + dt / 12.0f, 1.0f);
    }

    // One step handler at most; a running flight does not hold it back.
    if (play.world.pendingRoom == room::kNone && !play.answerPanel.isAnswerShowing() &&
        play.script.scriptStepDelay <= 0.0f) {
        if (!runScriptStep(play)) {
            return false;
        }
    }

    updateRoomBehaviour(play, dt);

    // The common updates: the room effects first, then footsteps, objects,
    // overlay and panel.
    play.effects.advanceRoomEffects(play.player.position, dt);
    const FootstepFlags flags = footstepFlags(play.world.room, play.player.position.z, play.story.tunnelClosing());
    play.player.updateFootsteps(dt, flags.flag1, flags.flag2, flags.flag3, flags.flag4);
    for (SceneObject* object : play.world.worldList.objects()) {
        object->updateSceneObject(dt);
    }
    play.screenOverlay.advanceScreenOverlay(dt);
    play.answerPanel.updateAnswerPanel(dt, play.script.scriptStep, play.script.scriptStepDelay);
    return true;
}
