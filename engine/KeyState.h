#ifndef QUENDRALVOSS_ENGINE_KEYSTATE_H
#define QUENDRALVOSS_ENGINE_KEYSTATE_H

#include <SDL.h>

#include <cstdint>
#include <set>

// The keys held down, as SDL key codes, fed from key events by the run loop.
// Key repeat is never enabled, so a released (consumed) key stays up until it
// is let go and pressed again.
class KeyState {
public:
    // Key down inserts the event's key code, key up erases it; other events
    // change nothing.
    void handleEvent(const SDL_Event& event);
    // True while code is held and not released.
    bool isDown(int32_t code) const;
    // Consumes a press: code no longer counts as held.
    void release(int32_t code);

private:
    std::set<int32_t> down;
};

extern KeyState* gKeyState;

#endif
