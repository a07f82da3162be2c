#ifndef QUENDRALVOSS_APP_INPUTACTIONS_H
#define QUENDRALVOSS_APP_INPUTACTIONS_H

// What the screens and the play world ask instead of the devices: each action
// merges the keyboard, the mouse and joystick 0 through gJoystickBindings.
//
// Digital actions return whether any of their sources is active now; with
// consume true they then clear every one of their sources (whatever they
// returned), so one press is seen once.

// W, Up, hat up (unless select action is unbound), wheel turned up.
bool inputUp(bool consume);
// S, Down, hat down (same condition), wheel turned down.
bool inputDown(bool consume);
// A, Left, hat left (same condition), wheel turned down.
bool inputLeft(bool consume);
// D, Right, hat right (same condition), wheel turned up.
bool inputRight(bool consume);
// 3, E, Space, Return, the execute button, the left mouse button.
bool inputConfirm(bool consume);
// Escape, the switch-menu button.
bool inputMenu(bool consume);
// 1, the select-action button.
bool inputSelectAction(bool consume);
// 2, the select-target button, the right mouse button.
bool inputSelectTarget(bool consume);
// 3, the execute button, the left mouse button.
bool inputExecute(bool consume);
// The wheel turned down (below 0) / up (above 0).
bool inputWheelDown(bool consume);
bool inputWheelUp(bool consume);

// Analogue axes, nothing consumed, not clamped. Keys count 1 while held,
// joystick axes -1..1, mouse motion in pixels as gathered so far.
// Positive: step right.
float inputStrafeAxis();
// Positive: walk forward.
float inputForwardAxis();
// Positive: turn right.
float inputTurnAxis();
// Positive: look up.
float inputPitchAxis();

#endif
