#ifndef QUENDRALVOSS_APP_PAUSEMENUSCREEN_H
#define QUENDRALVOSS_APP_PAUSEMENUSCREEN_H

#include <cstdint>

#include "engine/TextLabel.h"

// The menu over the paused game (GameState 5): continue, save, exit and, with
// a joystick, set up controller; it also shows the outcome of a save that it
// requested from the play screen.
class PauseMenuScreen : public TextLabel {
public:
    // Builds the label on font "res/0" (no glyph at all: fatal error 1 with
    // "res/0"); continue selected.
    PauseMenuScreen();

    // Continue selected; the pause sound unless a save notice is pending.
    void enterPauseMenuScreen();
    // A pending save notice waits for menu or confirm, then play resumes;
    // otherwise the menu reads its input and draws its entries.
    void updatePauseMenuScreen(float dt);
    // Nothing.
    void leavePauseMenuScreen();

    int32_t selected;

private:
    void updateSaveNotice(uint8_t& flag, const char* notice);
    // True when the frame must end here (the state changed).
    bool readInput();
    void drawEntry(const char* entry, int32_t index, float up, float grey);
};

#endif
