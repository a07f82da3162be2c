#ifndef QUENDRALVOSS_APP_ERRORSCREEN_H
#define QUENDRALVOSS_APP_ERRORSCREEN_H

// The red screen that shows gFatalErrorText in the stroke font until Escape
// is pressed, then sets GameState 2. It needs no resource file, so it works
// with the resource directory missing entirely.
class ErrorScreen {
public:
    // Switches the overlay to 32 x 24 cells, forgets a held Escape, stops the
    // music, lowers the frame rate to 10 and turns face culling off.
    void enterErrorScreen();
    // Escape (pressed anew) leaves to GameState 2 without drawing; otherwise
    // draws the message and swaps.
    void updateErrorScreen(float dt);
    // Nothing: the error screen is only left to end the program.
    void leaveErrorScreen();
};

#endif
