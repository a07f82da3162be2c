#ifndef QUENDRALVOSS_TESTS_SCREENHARNESS_H
#define QUENDRALVOSS_TESTS_SCREENHARNESS_H

// What the screen tests share: a res/ directory with small stand-ins for every
// resource the screens load, a fake clock that gives the run loop a fixed
// step, pushed SDL events and pixel read-back.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Costume.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/JoystickBindings.h"
#include "app/SaveCodec.h"
#include "engine/FrameTimer.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/PlayScreen.h"
#include "support/PlayResources.h"
#include "support/PngData.h"
#include "support/TestDirectory.h"
#include "support/OggData.h"
#include "support/WavData.h"
#include "support/WorldRecords.h"

namespace screentest {

// Fails the running test when a loaded game left the player inside an object.
// The test programs define it in AfterLoadCheck.cpp; the save fuzzer, whose
// made-up files may put the player anywhere, defines it to do nothing.
void expectPlayerClearAfterLoad(const PlayScreen& play);

inline uint32_t& fakeNow() {
    static uint32_t now = 0;
    return now;
}
inline uint32_t fakeTicks() { return fakeNow(); }
inline void fakeDelay(uint32_t milliseconds) { fakeNow() += milliseconds; }

// A one-triangle mesh with the given number of keyframes, one second apart.
inline std::vector<uint8_t> makeMeshBytes(int32_t frames) {
    std::vector<uint8_t> out = {'m', 's', 'h', '1'};
    auto i32 = [&out](int32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    };
    i32(3);
    for (int v = 0; v < 3; ++v) {
        i32(v * 5000);
        i32(v == 2 ? 10000 : 0);
    }
    i32(frames);
    for (int32_t k = 0; k < frames; ++k) {
        i32(k * 10000);
        for (int v = 0; v < 3; ++v) {
            i32(-100000);  // far behind every camera of the screens
            i32(v * 100);
            i32(v == 2 ? 100 : 0);
        }
        for (int v = 0; v < 9; ++v) out.push_back(v % 3 == 0 ? 127 : 0);
    }
    return out;
}

// The colour that identifies picture n in read-back: red n mod 256, green 200,
// blue n / 256.
inline void pictureColour(int32_t n, uint8_t& r, uint8_t& g, uint8_t& b) {
    r = static_cast<uint8_t>(n & 0xff);
    g = 200;
    b = static_cast<uint8_t>(n >> 8);
}

inline void writePicture(int32_t n, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    writeScrambledFile("res/" + std::to_string(n) + ".dat", makePngBytes(4, 4, r, g, b, a));
}

// Every resource the six screens and the overlay ask for. The font's glyph 0
// (the fallback of every code) is a solid white square, so text reads back as
// blocks in the label's colour; the fog and vignette pictures are clear.
inline void writeScreenResources() {
    writeScrambledFile("res/0/0.dat", makePngBytes(4, 4, 255, 255, 255, 255));
    writePicture(2, 255, 255, 255, 0);
    writePicture(3, 255, 255, 255, 0);
    writePicture(67, 255, 255, 255, 255);
    const int32_t plain[] = {69,  72,  74,  76,  77,  79,  84,  85,  86,  91,  97,  98,  115,
                             116, 346, 348, 349, 350, 351, 215, 216, 217, 218, 219, 220, 221,
                             222, 58,  257, 258, 259, 260, 261, 262, 263, 264, 265, 266, 267,
                             268, 269, 270, 271};
    for (int32_t n : plain) {
        uint8_t r, g, b;
        pictureColour(n, r, g, b);
        writePicture(n, r, g, b, 255);
    }
    const int32_t meshes[] = {68, 70, 71, 73, 75, 78, 80, 81, 82};
    for (int32_t n : meshes) writeScrambledFile("res/" + std::to_string(n) + ".dat", makeMeshBytes(2));
    writeScrambledFile("res/87.dat", makeMeshBytes(4));
    const int32_t sounds[] = {38, 40, 66, 277};
    for (int32_t n : sounds) writeScrambledFile("res/" + std::to_string(n) + ".dat", makeWavBytes(3000));
    const int32_t tracks[] = {1, 93, 95, 96};
    const std::vector<uint8_t> track = makeOggBytes(500);
    for (int32_t n : tracks) writeScrambledFile("res/" + std::to_string(n) + ".dat", track);
    // The play screen is built with the others and holds room 0 from then on.
    playtest::writePlayResources();
}

// A save file with the version word, the bindings block and nothing more.
inline void writeSaveFile(int32_t version, const std::vector<int32_t>& bindingWords) {
    std::vector<uint8_t> bytes;
    auto word = [&bytes](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    word(encodeSaveInt(version));
    for (int32_t w : bindingWords) word(encodeSaveInt(w));
    writeFileBytes(saveFileName(), bytes);
}

inline void pushKey(SDLKey sym, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = sym;
    SDL_PushEvent(&event);
}

inline void pushJoyButton(uint8_t button, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.which = 0;
    event.jbutton.button = button;
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&event);
}

inline void pushJoyAxis(uint8_t axis, int16_t value) {
    SDL_Event event = {};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.which = 0;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    SDL_PushEvent(&event);
}

// The colour of the last frame at (right, up) in 48 x 36 overlay units.
struct Rgb {
    int r, g, b;
};
inline Rgb pixelAt(float right, float up) {
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(static_cast<int>(right / 48.0f * gScreenWidth), static_cast<int>(up / 36.0f * gScreenHeight), 1,
                 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return Rgb{rgb[0], rgb[1], rgb[2]};
}

// The picture number that the pixel shows (see pictureColour), -1 if none.
inline int32_t pictureAt(float right, float up) {
    const Rgb c = pixelAt(right, up);
    if (c.g < 190 || c.g > 210) return -1;
    return c.r + 256 * c.b;
}

// Runs the real GameApp in a fresh directory holding the stand-in resources,
// on a window of the given size, with a clock that steps stepMs per frame.
class ScreenSession {
public:
    explicit ScreenSession(int width = 640, int height = 360, bool withResources = true) {
        if (withResources) writeScreenResources();
        gControllerSetupDone = gSetupThenIntro = gNewGameRequest = gLoadRequest = 0;
        gSaveRequest = gSavedOk = gSaveFailed = gSaveAllowed = 0;
        gCostume = -1;
        gCurrentMusicTrack = -1;
        resetJoystickBindings();
        videoOpen = initVideo("quendralvoss test", width, height, false);
    }
    ~ScreenSession() {
        delete app;
        shutdownPlatform();
    }
    ScreenSession(const ScreenSession&) = delete;
    ScreenSession& operator=(const ScreenSession&) = delete;

    // Builds the game (entering the splash) and puts in the fake clock.
    void start() {
        app = new GameApp();
        fakeNow() = 0;
        gFrameTimer->lastTicks = 0;
        gFrameTimer->setClock(fakeTicks, fakeDelay);
    }

    // Runs up to count frames of stepMs each; true when the loop ended. A
    // frame that loads a saved game into play must leave the player clear of
    // every object.
    bool frames(int count, uint32_t stepMs = 45) {
        for (int i = 0; i < count; ++i) {
            fakeNow() += stepMs;
            const bool loading = gLoadRequest != 0 && gGameState == kGameStatePlay;
            if (app->runFrame(normalQuit)) return true;
            if (loading && gLoadRequest == 0 && gGameState == kGameStatePlay) {
                expectPlayerClearAfterLoad(*app->getPlayScreen());
            }
        }
        return false;
    }

    // Runs frames until GameState is state (at most limit frames).
    bool runUntil(int32_t state, int limit = 2000, uint32_t stepMs = 45) {
        for (int i = 0; i < limit && gGameState != state; ++i) {
            if (frames(1, stepMs)) return gGameState == state;
        }
        return gGameState == state;
    }

    // A key pressed and let go, then one frame to take it.
    bool tap(SDLKey sym) {
        pushKey(sym, true);
        const bool ended = frames(1);
        pushKey(sym, false);
        return ended || frames(1);
    }

    TestDirectory dir;
    GameApp* app = nullptr;
    bool videoOpen = false;
    bool normalQuit = false;
};

}  // namespace screentest

#endif
