#include "app/GameState.h"

int32_t gGameState = 0;
