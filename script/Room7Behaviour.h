#ifndef QUENDRALVOSS_SCRIPT_ROOM7BEHAVIOUR_H
#define QUENDRALVOSS_SCRIPT_ROOM7BEHAVIOUR_H

class PlayScreen;

// Room 7's frame: the tunnel opening and closing, the atmosphere that follows
// it, the hall's warning, the eyes, the ending trigger and the path limit.
void updateRoom7Behaviour(PlayScreen& play, float dt);

// The highest y the player may reach at x: 0.3 inside the edge line, which is
// linear between its points for x within (-30, 0); 9.76897 elsewhere.
float tunnelPathLimit(float x);

#endif
