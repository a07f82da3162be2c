#include "play/TutorialHints.h"

#include <algorithm>

#include "app/FatalError.h"
#include "app/GameFont.h"
#include "app/GameApp.h"
#include "app/InputActions.h"
#include "app/JoystickBindings.h"
#include "engine/FileStream.h"
#include "engine/FontRegistry.h"
#include "engine/JoystickState.h"
#include "engine/ScreenSize2D.h"
#include "play/SaveFieldTable.h"
#include "play/SoundCue.h"
#include "text/Text.h"

namespace {

const int kStageLook = 0;
const int kStageWalk = 1;
const int kStageAction = 2;
const int kStageTarget = 3;
const int kStageExecute = 4;
const int kStageDone = 5;

const int32_t kLearnedClick = 38;
const float kLearnedClickVolume = 0.6f;

// The tutorial's word in the save file: whether it still runs, that is
// whether the last stage is still to be learned.
const SaveField<TutorialHints> kTutorialFields[] = {
    {kFieldBool, true, &TutorialHints::executionLearned, nullptr, nullptr, nullptr, nullptr},
};
const int32_t kTutorialFieldCount =
    static_cast<int32_t>(sizeof(kTutorialFields) / sizeof(kTutorialFields[0]));

// "!" while the direction is still to be tried, a blank once it was.
char directionMark(bool learned) { return learned ? ' ' : '!'; }

}  // namespace

TutorialHints::TutorialHints()
    : textFade(0.0f),
      textFadeTarget(0.0f),
      lookDownLearned(false),
      lookLeftLearned(false),
      lookUpLearned(false),
      lookRightLearned(false),
      walkForwardLearned(false),
      walkLeftLearned(false),
      walkBackLearned(false),
      walkRightLearned(false),
      actionSelectionLearned(false),
      targetSelectionLearned(false),
      executionLearned(false),
      overlayFade(0.0f) {}

void TutorialHints::constructTutorialHints() { restartTutorial(); }

int TutorialHints::currentForm() {
    const bool gamepad = gJoystickBindings.selectActionButton != kUnbound && gJoystickState &&
                         gJoystickState->isOpen();
    return gamepad ? 1 : 0;
}

void TutorialHints::restartTutorial() {
    useGameFont(*this);
    glyphSize = 0.95f;
    setAnchor(0.5f, 1.0f);
    text = text::kTutorialHints[kStageLook][currentForm()];
    textFade = 0.0f;
    textFadeTarget = 1.0f;
    lookDownLearned = false;
    lookLeftLearned = false;
    lookUpLearned = false;
    lookRightLearned = false;
    walkForwardLearned = false;
    walkLeftLearned = false;
    walkBackLearned = false;
    walkRightLearned = false;
    actionSelectionLearned = false;
    targetSelectionLearned = false;
    executionLearned = false;
    overlayFade = 0.0f;
}

bool TutorialHints::lookLearned() const {
    return lookDownLearned && lookLeftLearned && lookUpLearned && lookRightLearned;
}

bool TutorialHints::walkLearned() const {
    return walkForwardLearned && walkLeftLearned && walkBackLearned && walkRightLearned;
}

int TutorialHints::stage() const {
    if (!lookLearned()) return kStageLook;
    if (!walkLearned()) return kStageWalk;
    if (!actionSelectionLearned) return kStageAction;
    if (!targetSelectionLearned) return kStageTarget;
    if (!executionLearned) return kStageExecute;
    return kStageDone;
}

void TutorialHints::chooseNextHint() {
    textFade = 0.0f;
    textFadeTarget = 1.0f;
    // The look hint is only ever the first one; after it comes the walk hint
    // even while a look flag is missing.
    int next = stage();
    if (next == kStageLook) next = kStageWalk;
    if (next == kStageDone) {
        text.clear();
        textFadeTarget = 0.0f;
        return;
    }
    text = text::kTutorialHints[next][currentForm()];
}

