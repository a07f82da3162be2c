#include "app/InputActions.h"

#include <SDL.h>

#include <cstdint>
#include <initializer_list>

#include "app/JoystickBindings.h"
#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/MouseState.h"

namespace {
// Whether any of the keys is held; with consume, releases all of them.
bool keys(std::initializer_list<int32_t> codes, bool consume) {
    bool down = false;
    for (int32_t code : codes) {
        down = down || gKeyState->isDown(code);
    }
    if (consume) {
        for (int32_t code : codes) {
            gKeyState->release(code);
        }
    }
    return down;
}

bool joystickButton(int32_t index, bool consume) {
    const bool down = gJoystickState->button(index) != 0;
    if (consume) {
        gJoystickState->setButton(index, 0);
    }
    return down;
}

// The hat moves selections only while select action is bound to something
// (a button, or -2 for the hat alone).
bool hat(uint8_t& direction, bool consume) {
    const bool down = gJoystickBindings.selectActionButton != kUnbound && direction != 0;
    if (consume) {
        direction = 0;
    }
    return down;
}

bool wheelUp(bool consume) {
    const bool turned = gMouseState->wheel >= 1;
    if (consume && turned) {
        gMouseState->wheel = 0;
    }
    return turned;
}

bool wheelDown(bool consume) {
    const bool turned = gMouseState->wheel < 0;
    if (consume && turned) {
        gMouseState->wheel = 0;
    }
    return turned;
}

bool mouseButton(uint8_t& button, bool consume) {
    const bool down = button != 0;
    if (consume) {
        button = 0;
    }
    return down;
}

float held(int32_t code) { return gKeyState->isDown(code) ? 1.0f : 0.0f; }

// A direction: its keys, its hat direction and one way of the wheel. Every
// source is read, and with consume cleared, whatever the others gave.
bool direction(std::initializer_list<int32_t> codes, uint8_t& hatDirection, bool (*wheel)(bool), bool consume) {
    const bool k = keys(codes, consume);
    const bool h = hat(hatDirection, consume);
    const bool w = wheel(consume);
    return k || h || w;
}

// A press: its keys, its bound joystick button and, where it has one, its
// mouse button (null: none), read and cleared like a direction.
bool press(std::initializer_list<int32_t> codes, int32_t joystickIndex, uint8_t* mouse, bool consume) {
    const bool k = keys(codes, consume);
    const bool b = joystickButton(joystickIndex, consume);
    const bool m = mouse != nullptr && mouseButton(*mouse, consume);
    return k || b || m;
}
}  // namespace

bool inputUp(bool consume) { return direction({SDLK_w, SDLK_UP}, gJoystickState->hatUp, wheelUp, consume); }

bool inputDown(bool consume) { return direction({SDLK_s, SDLK_DOWN}, gJoystickState->hatDown, wheelDown, consume); }

bool inputLeft(bool consume) { return direction({SDLK_a, SDLK_LEFT}, gJoystickState->hatLeft, wheelDown, consume); }

bool inputRight(bool consume) {
    return direction({SDLK_d, SDLK_RIGHT}, gJoystickState->hatRight, wheelUp, consume);
}

bool inputConfirm(bool consume) {
    return press({SDLK_3, SDLK_e, SDLK_SPACE, SDLK_RETURN}, gJoystickBindings.executeButton,
                 &gMouseState->buttonLeft, consume);
}

bool inputMenu(bool consume) { return press({SDLK_ESCAPE}, gJoystickBindings.switchMenuButton, nullptr, consume); }

bool inputSelectAction(bool consume) {
    return press({SDLK_1}, gJoystickBindings.selectActionButton, nullptr, consume);
}

bool inputSelectTarget(bool consume) {
    return press({SDLK_2}, gJoystickBindings.selectTargetButton, &gMouseState->buttonRight, consume);
}

bool inputExecute(bool consume) {
    return press({SDLK_3}, gJoystickBindings.executeButton, &gMouseState->buttonLeft, consume);
}

bool inputWheelDown(bool consume) { return wheelDown(consume); }

bool inputWheelUp(bool consume) { return wheelUp(consume); }

float inputStrafeAxis() {
    return gJoystickState->axis(gJoystickBindings.walkLeftAxis) + (held(SDLK_d) - held(SDLK_a));
}

float inputForwardAxis() {
    return (held(SDLK_w) - held(SDLK_s)) - gJoystickState->axis(gJoystickBindings.walkAheadAxis);
}

float inputTurnAxis() {
    return gJoystickState->axis(gJoystickBindings.lookLeftAxis) + (held(SDLK_RIGHT) - held(SDLK_LEFT)) +
           static_cast<float>(gMouseState->dx) * 0.04f;
}

float inputPitchAxis() {
    return (held(SDLK_UP) - held(SDLK_DOWN)) - gJoystickState->axis(gJoystickBindings.lookUpAxis) -
           static_cast<float>(gMouseState->dy) * 0.07f;
}
