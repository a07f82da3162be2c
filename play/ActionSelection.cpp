#include "play/ActionSelection.h"

#include "app/ActionEntry.h"
#include "app/FatalError.h"
#include "app/InputActions.h"
#include "play/Player.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/SoundCue.h"
#include "play/TargetList.h"
#include "text/Text.h"

namespace {

const int32_t kMoveClick = 38;
const int32_t kWrapClick = 39;
const int32_t kTargetLostCue = 279;
const float kClickVolume = 0.6f;

// The entry of a list of plain or owning pointers as a plain pointer.
template <typename T>
T* entryAt(T* entry) {
    return entry;
}
template <typename T>
T* entryAt(const std::unique_ptr<T>& entry) {
    return entry.get();
}

// Index of item in list, or -1.
template <typename List, typename T>
int indexOf(const List& list, const T* item) {
    for (size_t k = 0; k < list.size(); ++k) {
        if (entryAt(list[k]) == item) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

// Moves selected to the successor (false), wraps to the first (true), or takes
// the first when selected is not in the list (false).
template <typename List, typename T>
bool stepWrapping(const List& list, T*& selected) {
    const int at = indexOf(list, selected);
    if (at < 0) {
        selected = entryAt(list.front());
        return false;
    }
    if (static_cast<size_t>(at) + 1 < list.size()) {
        selected = entryAt(list[static_cast<size_t>(at) + 1]);
        return false;
    }
    selected = entryAt(list.front());
    return true;
}

}  // namespace

ActionSelection::ActionSelection(Player& p, SceneObjectList& w) : player(p), world(w) {}

bool ActionSelection::selectNextActionWrapping() {
    if (player.validateCurrentAction()) {
        return true;
    }
    if (player.actions().empty()) {
        player.selectedAction = player.appendAction(constructEmptyActionEntry().actionId);
        raiseFatalError(kFatalGeneral, text::kPlayException3);
        return true;
    }
    return stepWrapping(player.actions(), player.selectedAction);
}

bool ActionSelection::selectNextAction() {
    if (player.validateCurrentAction()) {
        return false;
    }
    if (player.actions().empty()) {
        return true;
    }
    const int at = indexOf(player.actions(), player.selectedAction);
    if (at >= 0 && static_cast<size_t>(at) + 1 < player.actions().size()) {
        player.selectedAction = player.actions()[static_cast<size_t>(at) + 1].get();
        return false;
    }
    return true;
}

bool ActionSelection::selectPreviousAction() {
    if (player.validateCurrentAction()) {
        return false;
    }
    const int at = indexOf(player.actions(), player.selectedAction);
    if (player.actions().empty() || at <= 0) {
        return true;
    }
    player.selectedAction = player.actions()[static_cast<size_t>(at) - 1].get();
    return false;
}

bool ActionSelection::selectNextTargetWrapping() {
    rebuildTargetList(player, world);
    if (player.validateCurrentTarget()) {
        return true;
    }
    if (player.targets.empty()) {
        SceneObject* placeholder = player.placeholderTarget();
        player.selectedTarget = placeholder;
        player.targets.push_back(placeholder);
        raiseFatalError(kFatalGeneral, text::kPlayException4);
        return true;
    }
    return stepWrapping(player.targets, player.selectedTarget);
}

std::string ActionSelection::currentActionName() {
    if (player.actions().empty()) {
        return text::kActionNone;
    }
    player.validateCurrentAction();
    const int32_t id = player.selectedAction->actionId;
    if (id >= 0 && id < text::kActionNameCount) {
        return text::kActionNames[id];
    }
    return text::kActionUnknown;
}

std::string ActionSelection::currentTargetName(bool cue) {
    rebuildTargetList(player, world);
    if (player.targets.empty()) {
        return text::kTargetNothing;
    }
    if (player.validateCurrentTarget() && cue) {
        playCueOnAnyChannel(kTargetLostCue, kClickVolume);
    }
    return player.selectedTarget->name;
}

void ActionSelection::applySelectionInputs(bool actionSelectionLearned, bool targetSelectionLearned) {
    if (actionSelectionLearned && inputSelectAction(true)) {
        playCueOnChannel1(selectNextActionWrapping() ? kWrapClick : kMoveClick, kClickVolume);
    }
    if (actionSelectionLearned && inputWheelDown(true)) {
        if (!selectNextAction()) {
            playCueOnChannel1(kMoveClick, kClickVolume);
        }
    }
    if (actionSelectionLearned && inputWheelUp(true)) {
        if (!selectPreviousAction()) {
            playCueOnChannel1(kMoveClick, kClickVolume);
        }
    }
    if (targetSelectionLearned && inputSelectTarget(true)) {
        playCueOnChannel1(selectNextTargetWrapping() ? kWrapClick : kMoveClick, kClickVolume);
    }
}
