#include "app/GameApp.h"

#include <SDL.h>

#include <memory>

#include "app/ControllerSetupScreen.h"
#include "app/EndingScreen.h"
#include "app/ErrorScreen.h"
#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/IntroScreen.h"
#include "app/MainMenuScreen.h"
#include "app/PauseMenuScreen.h"
#include "app/SplashScreen.h"
#include "play/PlayScreen.h"
#include "engine/Camera.h"
#include "engine/FrameTimer.h"
#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/Light.h"
#include "engine/MouseState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ScreenSize2D.h"

uint8_t gControllerSetupDone = 0;
uint8_t gSetupThenIntro = 0;
uint8_t gNewGameRequest = 0;
uint8_t gLoadRequest = 0;
uint8_t gSaveRequest = 0;
uint8_t gSavedOk = 0;
uint8_t gSaveFailed = 0;
uint8_t gSaveAllowed = 0;

namespace {
// Ratios of width to height that the screens are laid out for (7/6 to 2).
const float kNarrowestAspect = 1.1666666f;
const float kWidestAspect = 2.0f;

// Creates a service into owner and returns it, for its global to point at.
template <typename T, typename... Args>
T* createService(std::unique_ptr<T>& owner, Args... args) {
    owner = std::make_unique<T>(args...);
    return owner.get();
}

// Calls the screen's own enter, update or leave, as operation says; a screen
// that was never built (a fatal error stopped the building) is skipped.
template <typename Screen>
void runOperation(Screen* screen, GameApp::ScreenOperation operation, float dt, void (Screen::*enter)(),
                  void (Screen::*update)(float), void (Screen::*leave)()) {
    if (!screen) return;
    switch (operation) {
    case GameApp::ScreenOperation::Enter:
        (screen->*enter)();
        break;
    case GameApp::ScreenOperation::Update:
        (screen->*update)(dt);
        break;
    case GameApp::ScreenOperation::Leave:
        (screen->*leave)();
        break;
    }
}

// Frees the service in owner, then sets its global to null.
template <typename T>
void freeService(std::unique_ptr<T>& owner, T*& global) {
    owner.reset();
    global = nullptr;
}
}  // namespace

GameApp::GameApp() {
    installFatalErrorHandler();
    gCamera = createService(camera);
    gCamera->setAspect(gScreenWidth, gScreenHeight);
    gScreenSize2D = createService(screenSize2D);
    gScreenSize2D->width = 48.0f;
    gScreenSize2D->height = 36.0f;
    gKeyState = createService(keyState);
    gMouseState = createService(mouseState);
    gMouseState->setGrab(true);
    gJoystickState = createService(joystickState, 0);
    gMainLight = createService(mainLight);
    gMusic = createService(music);
    gResourceCache = createService(resourceCache);
    gFrameTimer = createService(frameTimer);
    gFrameTimer->fps = 60.0f;
    gFrameTimer->maxDt = 0.045f;
    gFatalErrorText.clear();

    errorScreen = std::make_unique<ErrorScreen>();
    gGameState = kGameStateSplash;
    if (!openAudio()) {
        raiseFatalError(kFatalAudio, "");
    }
    const float aspect = gScreenWidth / gScreenHeight;
    if (!(aspect >= kNarrowestAspect && aspect <= kWidestAspect)) {
        raiseFatalError(kFatalAspectRatio, "");
    }
    if (gGameState != kGameStateError) {
        buildScreens();
    }
    if (gGameState != kGameStateError) {
        splashScreen->enterSplashScreen();
    }
    if (gGameState == kGameStateError) {
        errorScreen->enterErrorScreen();
    }
}

// In the order play, pause menu, main menu, splash, intro, controller set-up,
// ending, stopping at the first that raises a fatal error.
void GameApp::buildScreens() {
    playScreen = std::make_unique<PlayScreen>();
    if (gGameState == kGameStateError) return;
    pauseMenuScreen = std::make_unique<PauseMenuScreen>();
    if (gGameState == kGameStateError) return;
    mainMenuScreen = std::make_unique<MainMenuScreen>();
    if (gGameState == kGameStateError) return;
    splashScreen = std::make_unique<SplashScreen>();
    if (gGameState == kGameStateError) return;
    introScreen = std::make_unique<IntroScreen>();
    if (gGameState == kGameStateError) return;
    controllerSetupScreen = std::make_unique<ControllerSetupScreen>();
    if (gGameState == kGameStateError) return;
    endingScreen = std::make_unique<EndingScreen>();
}

