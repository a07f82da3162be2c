// The splash timeline and the main menu, driven through the real run loop with
// pushed events and a fixed 45 ms step.
#include <gtest/gtest.h>

#include "engine/FileStream.h"
#include "engine/JoystickState.h"
#include "support/ScreenHarness.h"

using namespace screentest;

namespace {
const float kMenuRow[3] = {15.6f, 12.6f, 9.6f};

bool jingleCached() { return gResourceCache->soundTable().holds("res/66.dat"); }

// A save file with the version word and a bindings block.
void writeSaveWithBindings(int32_t version, int32_t selectAction, bool complete) {
    resetJoystickBindings();
    gJoystickBindings.selectActionButton = selectAction;
    gJoystickBindings.executeButton = 7;
    FileStream stream;
    stream.openWrite(saveFileName());
    stream.writeU32(encodeSaveInt(version));
    writeJoystickBindings(stream);
    stream.close();
    resetJoystickBindings();
    if (!complete) {
        std::vector<uint8_t> bytes = readFileBytes(saveFileName());
        bytes.resize(bytes.size() - 4);
        writeFileBytes(saveFileName(), bytes);
    }
}

// Skips the splash with Escape and runs the menu to its full fade.
void reachFullMenu(ScreenSession& s) {
    s.start();
    ASSERT_EQ(kGameStateSplash, gGameState);
    s.tap(SDLK_ESCAPE);
    ASSERT_EQ(kGameStateMainMenu, gGameState);
    s.frames(80);
}

// Whether an entry's text covers the point (the background stays dark).
bool lit(float right, float up) { return pixelAt(right, up).g > 60; }
}  // namespace

TEST(SplashScreen, BlackThenLogoWithJingleThenBlackThenMenu) {
    ScreenSession s;
    ASSERT_TRUE(s.videoOpen);
    s.start();
    s.frames(20);  // 0.9 s
    EXPECT_EQ(0, pixelAt(24, 18).g);
    EXPECT_FALSE(jingleCached());
    s.frames(30);  // 2.25 s
    EXPECT_TRUE(jingleCached());
    EXPECT_EQ(255, pixelAt(24, 18).g);
    s.frames(50);  // 4.5 s: the logo is gone
    EXPECT_EQ(kGameStateSplash, gGameState);
    EXPECT_EQ(0, pixelAt(24, 18).g);
    s.frames(21);  // 5.445 s
    EXPECT_EQ(kGameStateSplash, gGameState);
    s.frames(1);
    EXPECT_EQ(kGameStateMainMenu, gGameState);
    EXPECT_FALSE(gResourceCache->textureTable().holds("res/67.dat"));
}

TEST(SplashScreen, EscapeOrConfirmSkipsToTheMenu) {
    {
        ScreenSession s;
        s.start();
        s.frames(5);
        s.tap(SDLK_ESCAPE);
        EXPECT_EQ(kGameStateMainMenu, gGameState);
    }
    ScreenSession s;
    s.start();
    s.frames(50);
    pushKey(SDLK_RETURN, true);
    s.frames(1);
    EXPECT_EQ(kGameStateMainMenu, gGameState);
}

TEST(SplashScreen, BindingsComeFromAGoodSaveFileOnly) {
    {
        ScreenSession s;
        s.start();
        EXPECT_EQ(kHatOnly, gJoystickBindings.selectActionButton);
        EXPECT_EQ(1, gJoystickBindings.executeButton);
        EXPECT_EQ(kUnbound, gJoystickBindings.switchMenuButton);
        EXPECT_EQ(kUnbound, gJoystickBindings.walkLeftAxis);
    }
    {
        ScreenSession s;
        writeSaveWithBindings(1, 4, true);
        s.start();
        EXPECT_EQ(4, gJoystickBindings.selectActionButton);
        EXPECT_EQ(7, gJoystickBindings.executeButton);
    }
    {
        ScreenSession s;
        writeSaveWithBindings(2, 4, true);
        s.start();
        EXPECT_EQ(kHatOnly, gJoystickBindings.selectActionButton);
        EXPECT_EQ(1, gJoystickBindings.executeButton);
    }
    ScreenSession s;
    writeSaveWithBindings(1, 4, false);
    s.start();
    EXPECT_EQ(kHatOnly, gJoystickBindings.selectActionButton);
    EXPECT_EQ(1, gJoystickBindings.executeButton);
}

