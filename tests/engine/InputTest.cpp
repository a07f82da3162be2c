// Key, mouse and joystick state fed the way the run loop feeds them: events
// pushed into SDL's queue, drained and handed on by type.
#include <gtest/gtest.h>
// After gtest: the X headers define macros (None, Bool) that clash with it.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/MouseState.h"
#include "engine/Platform.h"
#include "support/PrivateDisplay.h"

namespace {

class InputTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.started());
        gFullscreen = 0;
        ASSERT_TRUE(initVideo("Quendralvoss", 800, 450, false)) << SDL_GetError() << " on " << getenv("DISPLAY");
        // Let the window's own start-up events (mapping, pointer entry) pass.
        SDL_Delay(50);
        SDL_PumpEvents();
        drain();
        mouse.clear();
    }
    void TearDown() override { SDL_Quit(); }

    // Hands every queued event on as the run loop does.
    void drain() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            switch (event.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                keys.handleEvent(event);
                break;
            case SDL_ACTIVEEVENT:
            case SDL_MOUSEMOTION:
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                mouse.handleEvent(event);
                break;
            case SDL_JOYAXISMOTION:
            case SDL_JOYHATMOTION:
            case SDL_JOYBUTTONDOWN:
            case SDL_JOYBUTTONUP:
                if (joystick) {
                    joystick->handleEvent(event);
                }
                break;
            default:
                break;
            }
        }
    }

    // Pushed events; the type byte is shared by every member of the union.
    static void push(SDL_Event event) { SDL_PushEvent(&event); }
    static SDL_Event ofType(Uint8 type) {
        SDL_Event event = {};
        event.type = type;
        return event;
    }
    void pushKey(Uint8 type, SDLKey key) {
        SDL_Event event = ofType(type);
        event.key.keysym.sym = key;
        push(event);
    }
    void pushButton(Uint8 type, Uint8 button) {
        SDL_Event event = ofType(type);
        event.button.button = button;
        push(event);
    }
    void pushMotion(Sint16 xrel, Sint16 yrel) {
        SDL_Event event = ofType(SDL_MOUSEMOTION);
        event.motion.xrel = xrel;
        event.motion.yrel = yrel;
        push(event);
    }
    void pushActive(Uint8 gain, Uint8 state) {
        SDL_Event event = ofType(SDL_ACTIVEEVENT);
        event.active.gain = gain;
        event.active.state = state;
        push(event);
    }
    void pushAxis(Uint8 which, Uint8 axis, Sint16 value) {
        SDL_Event event = ofType(SDL_JOYAXISMOTION);
        event.jaxis.which = which;
        event.jaxis.axis = axis;
        event.jaxis.value = value;
        push(event);
    }
    void pushHat(Uint8 which, Uint8 value) {
        SDL_Event event = ofType(SDL_JOYHATMOTION);
        event.jhat.which = which;
        event.jhat.value = value;
        push(event);
    }
    void pushJoyButton(Uint8 type, Uint8 which, Uint8 button) {
        SDL_Event event = ofType(type);
        event.jbutton.which = which;
        event.jbutton.button = button;
        push(event);
    }

    // Moves the X input focus to the game's window or away from it and lets
    // SDL see the change as its own active event.
    void moveFocus(bool toWindow) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        ASSERT_EQ(1, SDL_GetWMInfo(&info));
        info.info.x11.lock_func();
        XSetInputFocus(info.info.x11.display, toWindow ? info.info.x11.wmwindow : None, RevertToNone,
                       CurrentTime);
        XSync(info.info.x11.display, False);
        info.info.x11.unlock_func();
        SDL_Delay(20);
        SDL_PumpEvents();
        drain();
    }

    PrivateDisplay display;
    KeyState keys;
    MouseState mouse;
    JoystickState* joystick = nullptr;
};

}  // namespace

TEST_F(InputTest, KeysFollowDownAndUpAndStayConsumedUntilPressedAgain) {
    pushKey(SDL_KEYUP, SDLK_w);
    drain();
    EXPECT_FALSE(keys.isDown(SDLK_w));

    pushKey(SDL_KEYDOWN, SDLK_w);
    pushKey(SDL_KEYDOWN, SDLK_w);
    pushKey(SDL_KEYDOWN, SDLK_UP);
    drain();
    EXPECT_TRUE(keys.isDown(119));
    EXPECT_TRUE(keys.isDown(273));
    pushKey(SDL_KEYUP, SDLK_w);
    drain();
    EXPECT_FALSE(keys.isDown(SDLK_w));
    EXPECT_TRUE(keys.isDown(SDLK_UP));

    keys.release(SDLK_UP);
    EXPECT_FALSE(keys.isDown(SDLK_UP));
    drain();
    EXPECT_FALSE(keys.isDown(SDLK_UP));
    pushKey(SDL_KEYDOWN, SDLK_UP);
    drain();
    EXPECT_TRUE(keys.isDown(SDLK_UP));
}

