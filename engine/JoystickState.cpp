#include "engine/JoystickState.h"

#include <cmath>

JoystickState* gJoystickState = nullptr;

JoystickState::JoystickState(int32_t joystickIndex)
    : index(joystickIndex), joystick(nullptr), buttons(), axes(), hatLeft(0), hatRight(0), hatUp(0), hatDown(0) {
    if (index < SDL_NumJoysticks()) {
        SDL_JoystickEventState(SDL_ENABLE);
        joystick = SDL_JoystickOpen(index);
    }
}

JoystickState::~JoystickState() {
    if (joystick) {
        SDL_JoystickClose(joystick);
    }
}

bool JoystickState::isOpen() const { return joystick != nullptr; }

uint8_t JoystickState::button(int32_t i) const {
    return static_cast<uint32_t>(i) < static_cast<uint32_t>(buttonCount) ? buttons[i] : 0;
}

void JoystickState::setButton(int32_t i, uint8_t v) {
    if (static_cast<uint32_t>(i) < static_cast<uint32_t>(buttonCount)) {
        buttons[i] = v;
    }
}

float JoystickState::axis(int32_t i) const {
    return static_cast<uint32_t>(i) < static_cast<uint32_t>(axisCount) ? axes[i] : 0.0f;
}

void JoystickState::handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        if (event.jaxis.which == index && event.jaxis.axis < axisCount) {
            const float v = static_cast<float>(event.jaxis.value) / 32768.0f;
            // The dead zone does not rescale: just outside it reads 0.2.
            axes[event.jaxis.axis] = std::fabs(v) < 0.2f ? 0.0f : v;
        }
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        if (event.jbutton.which == index && event.jbutton.button < buttonCount) {
            buttons[event.jbutton.button] = event.type == SDL_JOYBUTTONDOWN ? 1 : 0;
        }
        break;
    case SDL_JOYHATMOTION:
        if (event.jhat.which == index) {
            // Diagonals leave the four directions as they were.
            const Uint8 v = event.jhat.value;
            if (v == SDL_HAT_CENTERED || v == SDL_HAT_UP || v == SDL_HAT_RIGHT || v == SDL_HAT_DOWN ||
                v == SDL_HAT_LEFT) {
                hatLeft = v == SDL_HAT_LEFT ? 1 : 0;
                hatRight = v == SDL_HAT_RIGHT ? 1 : 0;
                hatUp = v == SDL_HAT_UP ? 1 : 0;
                hatDown = v == SDL_HAT_DOWN ? 1 : 0;
            }
        }
        break;
    default:
        break;
    }
}
