#ifndef QUENDRALVOSS_PLAY_WORLDSTATE_H
#define QUENDRALVOSS_PLAY_WORLDSTATE_H

#include <cstdint>

#include "play/SceneObjectList.h"

// Where the play world stands: its clock, the room that is built with the
// objects it owns, and the room a change is waiting for.
struct WorldState {
    int32_t frameCounter = 0;  // world-script frames since the last reset
    float elapsedTime = 0.0f;  // seconds of world script since the last reset
    int32_t room = -1;         // the built room, -1 while none is
    SceneObjectList worldList;
    int32_t pendingRoom = -1;  // the room to fade to, -1 when none waits
};

#endif
