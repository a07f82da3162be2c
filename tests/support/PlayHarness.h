#ifndef QUENDRALVOSS_TESTS_PLAYHARNESS_H
#define QUENDRALVOSS_TESTS_PLAYHARNESS_H

// What the play tests share on top of the screen harness: the road from the
// main menu through the intro into play, frames at exactly 60 a second,
// held keys, and a marker in the back buffer that tells whether a frame drew.
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/GameState.h"
#include "play/PlayScreen.h"
#include "support/ScreenHarness.h"

namespace playtest {

using screentest::ScreenSession;

inline PlayScreen& play(ScreenSession& s) { return *s.app->getPlayScreen(); }

// Splash skipped, "new game", the eight intro pages confirmed with the costume
// left at its first choice (ghost), then the first frame of play, which
// starts the new game.
inline bool reachPlayByNewGame(ScreenSession& s) {
    s.start();
    s.tap(SDLK_ESCAPE);
    s.frames(40);
    s.tap(SDLK_RETURN);
    if (gGameState != kGameStateIntro) return false;
    s.frames(120);
    s.tap(SDLK_RETURN);
    for (int page = 2; page <= 8; ++page) {
        s.frames(50);
        s.tap(SDLK_RETURN);
    }
    if (!s.runUntil(kGameStatePlay, 200)) return false;
    s.frames(1);
    return gGameState == kGameStatePlay && gNewGameRequest == 0;
}

// Frames of 17, 17 and 16 ms in turn: every 60 frames take one second.
inline bool framesAt60(ScreenSession& s, int count) {
    static const uint32_t kSteps[3] = {17, 17, 16};
    static int next = 0;
    for (int i = 0; i < count; ++i) {
        if (s.frames(1, kSteps[next])) return true;
        next = (next + 1) % 3;
    }
    return false;
}

inline void holdKey(SDLKey sym, bool down) { screentest::pushKey(sym, down); }

// Plays frames, confirming every answer once it stands open, until the player
// has been in control of a faded-in room for three frames; false when that
// does not happen within limit frames or the game leaves play.
inline bool playUntilInControl(ScreenSession& s, int limit = 2000) {
    PlayScreen& p = *s.app->getPlayScreen();
    int quiet = 0;
    bool held = false;
    for (int i = 0; i < limit && gGameState == kGameStatePlay; ++i) {
        quiet = p.isPlayerInControl() && p.view.roomFade >= 1.0f && !held ? quiet + 1 : 0;
        if (quiet >= 3) return true;
        if ((p.answerPanel.openness == 1.0f && p.answerPanel.targetOpenness == 1.0f) || held) {
            screentest::pushKey(SDLK_RETURN, !held);
            held = !held;
        }
        s.frames(1);
    }
    return false;
}

// Paints the back buffer magenta; a frame that draws replaces it.
inline void markBackBuffer() {
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
inline bool backBufferStillMarked() {
    const screentest::Rgb c = screentest::pixelAt(24.0f, 18.0f);
    return c.r == 255 && c.g == 0 && c.b == 255;
}

// The 4-byte little-endian words of a file.
inline std::vector<uint32_t> fileWords(const std::string& path) {
    const std::vector<uint8_t> bytes = readFileBytes(path);
    std::vector<uint32_t> words;
    for (size_t k = 0; k + 3 < bytes.size(); k += 4) {
        words.push_back(static_cast<uint32_t>(bytes[k]) | static_cast<uint32_t>(bytes[k + 1]) << 8 |
                        static_cast<uint32_t>(bytes[k + 2]) << 16 | static_cast<uint32_t>(bytes[k + 3]) << 24);
    }
    return words;
}
inline void writeWords(const std::string& path, const std::vector<uint32_t>& words) {
    std::vector<uint8_t> bytes;
    for (uint32_t w : words) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(w >> (8 * i)));
    }
    writeFileBytes(path, bytes);
}

}  // namespace playtest

#endif
