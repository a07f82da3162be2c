#ifndef QUENDRALVOSS_APP_GAMESTATE_H
#define QUENDRALVOSS_APP_GAMESTATE_H

#include <cstdint>

// The number of the screen that runs now. Screens assign it during their update;
// only the run loop acts on the change.
extern int32_t gGameState;

enum GameStateValue : int32_t {
    kGameStateQuit = 1,
    kGameStateErrorExit = 2,
    kGameStateError = 3,
    kGameStatePlay = 4,
    kGameStatePauseMenu = 5,
    kGameStateMainMenu = 6,
    kGameStateSplash = 7,
    kGameStateIntro = 8,
    kGameStateControllerSetup = 9,
    kGameStateEnding = 10
};

#endif
