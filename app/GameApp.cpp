#include "app/GameApp.h"

#include <SDL.h>

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
}  // namespace

GameApp::GameApp()
    : errorScreen(nullptr), playScreen(nullptr), pauseMenuScreen(nullptr), mainMenuScreen(nullptr), splashScreen(nullptr),
      introScreen(nullptr), controllerSetupScreen(nullptr), endingScreen(nullptr) {
    installFatalErrorHandler();
    gCamera = new Camera();
    gCamera->setAspect(gScreenWidth, gScreenHeight);
    gScreenSize2D = new ScreenSize2D();
    gScreenSize2D->width = 48.0f;
    gScreenSize2D->height = 36.0f;
    gKeyState = new KeyState();
    gMouseState = new MouseState();
    gMouseState->setGrab(true);
    gJoystickState = new JoystickState(0);
    gMainLight = new Light();
    gMusic = new Music();
    gResourceCache = new ResourceCache();
    gFrameTimer = new FrameTimer();
    gFrameTimer->fps = 60.0f;
    gFrameTimer->maxDt = 0.045f;
    gFatalErrorText.clear();

    errorScreen = new ErrorScreen();
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
    playScreen = new PlayScreen();
    if (gGameState == kGameStateError) return;
    pauseMenuScreen = new PauseMenuScreen();
    if (gGameState == kGameStateError) return;
    mainMenuScreen = new MainMenuScreen();
    if (gGameState == kGameStateError) return;
    splashScreen = new SplashScreen();
    if (gGameState == kGameStateError) return;
    introScreen = new IntroScreen();
    if (gGameState == kGameStateError) return;
    controllerSetupScreen = new ControllerSetupScreen();
    if (gGameState == kGameStateError) return;
    endingScreen = new EndingScreen();
}

GameApp::~GameApp() {
    delete errorScreen;
    delete playScreen;
    delete pauseMenuScreen;
    delete mainMenuScreen;
    delete splashScreen;
    delete introScreen;
    delete controllerSetupScreen;
    delete endingScreen;

    delete gCamera;
    gCamera = nullptr;
    delete gScreenSize2D;
    gScreenSize2D = nullptr;
    delete gKeyState;
    gKeyState = nullptr;
    delete gMouseState;
    gMouseState = nullptr;
    delete gJoystickState;
    gJoystickState = nullptr;
    delete gMainLight;
    gMainLight = nullptr;
    delete gMusic;
    gMusic = nullptr;
    gResourceCache->purgeUnused();
    delete gResourceCache;
    gResourceCache = nullptr;
    delete gFrameTimer;
    gFrameTimer = nullptr;
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

void GameApp::enterScreen(int32_t state) {
    switch (state) {
    case kGameStateError:
        errorScreen->enterErrorScreen();
        break;
    case kGameStatePlay:
        if (playScreen) playScreen->enterPlayScreen();
        break;
    case kGameStatePauseMenu:
        if (pauseMenuScreen) pauseMenuScreen->enterPauseMenuScreen();
        break;
    case kGameStateMainMenu:
        if (mainMenuScreen) mainMenuScreen->enterMainMenuScreen();
        break;
    case kGameStateSplash:
        if (splashScreen) splashScreen->enterSplashScreen();
        break;
    case kGameStateIntro:
        if (introScreen) introScreen->enterIntroScreen();
        break;
    case kGameStateControllerSetup:
        if (controllerSetupScreen) controllerSetupScreen->enterControllerSetupScreen();
        break;
    case kGameStateEnding:
        if (endingScreen) endingScreen->enterEndingScreen();
        break;
    default:
        break;
    }
}

void GameApp::updateScreen(int32_t state, float dt) {
    switch (state) {
    case kGameStateError:
        errorScreen->updateErrorScreen(dt);
        break;
    case kGameStatePlay:
        if (playScreen) playScreen->updatePlayScreen(dt);
        break;
    case kGameStatePauseMenu:
        if (pauseMenuScreen) pauseMenuScreen->updatePauseMenuScreen(dt);
        break;
    case kGameStateMainMenu:
        if (mainMenuScreen) mainMenuScreen->updateMainMenuScreen(dt);
        break;
    case kGameStateSplash:
        if (splashScreen) splashScreen->updateSplashScreen(dt);
        break;
    case kGameStateIntro:
        if (introScreen) introScreen->updateIntroScreen(dt);
        break;
    case kGameStateControllerSetup:
        if (controllerSetupScreen) controllerSetupScreen->updateControllerSetupScreen(dt);
        break;
    case kGameStateEnding:
        if (endingScreen) endingScreen->updateEndingScreen(dt);
        break;
    default:
        break;
    }
}

void GameApp::leaveScreen(int32_t state) {
    switch (state) {
    case kGameStateError:
        errorScreen->leaveErrorScreen();
        break;
    case kGameStatePlay:
        if (playScreen) playScreen->leavePlayScreen();
        break;
    case kGameStatePauseMenu:
        if (pauseMenuScreen) pauseMenuScreen->leavePauseMenuScreen();
        break;
    case kGameStateMainMenu:
        if (mainMenuScreen) mainMenuScreen->leaveMainMenuScreen();
        break;
    case kGameStateSplash:
        if (splashScreen) splashScreen->leaveSplashScreen();
        break;
    case kGameStateIntro:
        if (introScreen) introScreen->leaveIntroScreen();
        break;
    case kGameStateControllerSetup:
        if (controllerSetupScreen) controllerSetupScreen->leaveControllerSetupScreen();
        break;
    case kGameStateEnding:
        if (endingScreen) endingScreen->leaveEndingScreen();
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
    updateScreen(previous, dt);
    if (gGameState != previous) {
        leaveScreen(previous);
        const int32_t next = gGameState;
        enterScreen(next);
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
