#ifndef QUENDRALVOSS_ENGINE_JOYSTICKSTATE_H
#define QUENDRALVOSS_ENGINE_JOYSTICKSTATE_H

#include <SDL.h>

#include <cstdint>

// Buttons, axes and hat of one joystick, fed from joystick events. Indices of
// button, setButton and axis are compared unsigned, so negative (unbound)
// indices read 0 and write nothing.
class JoystickState {
public:
    // Follows joystick number index; opens it when it is attached now (a
    // joystick plugged in later is never opened).
    explicit JoystickState(int32_t index);
    ~JoystickState();
    JoystickState(const JoystickState&) = delete;
    JoystickState& operator=(const JoystickState&) = delete;

    // Takes axis, hat and button events of this joystick; others change
    // nothing.
    void handleEvent(const SDL_Event& event);
    bool isOpen() const;
    // Button i held (1) or not (0); 0 for i outside 0..31.
    uint8_t button(int32_t i) const;
    // Sets button i (0..31) to v, used to consume a press; else nothing.
    void setButton(int32_t i, uint8_t v);
    // Axis i in -1..1, 0 inside the dead zone; 0 for i outside 0..15.
    float axis(int32_t i) const;

    static constexpr int32_t buttonCount = 32;
    static constexpr int32_t axisCount = 16;

    int32_t index;
    SDL_Joystick* joystick;
    uint8_t buttons[buttonCount];
    float axes[axisCount];
    uint8_t hatLeft;
    uint8_t hatRight;
    uint8_t hatUp;
    uint8_t hatDown;
};

extern JoystickState* gJoystickState;

#endif
