#ifndef QUENDRALVOSS_APP_GAMEAPP_H
#define QUENDRALVOSS_APP_GAMEAPP_H

#include <cstdint>

class ControllerSetupScreen;
class EndingScreen;
class ErrorScreen;
class IntroScreen;
class MainMenuScreen;
class PlayScreen;
class PauseMenuScreen;
class SplashScreen;

// The spine of the program: creates the engine services and the screens, runs
// the one loop that paces frames, routes SDL events to the device states and
// runs the screen that GameState selects, and tears everything down.
class GameApp {
public:
    // Creates the services, opens audio, checks the aspect ratio, builds the
    // screens and enters the splash, or the error screen after a fatal error.
    GameApp();
    // Frees the screens, then the services in the order they were created.
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Runs frames until a quit: true for a normal quit (GameState 1 or the
    // window closed), false for the exit after the error screen.
    bool runGameApp();
    // One frame of the loop: tick, events, the current screen and any screen
    // change. True when the loop must end, with normalQuit telling how.
    bool runFrame(bool& normalQuit);
    // The screens (each null until built), for looking into them from
    // outside the loop.
    PlayScreen* getPlayScreen() const { return playScreen; }
    MainMenuScreen* getMainMenuScreen() const { return mainMenuScreen; }
    IntroScreen* getIntroScreen() const { return introScreen; }
    PauseMenuScreen* getPauseMenuScreen() const { return pauseMenuScreen; }
    EndingScreen* getEndingScreen() const { return endingScreen; }

private:
    // Drains the SDL queue into the device states; false on a quit event.
    bool drainEvents();
    void enterScreen(int32_t state);
    void updateScreen(int32_t state, float dt);
    void leaveScreen(int32_t state);

    // Builds the screens other than the error screen, in the order pause
    // menu, main menu, splash, intro, controller set-up, ending, stopping as
    // soon as one raised a fatal error.
    void buildScreens();

    // The screens, each null until built, in the order they are freed.
    ErrorScreen* errorScreen;
    PlayScreen* playScreen;
    PauseMenuScreen* pauseMenuScreen;
    MainMenuScreen* mainMenuScreen;
    SplashScreen* splashScreen;
    IntroScreen* introScreen;
    ControllerSetupScreen* controllerSetupScreen;
    EndingScreen* endingScreen;
};

// The hand-over flags through which screens pass requests and results; the
// play screen acts on them at the start of its next frame. All 0 at start.
extern uint8_t gControllerSetupDone;
extern uint8_t gSetupThenIntro;
extern uint8_t gNewGameRequest;
extern uint8_t gLoadRequest;
extern uint8_t gSaveRequest;
extern uint8_t gSavedOk;
extern uint8_t gSaveFailed;
extern uint8_t gSaveAllowed;

#endif
