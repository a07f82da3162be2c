#include "play/PlayScreen.h"

#include "app/GameState.h"
#include "script/StepRow.h"

namespace {

const int32_t kLastStep = 144;
const int32_t kEndingStep = 142;
const int32_t kAfterEndingStep = 143;

}  // namespace

bool PlayScreen::runScriptStep() {
    if (scriptStep == -1 || scriptStep == kAfterEndingStep) {
        return true;
    }
    if (scriptStep < 1 || scriptStep > kLastStep) {
        scriptStep = -1;
        return true;
    }
    switch (scriptStep) {
    case kEndingStep:
        // The story's end: the ending screen takes over at once, and nothing
        // else of this frame runs. An error raised earlier in the frame keeps
        // the error screen.
        scriptStep = kAfterEndingStep;
        if (gGameState != kGameStateError) {
            gGameState = kGameStateEnding;
        }
        return false;
    default: {
        if (!runStep(*this, scriptStep)) {
            scriptStep = -1;
        }
        return true;
    }
    }
}
