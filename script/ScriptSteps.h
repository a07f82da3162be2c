#ifndef QUENDRALVOSS_SCRIPT_SCRIPTSTEPS_H
#define QUENDRALVOSS_SCRIPT_SCRIPTSTEPS_H

class PlayScreen;

// Runs the handler of play's current script step; false when it ended the
// frame (the ending step hands over to the ending screen).
bool runScriptStep(PlayScreen& play);

#endif
