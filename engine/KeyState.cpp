#include "engine/KeyState.h"

KeyState* gKeyState = nullptr;

void KeyState::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN) {
        down.insert(static_cast<int32_t>(event.key.keysym.sym));
    } else if (event.type == SDL_KEYUP) {
        down.erase(static_cast<int32_t>(event.key.keysym.sym));
    }
}

bool KeyState::isDown(int32_t code) const { return down.count(code) != 0; }

void KeyState::release(int32_t code) { down.erase(code); }
