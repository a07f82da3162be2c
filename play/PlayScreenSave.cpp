#include "play/PlayScreen.h"

#include <cstdio>
#include <string>

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "app/Costume.h"
#include "app/FatalError.h"
#include "app/JoystickBindings.h"
#include "app/SaveCodec.h"
#include "engine/FileStream.h"
#include "engine/FrameTimer.h"
#include "play/PlayStateTable.h"
#include "play/RoomId.h"
#include "play/RoomTables.h"
#include "script/StepIds.h"
#include "text/Text.h"

namespace {


// Where a save is written before it replaces "game.sav".
std::string temporarySaveName() { return std::string(saveFileName()) + ".tmp"; }

}  // namespace

void PlayScreen::applyPlayStateDefaults() {
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        resetPlayStateField(*this, kPlayStateFields[k]);
    }
    // The lists only point into the world list, which owns their objects.
    story.tunnelFloorList.clear();
    story.tunnelRowList.clear();
    story.reactionList.clear();
}

void PlayScreen::applyCostumeFlags() {
    switch (gCostume) {
    case kCostumeDeath:
        story.costumeDeath = true;
        break;
    case kCostumeGhost:
        story.costumeGhost = true;
        break;
    case kCostumeWerewolf:
        story.costumeWerewolf = true;
        break;
    default:
        break;
    }
}

void PlayScreen::resetPlayState() {
    resetPlayStateWithoutRoom();
    setUpStartRoom();
    rebuildTargetList();
    player.validateCurrentTarget();
}

void PlayScreen::resetPlayStateWithoutRoom() {
    world.frameCounter = 0;
    world.elapsedTime = 0.0f;
    releaseRoomReferences();
    clearRoom();
    // Faded out, the scene shown, no flight.
    view = ViewState();
    world.pendingRoom = room::kNone;
    script.scriptStepDelay = 0.0f;
    script.scriptStep = step::kNone;
    resetStoryAndPanels();
}

void PlayScreen::resetStoryAndPanels() {
    applyPlayStateDefaults();
    applyCostumeFlags();
    screenOverlay.reloadScreenOverlay();
    caption.loadCaptionText();
    answerPanel.resetAnswerPanel();
    player.resetPlayer();
}

bool PlayScreen::savePlayState(FileStream& stream) {
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        const PlayStateField& field = kPlayStateFields[k];
        if (field.word == 0) {
            continue;
        }
        stream.writeU32(encodePlayStateField(*this, field));
        if (stream.failed()) {
            return false;
        }
    }
    return player.savePlayer(stream);
}

bool PlayScreen::loadPlayState(FileStream& stream) {
    // A new game's state in an empty world: the saved room is the only one
    // built, taking its own references as a first build does.
    resetPlayStateWithoutRoom();
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        const PlayStateField& field = kPlayStateFields[k];
        if (field.word == 0) {
            continue;
        }
        const uint32_t word = stream.readU32();
        // A short file ends the load at the missing word; its field keeps the
        // new-game value rather than a decoded zero word.
        if (stream.failed()) {
            return false;
        }
        decodePlayStateField(*this, field, word);
        if (field.word == kRoomWord) {
            // The room is built last, from the flags just read. A room that
            // does not exist marks the file as damaged.
            if (!isRoomNumber(world.room)) {
                world.room = room::kNone;
                raiseFatalError(kFatalGeneral, text::kErrorSaveCorrupted);
                return false;
            }
            const int32_t saved = world.room;
            world.room = room::kNone;
            enterRoom(saved);
        }
    }
    if (!player.loadPlayer(stream)) {
        return false;
    }
    settleLoadedPlayer();
    rebuildTargetList();
    player.validateCurrentTarget();
    return true;
}