GameApp::~GameApp() {
    errorScreen.reset();
    playScreen.reset();
    pauseMenuScreen.reset();
    mainMenuScreen.reset();
    splashScreen.reset();
    introScreen.reset();
    controllerSetupScreen.reset();
    endingScreen.reset();

    freeService(camera, gCamera);
    freeService(screenSize2D, gScreenSize2D);
    freeService(keyState, gKeyState);
    freeService(mouseState, gMouseState);
    freeService(joystickState, gJoystickState);
    freeService(mainLight, gMainLight);
    freeService(music, gMusic);
    gResourceCache->purgeUnused();
    freeService(resourceCache, gResourceCache);
    freeService(frameTimer, gFrameTimer);
}

bool GameApp::drainEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_ACTIVEEVENT:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            gMouseState->handleEvent(event);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            gKeyState->handleEvent(event);
            break;
        case SDL_JOYAXISMOTION:
        case SDL_JOYHATMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            gJoystickState->handleEvent(event);
            break;
        case SDL_QUIT:
            return false;
        default:
            break;
        }
    }
    return true;
}

void GameApp::runScreen(int32_t state, ScreenOperation operation, float dt) {
    switch (state) {
    case kGameStateError:
        runOperation(errorScreen.get(), operation, dt, &ErrorScreen::enterErrorScreen,
                     &ErrorScreen::updateErrorScreen, &ErrorScreen::leaveErrorScreen);
        break;
    case kGameStatePlay:
        runOperation(playScreen.get(), operation, dt, &PlayScreen::enterPlayScreen, &PlayScreen::updatePlayScreen,
                     &PlayScreen::leavePlayScreen);
        break;
    case kGameStatePauseMenu:
        runOperation(pauseMenuScreen.get(), operation, dt, &PauseMenuScreen::enterPauseMenuScreen,
                     &PauseMenuScreen::updatePauseMenuScreen, &PauseMenuScreen::leavePauseMenuScreen);
        break;
    case kGameStateMainMenu:
        runOperation(mainMenuScreen.get(), operation, dt, &MainMenuScreen::enterMainMenuScreen,
                     &MainMenuScreen::updateMainMenuScreen, &MainMenuScreen::leaveMainMenuScreen);
        break;
    case kGameStateSplash:
        runOperation(splashScreen.get(), operation, dt, &SplashScreen::enterSplashScreen,
                     &SplashScreen::updateSplashScreen, &SplashScreen::leaveSplashScreen);
        break;
    case kGameStateIntro:
        runOperation(introScreen.get(), operation, dt, &IntroScreen::enterIntroScreen,
                     &IntroScreen::updateIntroScreen, &IntroScreen::leaveIntroScreen);
        break;
    case kGameStateControllerSetup:
        runOperation(controllerSetupScreen.get(), operation, dt, &ControllerSetupScreen::enterControllerSetupScreen,
                     &ControllerSetupScreen::updateControllerSetupScreen,
                     &ControllerSetupScreen::leaveControllerSetupScreen);
        break;
    case kGameStateEnding:
        runOperation(endingScreen.get(), operation, dt, &EndingScreen::enterEndingScreen,
                     &EndingScreen::updateEndingScreen, &EndingScreen::leaveEndingScreen);
        break;
    default:
        break;
    }
}

bool GameApp::runFrame(bool& normalQuit) {
    const float dt = gFrameTimer->tick();
    if (!drainEvents()) {
        normalQuit = true;
        return true;
    }
    const int32_t previous = gGameState;
    runScreen(previous, ScreenOperation::Update, dt);
    if (gGameState != previous) {
        runScreen(previous, ScreenOperation::Leave, 0.0f);
        const int32_t next = gGameState;
        runScreen(next, ScreenOperation::Enter, 0.0f);
        // An enter that failed shows the error screen; when the new state was
        // the error screen itself it has just been entered.
        if (next != kGameStateError && gGameState == kGameStateError) {
            errorScreen->enterErrorScreen();
        }
    }
    if (gGameState == kGameStateQuit || gGameState == kGameStateErrorExit) {
        normalQuit = gGameState == kGameStateQuit;
        return true;
    }
    return false;
}

bool GameApp::runGameApp() {
    bool normalQuit = true;
    while (!runFrame(normalQuit)) {
    }
    return normalQuit;
}