void TutorialHints::checkSteadyStage() {
    switch (stage()) {
    case kStageLook: {
        const float pitch = inputPitchAxis();
        const float turn = inputTurnAxis();
        if (pitch < -0.5f) lookDownLearned = true;
        if (turn < -0.5f) lookLeftLearned = true;
        if (pitch > 0.5f) lookUpLearned = true;
        if (turn > 0.5f) lookRightLearned = true;
        if (lookLearned()) textFadeTarget = 0.0f;
        break;
    }
    case kStageWalk: {
        const float forward = inputForwardAxis();
        const float strafe = inputStrafeAxis();
        if (forward > 0.0f) walkForwardLearned = true;
        if (strafe < 0.0f) walkLeftLearned = true;
        if (forward < 0.0f) walkBackLearned = true;
        if (strafe > 0.0f) walkRightLearned = true;
        if (walkLearned()) textFadeTarget = 0.0f;
        break;
    }
    case kStageAction:
        // The learning press is taken here, so it does not change the action.
        if (inputSelectAction(true) || inputWheelDown(true) || inputWheelUp(true)) {
            playCueOnAnyChannel(kLearnedClick, kLearnedClickVolume);
            actionSelectionLearned = true;
            textFadeTarget = 0.0f;
        }
        break;
    case kStageTarget:
        // Left in place: the same press also selects a target.
        if (inputSelectTarget(false)) {
            targetSelectionLearned = true;
            textFadeTarget = 0.0f;
        }
        break;
    case kStageExecute:
        if (inputExecute(false)) {
            executionLearned = true;
            textFadeTarget = 0.0f;
        }
        break;
    default:
        break;
    }
}

void TutorialHints::updateTutorialHints(float dt, bool active) {
    if (gControllerSetupDone) {
        gControllerSetupDone = 0;
        if (!executionLearned) {
            restartTutorial();
        }
    }
    const float f = 2.0f * dt;
    overlayFade = active ? std::min(overlayFade + f, 1.0f) : std::max(overlayFade - f, 0.0f);
    if (textFadeTarget > textFade) {
        textFade = std::min(textFade + f, 1.0f);
        return;
    }
    if (textFade > textFadeTarget) {
        const float t = textFade - f;
        if (t > 0.0f) {
            textFade = t;
        } else {
            chooseNextHint();
        }
        return;
    }
    checkSteadyStage();
}

std::string TutorialHints::markLine() const {
    std::string line;
    fillMarkLine(line);
    return line;
}

void TutorialHints::fillMarkLine(std::string& line) const {
    const int at = stage();
    if (at == kStageDone) {
        line.clear();
        return;
    }
    bool directions[4] = {false, false, false, false};
    if (at == kStageLook) {
        const bool order[4] = {lookLeftLearned, lookRightLearned, lookUpLearned, lookDownLearned};
        std::copy(order, order + 4, directions);
    } else if (at == kStageWalk) {
        const bool order[4] = {walkForwardLearned, walkLeftLearned, walkBackLearned, walkRightLearned};
        std::copy(order, order + 4, directions);
    }
    line.assign(text::kTutorialMarks[at][currentForm()]);
    int next = 0;
    for (char& c : line) {
        if (c == '#' && next < 4) {
            c = directionMark(directions[next++]);
        }
    }
}

void TutorialHints::drawTutorialHints() {
    const float w = gScreenSize2D->width;
    setColour(0.1f, 0.1f, 0.1f, textFade * overlayFade);
    position.set(0.0f, w / 2.0f, 0.0f);
    draw();
    position.set(0.0f, w / 2.0f, 2.0f);
    if (textFadeTarget == 1.0f) {
        // The marks take the hint's place for one draw; the buffer keeps its
        // room from frame to frame.
        fillMarkLine(markBuffer);
        text.swap(markBuffer);
        draw();
        text.swap(markBuffer);
    }
}

bool TutorialHints::saveTutorialState(FileStream& stream) const {
    return writeSaveFields(stream, *this, kTutorialFields, kTutorialFieldCount);
}

bool TutorialHints::loadTutorialState(FileStream& stream) {
    if (!readSaveFields(stream, *this, kTutorialFields, kTutorialFieldCount)) {
        return false;
    }
    // The word has set only the last stage's flag (a damaged word reads as
    // finished); the rest of the state follows from it.
    if (!executionLearned) {
        restartTutorial();
    } else {
        text.clear();
        textFade = 0.0f;
        textFadeTarget = 0.0f;
        lookDownLearned = lookLeftLearned = lookUpLearned = lookRightLearned = true;
        walkForwardLearned = walkLeftLearned = walkBackLearned = walkRightLearned = true;
        actionSelectionLearned = targetSelectionLearned = executionLearned = true;
        overlayFade = 0.0f;
    }
    return true;
}
