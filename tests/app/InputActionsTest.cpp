#include <gtest/gtest.h>

#include <SDL.h>

#include "app/InputActions.h"
#include "app/JoystickBindings.h"
#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/MouseState.h"

namespace {
// The three device states the actions read, fed by events as the run loop
// feeds them. No window is open, so the mouse state runs as in full screen.
class InputActionsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_JOYSTICK));
        gKeyState = new KeyState();
        gMouseState = new MouseState();
        gJoystickState = new JoystickState(0);
        resetJoystickBindings();
    }
    void TearDown() override {
        delete gKeyState;
        delete gMouseState;
        delete gJoystickState;
        gKeyState = nullptr;
        gMouseState = nullptr;
        gJoystickState = nullptr;
        SDL_Quit();
    }

    void key(SDLKey sym, bool down) {
        SDL_Event event = {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = sym;
        gKeyState->handleEvent(event);
    }
    void wheelNotch(uint8_t button) {
        SDL_Event event = {};
        event.type = SDL_MOUSEBUTTONUP;
        event.button.button = button;
        gMouseState->handleEvent(event);
    }
    void joyButton(uint8_t button, bool down) {
        SDL_Event event = {};
        event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.which = 0;
        event.jbutton.button = button;
        gJoystickState->handleEvent(event);
    }
    void joyAxis(uint8_t axis, int16_t value) {
        SDL_Event event = {};
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.which = 0;
        event.jaxis.axis = axis;
        event.jaxis.value = value;
        gJoystickState->handleEvent(event);
    }
    void joyHat(uint8_t value) {
        SDL_Event event = {};
        event.type = SDL_JOYHATMOTION;
        event.jhat.which = 0;
        event.jhat.value = value;
        gJoystickState->handleEvent(event);
    }
};
}  // namespace

TEST_F(InputActionsTest, ConsumeClearsEverySourceOfTheAction) {
    key(SDLK_w, true);
    key(SDLK_UP, true);
    EXPECT_TRUE(inputUp(true));
    EXPECT_FALSE(inputUp(true));
    EXPECT_FALSE(gKeyState->isDown(SDLK_w));
    EXPECT_FALSE(gKeyState->isDown(SDLK_UP));
}

TEST_F(InputActionsTest, HeldKeyCountsEveryFrameUntilConsumed) {
    key(SDLK_SPACE, true);
    EXPECT_TRUE(inputConfirm(false));
    EXPECT_TRUE(inputConfirm(false));
    EXPECT_TRUE(inputConfirm(true));
    EXPECT_FALSE(inputConfirm(true));
    key(SDLK_SPACE, false);
    key(SDLK_SPACE, true);
    EXPECT_TRUE(inputConfirm(true));
}

TEST_F(InputActionsTest, WheelIsOneMoveWhicheverDirectionAsks) {
    wheelNotch(SDL_BUTTON_WHEELUP);
    wheelNotch(SDL_BUTTON_WHEELUP);
    EXPECT_EQ(2, gMouseState->wheel);
    EXPECT_TRUE(inputUp(true));
    EXPECT_EQ(0, gMouseState->wheel);
    EXPECT_FALSE(inputDown(true));
    EXPECT_FALSE(inputRight(true));

    wheelNotch(SDL_BUTTON_WHEELDOWN);
    EXPECT_FALSE(inputUp(true));    // a wheel turned down is not cleared by up
    EXPECT_EQ(-1, gMouseState->wheel);
    EXPECT_TRUE(inputWheelDown(false));
    EXPECT_FALSE(inputWheelUp(true));
    EXPECT_TRUE(inputLeft(true));
    EXPECT_EQ(0, gMouseState->wheel);
}

TEST_F(InputActionsTest, HatCountsOnlyWhileSelectActionIsBound) {
    joyHat(SDL_HAT_UP);
    EXPECT_FALSE(inputUp(false));
    gJoystickBindings.selectActionButton = kHatOnly;
    EXPECT_TRUE(inputUp(true));
    EXPECT_FALSE(inputUp(false));
    joyHat(SDL_HAT_LEFT);
    gJoystickBindings.selectActionButton = 4;
    EXPECT_TRUE(inputLeft(false));
    EXPECT_FALSE(inputRight(false));
}

TEST_F(InputActionsTest, ButtonsFollowTheirBindings) {
    joyButton(5, true);
    EXPECT_FALSE(inputExecute(false));  // unbound
    gJoystickBindings.executeButton = 5;
    EXPECT_TRUE(inputConfirm(false));
    EXPECT_TRUE(inputExecute(true));
    EXPECT_FALSE(inputConfirm(false));
    gJoystickBindings.switchMenuButton = 6;
    joyButton(6, true);
    EXPECT_TRUE(inputMenu(true));
    EXPECT_EQ(0, gJoystickState->button(6));

    gMouseState->buttonRight = 1;
    EXPECT_TRUE(inputSelectTarget(true));
    EXPECT_EQ(0, gMouseState->buttonRight);
    key(SDLK_1, true);
    EXPECT_TRUE(inputSelectAction(true));
    EXPECT_FALSE(inputSelectAction(false));
    // The three keys that execute are also confirmations, but E is not an execute.
    key(SDLK_e, true);
    EXPECT_FALSE(inputExecute(false));
    EXPECT_TRUE(inputConfirm(false));
}

TEST_F(InputActionsTest, AxesAddKeysSticksAndMouseUnclamped) {
    gJoystickBindings.walkLeftAxis = 0;
    gJoystickBindings.walkAheadAxis = 1;
    gJoystickBindings.lookLeftAxis = 2;
    gJoystickBindings.lookUpAxis = 3;
    key(SDLK_d, true);
    joyAxis(0, -32768);
    EXPECT_FLOAT_EQ(0.0f, inputStrafeAxis());
    joyAxis(0, 32767);
    EXPECT_NEAR(1.99997f, inputStrafeAxis(), 1e-5f);

    key(SDLK_w, true);
    joyAxis(1, -32768);
    EXPECT_FLOAT_EQ(2.0f, inputForwardAxis());

    gMouseState->dx = 10;
    key(SDLK_RIGHT, true);
    EXPECT_NEAR(1.4f, inputTurnAxis(), 1e-6f);
    EXPECT_EQ(10, gMouseState->dx);  // read, not taken

    gMouseState->dy = 10;
    joyAxis(3, 6553);  // inside the dead zone
    EXPECT_NEAR(-0.7f, inputPitchAxis(), 1e-6f);
}
