#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdlib>
#include <initializer_list>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>
#include <string>

#include "app/ErrorScreen.h"
#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/VideoModeChoice.h"
#include "engine/Camera.h"
#include "engine/FrameTimer.h"
#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/Light.h"
#include "engine/MouseState.h"
#include "engine/Music.h"
#include "engine/ResourceCache.h"
#include "engine/ScreenSize2D.h"
#include "engine/Platform.h"
#include "support/ScreenHarness.h"
#include "support/TestDirectory.h"
#include "text/Text.h"

namespace {
void pushKey(SDLKey sym, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = sym;
    SDL_PushEvent(&event);
}

// The centre of the picture that the last frame showed is the error screen's
// red.
void expectRedCentre() {
    unsigned char rgb[3];
    glReadBuffer(GL_BACK);
    glReadPixels(static_cast<int>(gScreenWidth / 2), static_cast<int>(gScreenHeight / 2), 1, 1, GL_RGB,
                 GL_UNSIGNED_BYTE, rgb);
    EXPECT_GT(rgb[0], 200);
    EXPECT_LT(rgb[1], 60);
}

// Runs frames until the loop ends or the count runs out; true when it ended.
bool runFrames(GameApp& app, int count, bool& normalQuit) {
    for (int i = 0; i < count; ++i) {
        if (app.runFrame(normalQuit)) return true;
    }
    return false;
}

class GameAppTest : public testing::Test {
protected:
    void TearDown() override { shutdownPlatform(); }
    TestDirectory dir;
};
}  // namespace

TEST_F(GameAppTest, SquareWindowShowsTheAspectErrorUntilEscape) {
    ASSERT_TRUE(initVideo(kGameTitle, 480, 480, false));
    GameApp app;
    ASSERT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("invalid aspect ratio"));
    EXPECT_FLOAT_EQ(10.0f, gFrameTimer->fps);

    bool normalQuit = true;
    EXPECT_FALSE(runFrames(app, 2, normalQuit));
    expectRedCentre();

    pushKey(SDLK_ESCAPE, true);
    EXPECT_TRUE(runFrames(app, 1, normalQuit));
    EXPECT_FALSE(normalQuit);
    EXPECT_EQ(kGameStateErrorExit, gGameState);
}

// An error that arises in the middle of a textured drawing: the red screen
// must not be drawn through the picture that was bound then.
TEST_F(GameAppTest, ErrorScreenIgnoresTheTextureBoundWhenItArose) {
    ASSERT_TRUE(initVideo(kGameTitle, 480, 480, false));
    GameApp app;
    ASSERT_EQ(kGameStateError, gGameState);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    const unsigned char green[4] = {0, 255, 0, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, green);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glEnable(GL_TEXTURE_2D);

    bool normalQuit = true;
    EXPECT_FALSE(runFrames(app, 1, normalQuit));
    expectRedCentre();
    glDeleteTextures(1, &name);
}

TEST_F(GameAppTest, EscapeHeldWhenTheErrorArisesDoesNotCloseIt) {
    screentest::writeScreenResources();
    ASSERT_TRUE(initVideo(kGameTitle, 640, 360, false));
    GameApp app;
    ASSERT_EQ(kGameStateSplash, gGameState);
    SDL_Event escape = {};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    gKeyState->handleEvent(escape);

    raiseFatalError(kFatalGeneral, "exception:\n1");
    ErrorScreen screen;
    screen.enterErrorScreen();
    screen.updateErrorScreen(0.1f);
    EXPECT_EQ(kGameStateError, gGameState);
    gKeyState->handleEvent(escape);
    screen.updateErrorScreen(0.1f);
    EXPECT_EQ(kGameStateErrorExit, gGameState);
}

// Without the font the first screen built raises the error, no later screen
// is built and the splash is not entered.
TEST_F(GameAppTest, MissingFontStopsBuildingTheScreens) {
    ASSERT_TRUE(initVideo(kGameTitle, 640, 360, false));
    GameApp app;
    ASSERT_EQ(kGameStateError, gGameState);
    // The play screen, built first, finds nothing; the splash after it is
    // neither built nor entered, so its logo is never asked for.
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not load resource file:\nres/0"));
    EXPECT_TRUE(gResourceCache->textureTable().holds("res/2.dat"));
    EXPECT_FALSE(gResourceCache->textureTable().holds("res/67.dat"));
}

TEST_F(GameAppTest, QuitEventEndsTheLoopAsANormalQuit) {
    ASSERT_TRUE(initVideo(kGameTitle, 640, 360, false));
    GameApp app;
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    bool normalQuit = false;
    EXPECT_TRUE(runFrames(app, 1, normalQuit));
    EXPECT_TRUE(normalQuit);
}

TEST_F(GameAppTest, BadAspectOutranksBrokenAudio) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_TRUE(initVideo(kGameTitle, 640, 360, false));
    {
        GameApp app;
        EXPECT_EQ(kGameStateError, gGameState);
        EXPECT_NE(std::string::npos, gFatalErrorText.find("could not init:\naudio"));
    }
    shutdownPlatform();
    ASSERT_TRUE(initVideo(kGameTitle, 480, 480, false));
    GameApp app;
    EXPECT_NE(std::string::npos, gFatalErrorText.find("invalid aspect ratio"));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// Without an audio device the window asked for opens all the same and shows
