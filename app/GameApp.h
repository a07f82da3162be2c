#ifndef QUENDRALVOSS_APP_GAMEAPP_H
#define QUENDRALVOSS_APP_GAMEAPP_H

#include <cstdint>
#include <memory>

class Camera;
class ControllerSetupScreen;
class EndingScreen;
class ErrorScreen;
class FrameTimer;
class IntroScreen;
class JoystickState;
class KeyState;
class Light;
class MainMenuScreen;
class MouseState;
class Music;
class PlayScreen;
class PauseMenuScreen;
class ResourceCache;
class ScreenSize2D;
class SplashScreen;

// The spine of the program: creates the engine services and the screens, runs
// the one loop that paces frames, routes SDL events to the device states and
// runs the screen that GameState selects, and tears everything down.
class GameApp {
public:
    // Creates the services (owned here, reached through their globals such as
    // gCamera and gMusic), opens audio, checks the aspect ratio, builds the
    // screens and enters the splash, or the error screen after a fatal error.
    GameApp();
    // Frees the screens, then the services in the order they were created,
    // setting each service's global to null as it goes.
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
    PlayScreen* getPlayScreen() const { return playScreen.get(); }
    MainMenuScreen* getMainMenuScreen() const { return mainMenuScreen.get(); }
    IntroScreen* getIntroScreen() const { return introScreen.get(); }
    PauseMenuScreen* getPauseMenuScreen() const { return pauseMenuScreen.get(); }
    EndingScreen* getEndingScreen() const { return endingScreen.get(); }

    // Which of its three operations a screen is asked to run.
    enum class ScreenOperation { Enter, Update, Leave };

private:
    // Drains the SDL queue into the device states; false on a quit event.
    bool drainEvents();
    // The one switch on GameState: runs operation on the screen of state (dt
    // only for an update); a state without a screen does nothing.
    void runScreen(int32_t state, ScreenOperation operation, float dt);

    // Builds the screens other than the error screen, in the order pause
    // menu, main menu, splash, intro, controller set-up, ending, stopping as
    // soon as one raised a fatal error.
    void buildScreens();

    // The engine services, in the order they are created and freed.
    std::unique_ptr<Camera> camera;
    std::unique_ptr<ScreenSize2D> screenSize2D;
    std::unique_ptr<KeyState> keyState;
    std::unique_ptr<MouseState> mouseState;
    std::unique_ptr<JoystickState> joystickState;
    std::unique_ptr<Light> mainLight;
    std::unique_ptr<Music> music;
    std::unique_ptr<ResourceCache> resourceCache;
    std::unique_ptr<FrameTimer> frameTimer;

    // The screens, each null until built, in the order they are freed. The
    // destructor frees them and the services one by one, so the order does
    // not rest on the order of these declarations.
    std::unique_ptr<ErrorScreen> errorScreen;
    std::unique_ptr<PlayScreen> playScreen;
    std::unique_ptr<PauseMenuScreen> pauseMenuScreen;
    std::unique_ptr<MainMenuScreen> mainMenuScreen;
    std::unique_ptr<SplashScreen> splashScreen;
    std::unique_ptr<IntroScreen> introScreen;
    std::unique_ptr<ControllerSetupScreen> controllerSetupScreen;
    std::unique_ptr<EndingScreen> endingScreen;
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
