#ifndef QUENDRALVOSS_APP_JOYSTICKBINDINGS_H
#define QUENDRALVOSS_APP_JOYSTICKBINDINGS_H

#include <cstdint>

class FileStream;

// Which axes and buttons of joystick 0 drive the game, as the controller
// set-up recorded them; -1 is unbound. The select-action button may also be
// -2: no button, but the hat moves menu selections. The signs travel with the
// bindings in the save file; the input actions use fixed signs.
struct JoystickBindings {
    int32_t lookUpAxis;
    int32_t lookLeftAxis;
    int32_t walkAheadAxis;
    int32_t walkLeftAxis;
    int32_t switchMenuButton;
    int32_t executeButton;
    int32_t selectTargetButton;
    int32_t selectActionButton;
    float lookUpSign;
    float lookLeftSign;
    float walkAheadSign;
    float walkLeftSign;
};

// The program's one table; every index -1 and every sign 0 at start.
extern JoystickBindings gJoystickBindings;

const int32_t kUnbound = -1;
const int32_t kHatOnly = -2;

// Every index -1, every sign 0.
void resetJoystickBindings();

// Writes the twelve words of the block (buttons select-action, select-target,
// execute, switch-menu; axes walk-left, walk-ahead, look-left, look-up; then
// the four signs in that axis order). Stops at the first failed write: false.
bool writeJoystickBindings(FileStream& stream);

// Reads the block in the same order, decoding each word into its field as it
// comes. At the first failed read it returns false with the table partly
// read; callers then reset it.
bool readJoystickBindings(FileStream& stream);

#endif
