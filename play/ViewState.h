#ifndef QUENDRALVOSS_PLAY_VIEWSTATE_H
#define QUENDRALVOSS_PLAY_VIEWSTATE_H

#include "play/CameraFlight.h"

// How the room is seen: the fade between rooms, the scene's visibility moving
// toward its target at its rate (0 black, 1 shown) and the camera flight.
struct ViewState {
    float roomFade = 0.0f;
    float sceneVisibility = 1.0f;
    float sceneVisibilityTarget = 1.0f;
    float sceneVisibilityRate = 1.0f;  // visibility per second
    CameraFlight flight;
};

#endif