TEST_F(InputTest, ButtonsAndTheWheelCountOnceAndConsume) {
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP);
    drain();
    EXPECT_EQ(0, mouse.wheel);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP);
    drain();
    EXPECT_EQ(1, mouse.wheel);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELDOWN);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELDOWN);
    drain();
    EXPECT_EQ(-1, mouse.takeWheel());
    EXPECT_EQ(0, mouse.wheel);

    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    drain();
    EXPECT_EQ(1, mouse.buttonLeft);
    EXPECT_EQ(1, mouse.buttonMiddle);
    EXPECT_EQ(1, mouse.buttonRight);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE);
    drain();
    EXPECT_EQ(0, mouse.buttonMiddle);
    EXPECT_EQ(1, mouse.buttonLeft);

    // A consumer clears the byte; the press no longer counts.
    mouse.buttonLeft = 0;
    drain();
    EXPECT_EQ(0, mouse.buttonLeft);

    pushMotion(3, -4);
    pushMotion(2, 1);
    drain();
    EXPECT_EQ(5, mouse.takeDx());
    EXPECT_EQ(-3, mouse.takeDy());
    EXPECT_EQ(0, mouse.dx);
    mouse.dx = 7;
    mouse.clear();
    EXPECT_EQ(0, mouse.dx);
    EXPECT_EQ(0, mouse.buttonRight);
    EXPECT_EQ(1, mouse.hasFocus);
}

TEST_F(InputTest, WindowWithoutFocusDropsMouseEventsButFullScreenCounts) {
    mouse.grabWanted = 1;
    mouse.hasFocus = 0;
    pushMotion(10, 10);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP);
    drain();
    EXPECT_EQ(0, mouse.dx);
    EXPECT_EQ(0, mouse.buttonLeft);
    EXPECT_EQ(0, mouse.wheel);

    gFullscreen = 1;
    pushMotion(10, 10);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP);
    drain();
    EXPECT_EQ(10, mouse.dx);
    EXPECT_EQ(1, mouse.buttonLeft);
    EXPECT_EQ(1, mouse.wheel);
    gFullscreen = 0;
}

TEST_F(InputTest, GrabbedWindowCountsMotionAndWarpsBackUncounted) {
    mouse.setGrab(true);
    EXPECT_EQ(SDL_GRAB_ON, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    drain();
    mouse.clear();

    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_WarpMouse(10, 20);
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
    pushMotion(6, -2);
    drain();
    EXPECT_EQ(6, mouse.dx);
    EXPECT_EQ(-2, mouse.dy);
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    EXPECT_EQ(400, x);
    EXPECT_EQ(225, y);
    // The warp itself leaves no motion behind.
    SDL_Delay(20);
    SDL_PumpEvents();
    drain();
    EXPECT_EQ(6, mouse.dx);
    EXPECT_EQ(-2, mouse.dy);

    mouse.setGrab(false);
    EXPECT_EQ(SDL_GRAB_OFF, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));
}

