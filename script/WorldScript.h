#ifndef QUENDRALVOSS_SCRIPT_WORLDSCRIPT_H
#define QUENDRALVOSS_SCRIPT_WORLDSCRIPT_H

class PlayScreen;

// The world script's frame: fades, music volume, visibility, delay,
// flight, fog, ending progress, one script step, the room's behaviour and
// the common updates. False when a step ended the frame (the ending).
bool updateWorldScript(PlayScreen& play, float dt);

#endif
