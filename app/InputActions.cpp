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
}  // namespace

bool inputUp(bool consume) {
    const bool k = keys({SDLK_w, SDLK_UP}, consume);
    const bool h = hat(gJoystickState->hatUp, consume);
    const bool w = wheelUp(consume);
    return k || h || w;
}

bool inputDown(bool consume) {
    const bool k = keys({SDLK_s, SDLK_DOWN}, consume);
    const bool h = hat(gJoystickState->hatDown, consume);
    const bool w = wheelDown(consume);
    return k || h || w;
}

bool inputLeft(bool consume) {
    const bool k = keys({SDLK_a, SDLK_LEFT}, consume);
    const bool h = hat(gJoystickState->hatLeft, consume);
    const bool w = wheelDown(consume);
    return k || h || w;
}

bool inputRight(bool consume) {
    const bool k = keys({SDLK_d, SDLK_RIGHT}, consume);
    const bool h = hat(gJoystickState->hatRight, consume);
    const bool w = wheelUp(consume);
    return k || h || w;
}

bool inputConfirm(bool consume) {
    const bool k = keys({SDLK_3, SDLK_e, SDLK_SPACE, SDLK_RETURN}, consume);
    const bool b = joystickButton(gJoystickBindings.executeButton, consume);
    const bool m = mouseButton(gMouseState->buttonLeft, consume);
    return k || b || m;
}

bool inputMenu(bool consume) {
    const bool k = keys({SDLK_ESCAPE}, consume);
    const bool b = joystickButton(gJoystickBindings.switchMenuButton, consume);
    return k || b;
}

bool inputSelectAction(bool consume) {
    const bool k = keys({SDLK_1}, consume);
    const bool b = joystickButton(gJoystickBindings.selectActionButton, consume);
    return k || b;
}

bool inputSelectTarget(bool consume) {
    const bool k = keys({SDLK_2}, consume);
    const bool b = joystickButton(gJoystickBindings.selectTargetButton, consume);
    const bool m = mouseButton(gMouseState->buttonRight, consume);
    return k || b || m;
}

bool inputExecute(bool consume) {
    const bool k = keys({SDLK_3}, consume);
    const bool b = joystickButton(gJoystickBindings.executeButton, consume);
    const bool m = mouseButton(gMouseState->buttonLeft, consume);
    return k || b || m;
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
