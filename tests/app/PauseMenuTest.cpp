// The pause menu over a paused game. No play screen exists to open it, so the
// test holds its own menu and feeds it the events that the run loop drains
// while GameState is a number without a screen (0), so that any state the
// menu sets shows.
#include <gtest/gtest.h>

#include "app/PauseMenuScreen.h"
#include "engine/JoystickState.h"
#include "support/ScreenHarness.h"

using namespace screentest;

namespace {
const int32_t kNoScreen = 0;
int fakeDevice = 0;

class PauseMenuTest : public testing::Test {
protected:
    void SetUp() override {
        session.start();
        gGameState = kNoScreen;
        Mix_HaltChannel(-1);
    }
    void TearDown() override { gJoystickState->joystick = nullptr; }

    // One frame of the menu with key held for it; let go afterwards.
    void frameWith(SDLKey key) {
        if (key != SDLK_UNKNOWN) pushKey(key, true);
        session.frames(1);
        menu.updatePauseMenuScreen(0.045f);
        if (key != SDLK_UNKNOWN) pushKey(key, false);
        session.frames(1);
    }
    void frame() { frameWith(SDLK_UNKNOWN); }
    bool lit(float right, float up) { return pixelAt(right, up).g > 60; }

    ScreenSession session;
    PauseMenuScreen menu;
};
}  // namespace

TEST_F(PauseMenuTest, SaveIsGreyAndRefusedWhilePlayWasNotInControl) {
    menu.enterPauseMenuScreen();
    EXPECT_GT(Mix_Playing(-1), 0);  // the pause sound
    frame();
    EXPECT_NEAR(108, pixelAt(24, 18).g, 3);
    EXPECT_NEAR(216, pixelAt(24, 22).g, 3);
    frameWith(SDLK_DOWN);
    frameWith(SDLK_RETURN);
    EXPECT_EQ(kNoScreen, gGameState);
    EXPECT_EQ(0, gSaveRequest);

    gSaveAllowed = 1;
    gGameState = kNoScreen;
    frame();
    EXPECT_NEAR(216, pixelAt(24, 18).g, 3);
    frameWith(SDLK_RETURN);
    // The menu asked play to save (GameState 4, gSaveRequest); the play
    // screen took the request in the frame after and came back here.
    EXPECT_EQ(kGameStatePauseMenu, gGameState);
    EXPECT_EQ(0, gSaveRequest);
    EXPECT_EQ(1, gSavedOk);
}

TEST_F(PauseMenuTest, SaveNoticesWaitForMenuOrConfirm) {
    gSavedOk = 1;
    menu.enterPauseMenuScreen();
    EXPECT_EQ(0, Mix_Playing(-1));  // a notice pending: no pause sound
    gGameState = kNoScreen;
    frame();
    EXPECT_TRUE(lit(20, 18));   // "saved", 10 units wide
    EXPECT_FALSE(lit(13, 18));
    frameWith(SDLK_ESCAPE);
    EXPECT_EQ(kGameStatePlay, gGameState);
    EXPECT_EQ(0, gSavedOk);
    EXPECT_GT(Mix_Playing(-1), 0);

    gSaveFailed = 1;
    gSavedOk = 1;
    gGameState = kNoScreen;
    frame();
    EXPECT_TRUE(lit(13, 18));   // "saving failed" takes precedence
    frameWith(SDLK_RETURN);
    EXPECT_EQ(kGameStatePlay, gGameState);
    EXPECT_EQ(0, gSaveFailed);
    EXPECT_EQ(1, gSavedOk);
}

TEST_F(PauseMenuTest, TheControllerEntryOnlyWithAJoystick) {
    menu.enterPauseMenuScreen();
    gGameState = kNoScreen;
    frameWith(SDLK_DOWN);
    frameWith(SDLK_DOWN);
    Mix_HaltChannel(-1);
    frameWith(SDLK_DOWN);
    EXPECT_EQ(0, Mix_Playing(1));
    EXPECT_EQ(2, menu.selected);
    EXPECT_FALSE(lit(24, 10));
    EXPECT_TRUE(lit(17, 14));  // "[ exit ]"

    gJoystickState->joystick = reinterpret_cast<SDL_Joystick*>(&fakeDevice);
    frame();
    EXPECT_TRUE(lit(24, 24));  // every entry 2 units higher
    EXPECT_TRUE(lit(24, 12));
    frameWith(SDLK_DOWN);
    EXPECT_EQ(3, menu.selected);
    EXPECT_EQ(1, Mix_Playing(1));
    frameWith(SDLK_ESCAPE);
    EXPECT_EQ(kGameStatePlay, gGameState);
}
