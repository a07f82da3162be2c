// The controller set-up wizard, fed synthetic joystick events (no joystick is
// attached here, so the joystick state is marked open by hand).
#include <gtest/gtest.h>

#include "app/PauseMenuScreen.h"
#include "engine/JoystickState.h"
#include "support/ScreenHarness.h"

using namespace screentest;

namespace {
int fakeDevice = 0;

// The main menu's "new game" with a joystick: the set-up, then the intro.
// The wizard's first frame (which takes the rest state) runs within.
void reachSetUpFromMenu(ScreenSession& s, bool holdAtRest = false) {
    s.start();
    s.tap(SDLK_ESCAPE);
    s.frames(40);
    gJoystickState->joystick = reinterpret_cast<SDL_Joystick*>(&fakeDevice);
    if (holdAtRest) {
        // Axis 1 fully over and button 2 down while the wizard starts.
        pushJoyAxis(1, -32768);
        pushJoyButton(2, true);
    }
    s.tap(SDLK_RETURN);
    ASSERT_EQ(kGameStateControllerSetup, gGameState);
}

void pressButton(ScreenSession& s, uint8_t button) {
    pushJoyButton(button, true);
    s.frames(1);
    pushJoyButton(button, false);
    s.frames(1);
}
}  // namespace

TEST(ControllerSetup, LearnsAxesAndButtonsAgainstTheRestState) {
    ScreenSession s;
    reachSetUpFromMenu(s, true);
    s.frames(1);
    EXPECT_EQ(kUnbound, gJoystickBindings.walkLeftAxis);
    EXPECT_TRUE(gResourceCache->textureTable().holds("res/215.dat"));

    pushJoyAxis(0, -30000);  // walk left
    s.frames(1);
    EXPECT_EQ(0, gJoystickBindings.walkLeftAxis);
    EXPECT_EQ(1.0f, gJoystickBindings.walkLeftSign);
    s.frames(2);  // axis 0 again, and the resting one: neither counts
    EXPECT_EQ(kUnbound, gJoystickBindings.walkAheadAxis);
    pushJoyAxis(3, 30000);
    s.frames(1);
    EXPECT_EQ(3, gJoystickBindings.walkAheadAxis);
    EXPECT_EQ(1.0f, gJoystickBindings.walkAheadSign);
    pushJoyAxis(4, 30000);
    s.frames(1);
    pushJoyAxis(5, -30000);
    s.frames(1);
    EXPECT_EQ(4, gJoystickBindings.lookLeftAxis);
    EXPECT_EQ(-1.0f, gJoystickBindings.lookLeftSign);
    EXPECT_EQ(5, gJoystickBindings.lookUpAxis);
    EXPECT_EQ(-1.0f, gJoystickBindings.lookUpSign);

    pressButton(s, 2);  // held at rest: never learned
    EXPECT_EQ(kUnbound, gJoystickBindings.selectActionButton);
    pressButton(s, 3);
    EXPECT_EQ(3, gJoystickBindings.selectActionButton);
    pressButton(s, 3);  // the same button again is refused
    EXPECT_EQ(kUnbound, gJoystickBindings.selectTargetButton);
    pressButton(s, 4);
    pressButton(s, 5);
    EXPECT_EQ(4, gJoystickBindings.selectTargetButton);
    EXPECT_EQ(5, gJoystickBindings.executeButton);
    EXPECT_EQ(kGameStateControllerSetup, gGameState);

    pushJoyButton(6, true);
    s.frames(1);
    gJoystickState->joystick = nullptr;
    EXPECT_EQ(6, gJoystickBindings.switchMenuButton);
    EXPECT_EQ(kGameStateIntro, gGameState);
    EXPECT_EQ(1, gControllerSetupDone);
    // The press that finished it does not also count as the menu input.
    EXPECT_EQ(0, gJoystickState->button(6));
    EXPECT_FALSE(gResourceCache->textureTable().holds("res/222.dat"));
}

TEST(ControllerSetup, EscapeResetsTheBindingsAndSkips) {
    ScreenSession s;
    reachSetUpFromMenu(s);
    pushJoyAxis(0, -30000);
    s.frames(2);
    EXPECT_EQ(0, gJoystickBindings.walkLeftAxis);
    s.tap(SDLK_ESCAPE);
    gJoystickState->joystick = nullptr;
    EXPECT_EQ(kGameStateIntro, gGameState);
    EXPECT_EQ(kUnbound, gJoystickBindings.walkLeftAxis);
    EXPECT_EQ(kUnbound, gJoystickBindings.selectActionButton);
    EXPECT_EQ(1, gControllerSetupDone);
}

// From the pause menu's "set up controller" the wizard hands back to play.
TEST(ControllerSetup, FromThePauseMenuPlayResumes) {
    ScreenSession s;
    s.start();
    gJoystickState->joystick = reinterpret_cast<SDL_Joystick*>(&fakeDevice);
    gSetupThenIntro = 1;
    gGameState = kGameStatePlay;
    PauseMenuScreen pause;
    pause.enterPauseMenuScreen();
    for (int i = 0; i < 3; ++i) {
        pushKey(SDLK_DOWN, true);
        s.frames(1);
        pause.updatePauseMenuScreen(0.045f);
        pushKey(SDLK_DOWN, false);
    }
    pushKey(SDLK_RETURN, true);
    s.frames(1);
    pause.updatePauseMenuScreen(0.045f);
    pushKey(SDLK_RETURN, false);
    ASSERT_EQ(kGameStateControllerSetup, gGameState);
    EXPECT_EQ(0, gSetupThenIntro);
    s.frames(3);
    s.tap(SDLK_ESCAPE);
    gJoystickState->joystick = nullptr;
    EXPECT_EQ(kGameStatePlay, gGameState);
}
