#ifndef QUENDRALVOSS_TESTS_GLTESTWINDOW_H
#define QUENDRALVOSS_TESTS_GLTESTWINDOW_H

// Opens the game's window the way the game does (initVideo) for tests that
// draw, and reads pixels back.
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdint>
#include <vector>

#include "engine/Platform.h"

struct Rgb {
    int r;
    int g;
    int b;
};

// The colour of window pixel (x, y), y counted from the bottom.
inline Rgb readPixel(int x, int y) {
    glFinish();
    uint8_t p[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return Rgb{p[0], p[1], p[2]};
}

// Every pixel of a width x height window, as RGBA bytes.
inline std::vector<uint8_t> readWindow(int width, int height) {
    glFinish();
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 4));
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

inline bool isRed(const Rgb& c) { return c.r > 200 && c.g < 50 && c.b < 50; }

#endif
