#ifndef QUENDRALVOSS_APP_CONTROLLERSETUPSCREEN_H
#define QUENDRALVOSS_APP_CONTROLLERSETUPSCREEN_H

#include <cstdint>

#include "engine/JoystickState.h"
#include "engine/TextLabel.h"

class Texture;

// The controller set-up wizard (GameState 9): learns four axes and four
// buttons of joystick 0 one question at a time, each against the state the
// joystick rested in when the wizard started. Escape skips it (keyboard
// play). Afterwards the intro follows when gSetupThenIntro is set, else play.
class ControllerSetupScreen {
public:
    // Builds the label on font "res/0" (no glyph at all: fatal error 1 with
    // "res/0"); no picture; the rest state is taken on the first frame.
    ControllerSetupScreen();

    void enterControllerSetupScreen();
    // Escape resets every binding; otherwise records the rest state, asks
    // the current question and takes the first axis or button that answers
    // it (at most one a frame), and draws the prompt.
    void updateControllerSetupScreen(float dt);
    // Gives back the prompt picture and purges the cache.
    void leaveControllerSetupScreen();

    Texture* promptPicture;
    TextLabel label;
    int32_t step;
    uint8_t restButtons[JoystickState::buttonCount];
    float restAxes[JoystickState::axisCount];

private:
    void finish();
    // The first axis that moved far from a rest of exactly 0 and is none of
    // the first `learned` axes already bound; -1 when none.
    int32_t findAxis(int32_t learned) const;
    // The first button pressed now that was up at rest and is none of the
    // first `learned` buttons already bound; -1 when none.
    int32_t findButton(int32_t learned) const;
    void askStep();
    void draw();
};

#endif
