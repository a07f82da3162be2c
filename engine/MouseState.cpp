#include "engine/MouseState.h"

#include "engine/Platform.h"

MouseState* gMouseState = nullptr;

MouseState::MouseState()
    : dx(0), dy(0), wheel(0), hasFocus(1), grabWanted(0), buttonLeft(0), buttonMiddle(0), buttonRight(0) {}

bool MouseState::holdsGrab() const { return grabWanted == 1 && hasFocus == 1; }

void MouseState::warpToCentre() {
    SDL_WarpMouse(static_cast<Uint16>(gScreenWidth * 0.5f), static_cast<Uint16>(gScreenHeight * 0.5f));
}

void MouseState::setGrab(bool wanted) {
    grabWanted = wanted ? 1 : 0;
    applyGrab();
}

void MouseState::applyGrab() {
    if (gFullscreen) {
        // initVideo hid the cursor for good; nothing to grab or release.
        return;
    }
    // Motion is switched off around the warp so the jump is not counted.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    if (holdsGrab()) {
        SDL_WM_GrabInput(SDL_GRAB_ON);
        warpToCentre();
        SDL_ShowCursor(SDL_DISABLE);
    } else {
        SDL_WM_GrabInput(SDL_GRAB_OFF);
        SDL_ShowCursor(SDL_ENABLE);
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
}

uint8_t* MouseState::buttonByte(uint8_t button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return &buttonLeft;
    case SDL_BUTTON_MIDDLE:
        return &buttonMiddle;
    case SDL_BUTTON_RIGHT:
        return &buttonRight;
    default:
        return nullptr;
    }
}

void MouseState::handleEvent(const SDL_Event& event) {
    const bool mouseEvent = event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN ||
                            event.type == SDL_MOUSEBUTTONUP;
    if (mouseEvent && grabWanted == 1 && hasFocus == 0 && !gFullscreen) {
        return;
    }
    switch (event.type) {
    case SDL_MOUSEMOTION:
        dx += event.motion.xrel;
        dy += event.motion.yrel;
        if (holdsGrab() && !gFullscreen) {
            SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
            warpToCentre();
            SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (uint8_t* held = buttonByte(event.button.button)) {
            *held = 1;
        }
        break;
    case SDL_MOUSEBUTTONUP:
        // A wheel notch arrives as a press and a release; only the release
        // counts, so each notch counts once.
        if (uint8_t* held = buttonByte(event.button.button)) {
            *held = 0;
        } else if (event.button.button == SDL_BUTTON_WHEELUP) {
            wheel += 1;
        } else if (event.button.button == SDL_BUTTON_WHEELDOWN) {
            wheel -= 1;
        }
        break;
    case SDL_ACTIVEEVENT: {
        // SDL reports only the bits that changed, so regaining the input focus
        // arrives without the active bit. The focus is therefore taken from
        // the application's whole state, not from the event's mask.
        const Uint8 focused = SDL_APPINPUTFOCUS | SDL_APPACTIVE;
        hasFocus = (SDL_GetAppState() & focused) == focused ? 1 : 0;
        if (!gFullscreen) {
            applyGrab();
        }
        if (hasFocus == 1) {
            clear();
        }
        break;
    }
    default:
        break;
    }
}

void MouseState::clear() {
    dx = 0;
    dy = 0;
    wheel = 0;
    buttonLeft = 0;
    buttonMiddle = 0;
    buttonRight = 0;
}

int32_t MouseState::takeDx() {
    const int32_t value = dx;
    dx = 0;
    return value;
}

int32_t MouseState::takeDy() {
    const int32_t value = dy;
    dy = 0;
    return value;
}

int32_t MouseState::takeWheel() {
    const int32_t value = wheel;
    wheel = 0;
    return value;
}
