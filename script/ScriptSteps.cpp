#include "script/ScriptSteps.h"

#include "play/PlayScreen.h"

#include "app/GameState.h"
#include "script/StepIds.h"
#include "script/StepRow.h"

namespace {

const int32_t kLastStep = step::kLastStep;
const int32_t kEndingStep = step::kShowEndingScreen;
const int32_t kAfterEndingStep = step::kEndingShown;

}  // namespace

bool runScriptStep(PlayScreen& play) {
    if (play.script.scriptStep == step::kNone || play.script.scriptStep == kAfterEndingStep) {
        return true;
    }
    if (play.script.scriptStep < 1 || play.script.scriptStep > kLastStep) {
        play.script.scriptStep = step::kNone;
        return true;
    }
    switch (play.script.scriptStep) {
    case kEndingStep:
        // The story's end: the ending screen takes over at once, and nothing
        // else of this frame runs. An error raised earlier in the frame keeps
        // the error screen.
        play.script.scriptStep = kAfterEndingStep;
        if (gGameState != kGameStateError) {
            gGameState = kGameStateEnding;
        }
        return false;
    default: {
        if (!runStep(play, play.script.scriptStep)) {
            play.script.scriptStep = step::kNone;
        }
        return true;
    }
    }
}
