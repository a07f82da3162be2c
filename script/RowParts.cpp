#include "script/RowParts.h"

#include "app/ActionEntry.h"
#include "app/Costume.h"
#include "catalog/ResourceCatalog.h"
#include "play/GroundGrid.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/StepIds.h"

namespace {

const float kFlightSeconds = 2.0f;

}  // namespace

void showAnswer(PlayScreen& play, AnswerText id) { play.answerPanel.setAnswerText(answerText(id)); }

void playRowSound(int32_t n, float volume) { playCueOnAnyChannel(n, volume); }

SceneObject* rowObject(PlayScreen& play, ObjectName name) { return play.findSceneObject(name); }

void deleteRowObject(PlayScreen& play, ObjectName name) {
    // A blank stand-in for a missing name is not in the world list, so this
    // frees nothing then; the blank goes with the room.
    play.world.worldList.deleteSceneObject(rowObject(play, name));
}

SceneObject* addRowObject(PlayScreen& play, const char* name, int32_t mesh, int32_t texture, int32_t reflection,
                          const Vec3& position) {
    std::unique_ptr<SceneObject> object = makeSceneObject();
    object->name = name;
    object->setSceneObjectMesh(mesh);
    if (texture >= 0) {
        object->setSceneObjectTexture(texture);
    }
    if (reflection >= 0) {
        object->setSceneObjectSecondTexture(reflection);
    }
    object->position = position;
    return play.world.worldList.appendSceneObject(std::move(object));
}

void appendActionEntry(PlayScreen& play, int32_t actionId) { play.player.appendAction(actionId); }

void giveAction(PlayScreen& play, int32_t actionId) { play.player.selectedAction = play.player.appendAction(actionId); }

void finishGive(PlayScreen& play, float volume) {
    playRowSound(sound::kGive, volume);
    play.rebuildTargetList();
    play.player.validateCurrentTarget();
}

void pickUp(PlayScreen& play, ObjectName name, int32_t actionId, bool StoryState::*flag, bool StoryState::*cleared) {
    deleteRowObject(play, name);
    giveAction(play, actionId);
    play.story.*flag = true;
    if (cleared) {
        play.story.*cleared = false;
    }
    finishGive(play, 0.5f);
}

void fadeOutToStep(PlayScreen& play, int32_t step) {
    play.view.sceneVisibilityTarget = 0.0f;
    play.view.sceneVisibilityRate = 1.0f;
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = step;
}

void startRowFlight(PlayScreen& play, const Vec3& position, const Vec3& angles) {
    play.script.scriptStepDelay = kFlightSeconds;
    play.startCameraFlight(position, angles, kFlightSeconds, true);
    play.player.walkIntensity = 0.0f;
}

void rippleGroundGrid(PlayScreen& play) {
    if (!play.effects.groundGrid) {
        return;
    }
    play.effects.groundGrid->sourceColumn += 2;
    play.effects.groundGrid->sourceOffset = 0.1f;
}

void showCostumeAnswer(PlayScreen& play) {
    showAnswerForCostume(play, kAnsSpookySound, kAnsRoar, kAnsTakeTheirSoul);
}

void showAnswerForCostume(PlayScreen& play, AnswerText ghost, AnswerText werewolf, AnswerText death) {
    const CostumeValue worn = costumeWorn(play.story.costumeFlags(), kDeathWerewolfGhost);
    const AnswerText answer = forCostume(worn, ghost, werewolf, death, kNoAnswer);
    if (answer != kNoAnswer) {
        showAnswer(play, answer);
    }
}

void stepForDog(PlayScreen& play) {
    play.script.scriptStep = play.story.bonePlaced ? step::kDogBarks : step::kLayBoneDown;
}

void useShedDoor(PlayScreen& play) {
    if (play.world.room == room::kGarden) {
        play.world.pendingRoom = room::kShed;
        showAnswer(play, kAnsNotLockedEnter);
    } else if (play.world.room == room::kShed) {
        play.world.pendingRoom = room::kGarden;
        showAnswer(play, kAnsNotLockedExit);
    }
}

void useRopeBetweenRooms(PlayScreen& play) {
    if (play.world.room == room::kGarden) {
        play.world.pendingRoom = room::kFishPond;
    } else if (play.world.room == room::kFishPond) {
        play.world.pendingRoom = room::kGarden;
    }
}

bool birdStatuesAwake(const PlayScreen& play) { return play.story.birdStatuesAwake(); }

bool bonePlaced(const PlayScreen& play) { return play.story.bonePlaced; }

bool nightYoung(const PlayScreen& play) { return !play.story.nightAlmostOver; }
