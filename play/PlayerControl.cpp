#include "play/PlayerControl.h"

#include "play/CameraFlight.h"
#include "script/StepIds.h"

bool isPlayerInControl(int32_t pendingRoom, bool answerShowing, float scriptStepDelay,
                       const CameraFlight& flight, int32_t scriptStep) {
    if (pendingRoom != -1) {
        return false;
    }
    if (answerShowing) {
        return false;
    }
    if (scriptStepDelay > 0.0f) {
        return false;
    }
    if (flight.flightDuration != 0.0f) {
        return false;
    }
    return scriptStep == step::kNone;
}
