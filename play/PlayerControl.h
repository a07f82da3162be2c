#ifndef QUENDRALVOSS_PLAY_PLAYERCONTROL_H
#define QUENDRALVOSS_PLAY_PLAYERCONTROL_H

#include <cstdint>

class CameraFlight;

// Whether the player may walk, look, select and execute now: no room change
// waits, no answer is showing, the step delay has run out, no camera flight
// runs and no script step is pending (tested in that order). No side effects.
bool isPlayerInControl(int32_t pendingRoom, bool answerShowing, float scriptStepDelay,
                       const CameraFlight& flight, int32_t scriptStep);

#endif