TEST(MainMenu, WithoutSaveContinueIsGreyAndTheCursorOnNewGame) {
    ScreenSession s;
    reachFullMenu(s);
    EXPECT_TRUE(lit(13, kMenuRow[0]));   // "[ new game ]" reaches further left
    EXPECT_FALSE(lit(13, kMenuRow[1]));
    const Rgb grey = pixelAt(24, kMenuRow[1]);
    EXPECT_NEAR(128, grey.g, 3);
    EXPECT_NEAR(128, grey.r, 3);
    // Confirming the grey entry does nothing.
    s.tap(SDLK_DOWN);
    EXPECT_TRUE(lit(13, kMenuRow[1]));
    s.tap(SDLK_RETURN);
    EXPECT_EQ(kGameStateMainMenu, gGameState);
    EXPECT_EQ(0, gLoadRequest);
}

TEST(MainMenu, WithSaveContinueIsWhiteAndSelected) {
    ScreenSession s;
    writeSaveWithBindings(1, 4, true);
    reachFullMenu(s);
    EXPECT_FALSE(lit(13, kMenuRow[0]));
    EXPECT_TRUE(lit(13, kMenuRow[1]));
    EXPECT_EQ(255, pixelAt(24, kMenuRow[1]).g);
    EXPECT_EQ(4, gJoystickBindings.selectActionButton);
}

TEST(MainMenu, TheMusicRampsToSevenTenthsWithTheFade) {
    ScreenSession s;
    s.start();
    s.tap(SDLK_ESCAPE);
    EXPECT_EQ(96, gCurrentMusicTrack);
    EXPECT_EQ(0, Mix_VolumeMusic(-1));
    s.frames(33);  // about 1.5 s, half the fade
    EXPECT_NEAR(45, Mix_VolumeMusic(-1), 6);
    s.frames(60);
    EXPECT_EQ(89, Mix_VolumeMusic(-1));
}

TEST(MainMenu, EscapeMovesToExitAndASecondEscapeQuits) {
    ScreenSession s;
    reachFullMenu(s);
    // Up on the first entry stays put silently.
    Mix_HaltChannel(-1);
    s.tap(SDLK_UP);
    EXPECT_EQ(0, Mix_Playing(-1));
    EXPECT_TRUE(lit(13, kMenuRow[0]));

    s.tap(SDLK_ESCAPE);
    EXPECT_GT(Mix_Playing(-1), 0);
    EXPECT_TRUE(lit(17, kMenuRow[2]));  // "[ exit ]"
    Mix_HaltChannel(-1);
    s.tap(SDLK_DOWN);
    EXPECT_EQ(0, Mix_Playing(1));
    EXPECT_EQ(kGameStateMainMenu, gGameState);
    pushKey(SDLK_ESCAPE, true);
    EXPECT_TRUE(s.frames(1));
    EXPECT_TRUE(s.normalQuit);
    EXPECT_EQ(kGameStateQuit, gGameState);
    EXPECT_FALSE(gResourceCache->meshTable().holds("res/68.dat"));
}

TEST(MainMenu, NewGameGoesToTheIntroWithoutAJoystickAndToTheSetUpWithOne) {
    {
        ScreenSession s;
        reachFullMenu(s);
        s.tap(SDLK_RETURN);
        EXPECT_EQ(kGameStateIntro, gGameState);
        EXPECT_EQ(kUnbound, gJoystickBindings.selectActionButton);
        EXPECT_EQ(0, gSetupThenIntro);
    }
    ScreenSession s;
    reachFullMenu(s);
    int fakeDevice = 0;
    gJoystickState->joystick = reinterpret_cast<SDL_Joystick*>(&fakeDevice);
    s.tap(SDLK_RETURN);
    gJoystickState->joystick = nullptr;
    EXPECT_EQ(kGameStateControllerSetup, gGameState);
    EXPECT_EQ(1, gSetupThenIntro);
    EXPECT_EQ(kUnbound, gJoystickBindings.executeButton);
}

TEST(MainMenu, ContinueAsksPlayToLoad) {
    ScreenSession s;
    writeSaveWithBindings(1, 4, true);
    reachFullMenu(s);
    // One frame: the play screen takes the request on its first update.
    pushKey(SDLK_RETURN, true);
    s.frames(1);
    EXPECT_EQ(kGameStatePlay, gGameState);
    EXPECT_EQ(1, gLoadRequest);
    EXPECT_EQ(0, Mix_VolumeMusic(-1));
}
