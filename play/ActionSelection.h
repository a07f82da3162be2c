#ifndef QUENDRALVOSS_PLAY_ACTIONSELECTION_H
#define QUENDRALVOSS_PLAY_ACTIONSELECTION_H

#include <string>

class Player;
class SceneObjectList;

// Stepping through the player's actions and the targets in view, the caption
// texts that name the two choices, and the click sounds of the selection
// inputs. Every step first validates the choice; a correction is the whole of
// that step.
class ActionSelection {
public:
    ActionSelection(Player& player, SceneObjectList& world);

    // Next action, wrapping: true when it wrapped to the first or had to
    // correct; false when it moved on.
    bool selectNextActionWrapping();
    // Wheel down: true when nothing moved (last entry, empty list); false when
    // it moved or had to correct.
    bool selectNextAction();
    // Wheel up: true when nothing moved (first entry, empty list); false when
    // it moved or had to correct.
    bool selectPreviousAction();
    // Rebuilds the targets in view, then the next target, wrapping: true when
    // it wrapped or had to correct.
    bool selectNextTargetWrapping();
    // The caption text of the chosen action ("do nothing to" for an empty
    // list, "use unknown item on" for an id without a name).
    std::string currentActionName();
    // Rebuilds the targets and names the chosen one ("nothing" for an empty
    // list). When the choice had left the view and cue is set, sound::kBlip.
    std::string currentTargetName(bool cue);

    // The select-action, wheel and select-target inputs (each consumed) with
    // their clicks on channel 1 at 0.6: 39 for a wrap, 38 for a move; the
    // wheel clicks 38 only when it moved. An input whose tutorial stage is not
    // reached yet is left alone.
    void applySelectionInputs(bool actionSelectionLearned, bool targetSelectionLearned);

private:
    Player& player;
    SceneObjectList& world;
};

#endif