bool PlayScreen::playerPlaceClear(const Vec3& feet) const {
    const Vec3 walkCentre = player.playerBoxCentreAt(feet);
    const Vec3 walkHalf = player.playerBoxHalfSize();
    if (boxHitsAnySceneObject(walkCentre.x, walkCentre.y, walkCentre.z, walkHalf.x, walkHalf.y, walkHalf.z)) {
        return false;
    }
    const float lift = gFrameTimer ? gFrameTimer->maxDt : 0.0f;
    const Vec3 body = player.playerFeetProbeAt(feet);
    const Vec3& half = player.halfSize;
    return !boxHitsAnySceneObject(body.x, body.y, body.z + lift, half.x, half.y, half.z);
}

// The save keeps each coordinate of the feet truncated toward zero, so a
// player who stood a hair from an object on the side away from zero comes
// back up to one save step nearer to it on each axis, which can be inside it:
// stuck there, and lifted onto it frame by frame. Such a player is put back
// where the save came from: each coordinate lay between the loaded value and
// the value one step further from zero, so the first place that is clear,
// moving as few axes as possible one step away from zero, is taken. A place
// that no such move clears is left as loaded. The file is not touched, so
// saves of earlier builds are mended the same way.
void PlayScreen::settleLoadedPlayer() {
    const Vec3 loaded = player.position;
    if (playerPlaceClear(loaded)) {
        return;
    }
    const Vec3 further(saveFloatStepAwayFromZero(loaded.x), saveFloatStepAwayFromZero(loaded.y),
                       saveFloatStepAwayFromZero(loaded.z));
    // The axes moved, as bits x 1, y 2, z 4: one axis, then two, then all.
    const int32_t kMoves[] = {1, 2, 4, 3, 5, 6, 7};
    for (int32_t moved : kMoves) {
        const Vec3 place((moved & 1) ? further.x : loaded.x, (moved & 2) ? further.y : loaded.y,
                         (moved & 4) ? further.z : loaded.z);
        if (playerPlaceClear(place)) {
            player.position = place;
            return;
        }
    }
}

bool PlayScreen::saveGame() {
    const std::string temporary = temporarySaveName();
    FileStream stream;
    stream.openWrite(temporary.c_str());
    if (stream.failed()) {
        return false;
    }
    bool written = true;
    stream.writeU32(encodeSaveInt(kSaveVersion));
    if (stream.failed()) {
        written = false;
    }
    written = written && writeJoystickBindings(stream);
    written = written && savePlayState(stream);
    written = written && tutorial.saveTutorialState(stream);
    // On the disk before it replaces the old save, so that a power loss
    // cannot leave an empty file where the old save was.
    if (written) {
        stream.syncToDisk();
        written = !stream.failed();
    }
    // The close flushes what stdio still buffers, so its outcome counts.
    stream.close();
    written = written && !stream.failed();
    // Only a complete file replaces the old save.
    if (written && std::rename(temporary.c_str(), saveFileName()) == 0) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

bool PlayScreen::loadGame() {
    FileStream stream;
    stream.openRead(saveFileName());
    if (stream.failed()) {
        return false;
    }
    const uint32_t version = stream.readU32();
    if (stream.failed() || decodeSaveInt(version) != kSaveVersion) {
        return false;
    }
    if (!readJoystickBindings(stream) || !loadPlayState(stream) || !tutorial.loadTutorialState(stream)) {
        return false;
    }
    stream.close();
    if (stream.failed()) {
        return false;
    }
    if (!player.actions().empty()) {
        selectLastActionWithId(tutorial.executionLearned ? action::kAsk : action::kKnockOn);
    }
    return true;
}

void PlayScreen::selectLastActionWithId(int32_t id) {
    for (const std::unique_ptr<ActionEntry>& entry : player.actions()) {
        if (entry->actionId == id) {
            player.selectedAction = entry.get();
        }
    }
}

void PlayScreen::startNewGame() {
    resetPlayState();
    tutorial.restartTutorial();
    selectLastActionWithId(action::kKnockOn);
}