// the audio error on red, on either SDL library, readable at its own size.
TEST_F(GameAppTest, BrokenAudioShowsItsErrorInTheWindowAskedFor) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    char program[] = "quendralvoss", windowed[] = "w", width[] = "800", height[] = "450";
    char* argv[] = {program, windowed, width, height, nullptr};
    ASSERT_TRUE(openChosenVideoMode(4, argv));
    EXPECT_EQ(0, gFullscreen);
    ASSERT_EQ(800, SDL_GetVideoSurface()->w);
    ASSERT_EQ(450, SDL_GetVideoSurface()->h);
    GameApp app;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not init:\naudio"));
    bool normalQuit = true;
    EXPECT_FALSE(runFrames(app, 2, normalQuit));
    expectRedCentre();
}

// The services live exactly as long as the game: each global points at one
// while it runs and every one is null again once it is gone, however far the
// screens were built.
TEST_F(GameAppTest, ServicesLiveWithTheGameAndTheirGlobalsEndNull) {
    auto expectServices = [](bool present) {
        EXPECT_EQ(present, gCamera != nullptr);
        EXPECT_EQ(present, gScreenSize2D != nullptr);
        EXPECT_EQ(present, gKeyState != nullptr);
        EXPECT_EQ(present, gMouseState != nullptr);
        EXPECT_EQ(present, gJoystickState != nullptr);
        EXPECT_EQ(present, gMainLight != nullptr);
        EXPECT_EQ(present, gMusic != nullptr);
        EXPECT_EQ(present, gResourceCache != nullptr);
        EXPECT_EQ(present, gFrameTimer != nullptr);
    };
    for (const int height : {360, 640}) {
        SCOPED_TRACE(height);
        ASSERT_TRUE(initVideo(kGameTitle, 640, height, false));
        {
            GameApp app;
            // Both stop: the narrow window at its missing font once the play
            // screen is built, the square one at its aspect before any screen.
            EXPECT_EQ(kGameStateError, gGameState);
            EXPECT_EQ(height == 360, app.getPlayScreen() != nullptr);
            EXPECT_EQ(nullptr, app.getPauseMenuScreen());
            expectServices(true);
        }
        expectServices(false);
        shutdownPlatform();
    }
}

TEST(VideoModeChoice, ExplicitModeNeedsExactlyThreeGoodArguments) {
    VideoMode mode = {0, 0, false};
    auto parse = [&mode](std::initializer_list<const char*> args) {
        std::vector<char*> argv = {const_cast<char*>("quendralvoss")};
        for (const char* a : args) argv.push_back(const_cast<char*>(a));
        return parseVideoModeArguments(static_cast<int>(argv.size()), argv.data(), mode);
    };
    EXPECT_TRUE(parse({"w", "1280", "720"}));
    EXPECT_EQ(1280, mode.width);
    EXPECT_FALSE(mode.fullscreen);
    EXPECT_TRUE(parse({"f", "1920", "1080"}));
    EXPECT_TRUE(mode.fullscreen);
    EXPECT_TRUE(parse({"w", "320", "240"}));
    EXPECT_TRUE(parse({"w", "7680", "4320"}));
    EXPECT_TRUE(parse({"w", "1280abc", "720"}));
    EXPECT_EQ(1280, mode.width);

    EXPECT_FALSE(parse({"W", "1280", "720"}));
    EXPECT_FALSE(parse({"wx", "1280", "720"}));
    EXPECT_FALSE(parse({"f", "1280"}));
    EXPECT_FALSE(parse({"w", "1280", "720", "x"}));
    EXPECT_FALSE(parse({"w", "319", "720"}));
    EXPECT_FALSE(parse({"w", "7681", "720"}));
    EXPECT_FALSE(parse({"w", "1280", "239"}));
    EXPECT_FALSE(parse({"w", "1280", "4321"}));
    EXPECT_FALSE(parse({"w", "wide", "720"}));
    // Numbers past the range of int must not wrap into the accepted range.
    EXPECT_FALSE(parse({"w", "4294968576", "720"}));
    EXPECT_FALSE(parse({"w", "99999999999999999999999", "720"}));
}

TEST(VideoModeChoice, BuiltInListEndsWithTheTwoWindows) {
    EXPECT_EQ(3840, kBuiltInVideoModes[0].width);
    EXPECT_TRUE(kBuiltInVideoModes[24].fullscreen);
    EXPECT_EQ(320, kBuiltInVideoModes[24].width);
    EXPECT_FALSE(kBuiltInVideoModes[25].fullscreen);
    EXPECT_EQ(450, kBuiltInVideoModes[25].height);
    EXPECT_EQ(640, kBuiltInVideoModes[26].width);
}

// The programs themselves: without any display no mode opens and the program
// ends with 1 before building anything, saying why in one line on standard
// error (the German program in German).
TEST(Program, NoDisplayExitsWithOne) {
    const char* build = QV_BUILD_DIR;
    TestDirectory dir;
    for (const char* program : {"quendralvoss", "quendralvoss-de"}) {
        SCOPED_TRACE(program);
        const std::string command = std::string("env -u DISPLAY SDL_VIDEODRIVER=x11 ") + build + "/" + program +
                                    " w 800 450 > out.txt 2> err.txt";
        const int status = system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(1, WEXITSTATUS(status));
        const std::vector<uint8_t> err = readFileBytes("err.txt");
        const std::string said(err.begin(), err.end());
        const std::string english = std::string(text::kErrorNoVideoMode) + "\n";
        if (std::string(program) == "quendralvoss") {
            EXPECT_EQ(english, said);
        } else {
            EXPECT_NE(english, said);
            EXPECT_EQ(0u, said.find("quendralvoss: "));
            EXPECT_EQ(said.size() - 1, said.find('\n'));
        }
        struct stat info;
        EXPECT_NE(0, stat("app.log", &info));
    }
}
