#ifndef QUENDRALVOSS_ENGINE_MOUSESTATE_H
#define QUENDRALVOSS_ENGINE_MOUSESTATE_H

#include <SDL.h>

#include <cstdint>

// Mouse motion, wheel and buttons, the input focus, and the mouse grab of a
// windowed game. Consumers read the wheel and button bytes directly and zero
// them to consume a press.
class MouseState {
public:
    // No motion, no buttons, focus held, grab not wanted.
    MouseState();

    // Stores whether the grab is wanted, then applies it.
    void setGrab(bool wanted);
    // In a window: grabs the input, centres the pointer and hides the cursor
    // while the grab is wanted and the window has the focus, else releases the
    // grab and shows the cursor. Does nothing in full-screen mode.
    void applyGrab();
    // Takes mouse motion, button and focus events; others change nothing.
    // Mouse events are dropped in a window that wants the grab but has no
    // focus.
    void handleEvent(const SDL_Event& event);
    // Zeroes motion, wheel and buttons; focus and grab stay.
    void clear();
    // Each returns the gathered value and zeroes it.
    int32_t takeDx();
    int32_t takeDy();
    int32_t takeWheel();

    int32_t dx;
    int32_t dy;
    int32_t wheel;
    uint8_t hasFocus;
    uint8_t grabWanted;
    uint8_t buttonLeft;
    uint8_t buttonMiddle;
    uint8_t buttonRight;

private:
    bool holdsGrab() const;
    void warpToCentre();
    // The byte of the left, middle or right button; null for any other (the
    // wheel's notches among them).
    uint8_t* buttonByte(uint8_t button);
};

extern MouseState* gMouseState;

#endif
