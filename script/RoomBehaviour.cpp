#include "play/PlayScreen.h"

// The per-room exits, clamps and ambient animation come with the rooms'
// stories; until then no room has any.
void PlayScreen::updateRoomBehaviour(float) {}
