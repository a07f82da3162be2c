#include "tools/GameSession.h"

#include <SDL_opengl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/GameApp.h"
#include "app/GameState.h"
#include "engine/FrameTimer.h"
#include "engine/Platform.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "tools/RoomVariant.h"

namespace {

const uint32_t kStepMs = 45;

uint32_t fakeNow = 0;
uint32_t fakeTicks() { return fakeNow; }
void fakeDelay(uint32_t milliseconds) { fakeNow += milliseconds; }

}  // namespace

GameSession::GameSession(const char* programName)
    : program(programName), game(nullptr), screenWidth(0), screenHeight(0) {}

GameSession::~GameSession() {
    if (game) {
        delete game;
        shutdownPlatform();
    }
    if (!scratch.empty()) {
        unlink((scratch + "/game.sav").c_str());
        unlink((scratch + "/res").c_str());
        rmdir(scratch.c_str());
    }
}

std::string GameSession::absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char here[4096];
    return std::string(getcwd(here, sizeof here) ? here : ".") + "/" + path;
}

bool GameSession::start(const char* title, int width, int height, const std::string& res) {
    const std::string content = absolute(res);
    std::string pattern = std::string("/tmp/") + program + "-XXXXXX";
    std::vector<char> directory(pattern.begin(), pattern.end());
    directory.push_back('\0');
    if (!mkdtemp(directory.data())) {
        std::fprintf(stderr, "%s: no scratch directory\n", program);
        return false;
    }
    scratch = directory.data();
    if (chdir(scratch.c_str()) != 0 || symlink(content.c_str(), "res") != 0) {
        std::fprintf(stderr, "%s: no scratch directory\n", program);
        return false;
    }
    if (!initVideo(title, width, height, false)) {
        std::fprintf(stderr, "%s: no video mode %dx%d\n", program, width, height);
        return false;
    }
    screenWidth = width;
    screenHeight = height;
    // The same random numbers on every run, so every run draws the same.
    std::srand(1);
    game = new GameApp();
    gFrameTimer->lastTicks = 0;
    gFrameTimer->setClock(fakeTicks, fakeDelay);
    if (gGameState == kGameStateError) {
        std::fprintf(stderr, "%s: the game did not start (is %s the generated content?)\n", program,
                     content.c_str());
        return false;
    }
    return true;
}

void GameSession::frame() {
    fakeNow += kStepMs;
    bool normalQuit = false;
    if (game->runFrame(normalQuit) || gGameState == kGameStateError) {
        std::fprintf(stderr, "%s: the game left play (state %d)\n", program, gGameState);
        std::exit(1);
    }
}

void GameSession::frames(int count) {
    for (int k = 0; k < count; ++k) frame();
}

void GameSession::tap(SDLKey key) {
    for (int down = 1; down >= 0; --down) {
        SDL_Event event = {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
        frame();
    }
}

bool GameSession::enterPlay() {
    tap(SDLK_ESCAPE);
    frames(40);
    tap(SDLK_RETURN);
    frames(120);
    tap(SDLK_RETURN);
    for (int page = 2; page <= 8; ++page) {
        frames(50);
        tap(SDLK_RETURN);
    }
    for (int k = 0; k < 200 && gGameState != kGameStatePlay; ++k) frame();
    if (gGameState != kGameStatePlay) {
        std::fprintf(stderr, "%s: the intro did not lead into play\n", program);
        return false;
    }
    return true;
}

PlayScreen& GameSession::play() const { return *game->getPlayScreen(); }

void GameSession::prepareVariant(const RoomVariant& variant) {
    PlayScreen& p = play();
    p.resetPlayState();
    p.enterRoom(room::kNone);
    variant.flags(p);
}

void GameSession::buildVariant(const RoomVariant& variant) {
    PlayScreen& p = play();
    p.enterRoom(variant.room);
    p.player.position.set(variant.x, variant.y, variant.z);
    p.player.viewAngles.set(0.0f, 0.0f, 0.0f);
}

std::vector<unsigned char> GameSession::readBackBuffer() const {
    const size_t row = static_cast<size_t>(screenWidth) * 3;
    std::vector<unsigned char> bottomUp(row * screenHeight);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, screenWidth, screenHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> topDown(bottomUp.size());
    for (int y = 0; y < screenHeight; ++y) {
        std::copy(bottomUp.begin() + static_cast<long>((screenHeight - 1 - y) * row),
                  bottomUp.begin() + static_cast<long>((screenHeight - y) * row),
                  topDown.begin() + static_cast<long>(y * row));
    }
    return topDown;
}
