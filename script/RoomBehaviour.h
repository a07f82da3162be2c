#ifndef QUENDRALVOSS_SCRIPT_ROOMBEHAVIOUR_H
#define QUENDRALVOSS_SCRIPT_ROOMBEHAVIOUR_H

class PlayScreen;

// Exits, clamps and ambient animation of play's current room.
void updateRoomBehaviour(PlayScreen& play, float dt);

#endif