TEST_F(InputTest, FullScreenMakesNoGrabWarpOrCursorCall) {
    gFullscreen = 1;
    mouse.setGrab(true);
    EXPECT_EQ(SDL_GRAB_OFF, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_WarpMouse(10, 20);
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
    pushMotion(4, 4);
    pushActive(1, SDL_APPINPUTFOCUS | SDL_APPACTIVE);
    drain();
    EXPECT_EQ(SDL_GRAB_OFF, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    EXPECT_EQ(10, x);
    EXPECT_EQ(20, y);
    gFullscreen = 0;
}

TEST_F(InputTest, ActiveEventWithFocusGrabsAndZeroesWhatWasGathered) {
    mouse.setGrab(true);
    drain();
    mouse.dx = 5;
    mouse.dy = 6;
    mouse.wheel = 2;
    mouse.buttonRight = 1;
    // The gain byte is not what counts: state 6 with gain 0 is focus held.
    pushActive(0, SDL_APPINPUTFOCUS | SDL_APPACTIVE);
    drain();
    EXPECT_EQ(1, mouse.hasFocus);
    EXPECT_EQ(SDL_GRAB_ON, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(0, mouse.dx);
    EXPECT_EQ(0, mouse.dy);
    EXPECT_EQ(0, mouse.wheel);
    EXPECT_EQ(0, mouse.buttonRight);
}

TEST_F(InputTest, FocusLostReleasesTheGrabAndFocusRegainedHoldsItAgain) {
    moveFocus(true);
    mouse.setGrab(true);
    drain();
    ASSERT_EQ(1, mouse.hasFocus);

    mouse.dx = 3;
    mouse.buttonLeft = 1;
    moveFocus(false);
    EXPECT_EQ(0, mouse.hasFocus);
    EXPECT_EQ(SDL_GRAB_OFF, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));
    // Losing the focus keeps what was gathered; mouse input is now dropped.
    EXPECT_EQ(3, mouse.dx);
    EXPECT_EQ(1, mouse.buttonLeft);
    pushMotion(1, 1);
    drain();
    EXPECT_EQ(3, mouse.dx);

    // SDL reports the regained focus with the input-focus bit alone; the
    // window holds the focus again all the same, and the mouse counts again.
    moveFocus(true);
    EXPECT_EQ(1, mouse.hasFocus);
    EXPECT_EQ(SDL_GRAB_ON, SDL_WM_GrabInput(SDL_GRAB_QUERY));
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    EXPECT_EQ(0, mouse.dx);
    pushMotion(2, 0);
    drain();
    EXPECT_EQ(2, mouse.dx);
}

TEST_F(InputTest, JoystickAxesButtonsAndHatFollowTheirJoystickOnly) {
    JoystickState state(0);
    joystick = &state;
    // No joystick is attached under the test display.
    EXPECT_FALSE(state.isOpen());
    drain();
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(0, state.button(i));
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(0.0f, state.axis(i));
    }

    pushAxis(0, 0, 6553);
    pushAxis(0, 1, 6554);
    pushAxis(0, 2, -32768);
    pushAxis(0, 3, 32767);
    pushAxis(0, 16, 32767);
    pushAxis(1, 4, 32767);
    drain();
    EXPECT_EQ(0.0f, state.axis(0));
    EXPECT_FLOAT_EQ(6554.0f / 32768.0f, state.axis(1));
    EXPECT_EQ(-1.0f, state.axis(2));
    EXPECT_FLOAT_EQ(32767.0f / 32768.0f, state.axis(3));
    EXPECT_EQ(0.0f, state.axis(4));
    EXPECT_EQ(0.0f, state.axis(16));
    EXPECT_EQ(0.0f, state.axis(-1));

    pushJoyButton(SDL_JOYBUTTONDOWN, 0, 5);
    pushJoyButton(SDL_JOYBUTTONDOWN, 0, 31);
    pushJoyButton(SDL_JOYBUTTONDOWN, 0, 32);
    pushJoyButton(SDL_JOYBUTTONDOWN, 1, 6);
    drain();
    EXPECT_EQ(1, state.button(5));
    EXPECT_EQ(1, state.button(31));
    EXPECT_EQ(0, state.button(32));
    EXPECT_EQ(0, state.button(6));
    // Unbound bindings (-1, -2) read nothing and consume nothing.
    EXPECT_EQ(0, state.button(-1));
    state.setButton(-2, 1);
    state.setButton(32, 1);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(i == 5 || i == 31 ? 1 : 0, state.button(i));
    }
    state.setButton(5, 0);
    EXPECT_EQ(0, state.button(5));
    pushJoyButton(SDL_JOYBUTTONUP, 0, 31);
    drain();
    EXPECT_EQ(0, state.button(31));

    pushHat(0, SDL_HAT_UP);
    pushHat(0, SDL_HAT_RIGHTUP);
    drain();
    EXPECT_EQ(1, state.hatUp);
    EXPECT_EQ(0, state.hatRight);
    pushHat(0, SDL_HAT_LEFT);
    drain();
    EXPECT_EQ(1, state.hatLeft);
    EXPECT_EQ(0, state.hatUp);
    pushHat(1, SDL_HAT_DOWN);
    drain();
    EXPECT_EQ(0, state.hatDown);
    EXPECT_EQ(1, state.hatLeft);
    pushHat(0, SDL_HAT_DOWN);
    drain();
    EXPECT_EQ(1, state.hatDown);
    EXPECT_EQ(0, state.hatLeft);
    pushHat(0, SDL_HAT_CENTERED);
    drain();
    EXPECT_EQ(0, state.hatLeft + state.hatRight + state.hatUp + state.hatDown);
    joystick = nullptr;
}
