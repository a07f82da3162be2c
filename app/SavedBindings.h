#ifndef QUENDRALVOSS_APP_SAVEDBINDINGS_H
#define QUENDRALVOSS_APP_SAVEDBINDINGS_H

// Puts the joystick bindings of "game.sav" in force for the menus: resets
// the table, then reads the save file's bindings block when the file opens
// and its version word is 1 (a failed read resets again). With select action
// unbound afterwards, the hat moves selections and button 1 confirms.
// Returns whether the save file opened; nothing is ever reported.
bool loadSavedJoystickBindings();

#endif
