#ifndef QUENDRALVOSS_SCRIPT_ACTIONRESOLVER_H
#define QUENDRALVOSS_SCRIPT_ACTIONRESOLVER_H

class PlayScreen;

// Carries out the chosen action on the chosen target: the matching answer
// row of the action's table, or a correction of the choice.
void performAction(PlayScreen& play);

#endif
