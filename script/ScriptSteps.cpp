#include "script/ScriptSteps.h"

#include "play/PlayScreen.h"

#include "app/GameState.h"
#include "script/StepRow.h"

namespace {

const int32_t kLastStep = 144;
const int32_t kEndingStep = 142;
const int32_t kAfterEndingStep = 143;

}  // namespace

bool runScriptStep(PlayScreen& play) {
    if (play.scriptStep == -1 || play.scriptStep == kAfterEndingStep) {
        return true;
    }
    if (play.scriptStep < 1 || play.scriptStep > kLastStep) {
        play.scriptStep = -1;
        return true;
    }
    switch (play.scriptStep) {
    case kEndingStep:
        // The story's end: the ending screen takes over at once, and nothing
        // else of this frame runs. An error raised earlier in the frame keeps
        // the error screen.
        play.scriptStep = kAfterEndingStep;
        if (gGameState != kGameStateError) {
            gGameState = kGameStateEnding;
        }
        return false;
    default: {
        if (!runStep(*this, play.scriptStep)) {
            play.scriptStep = -1;
        }
        return true;
    }
    }
}
