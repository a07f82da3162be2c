#ifndef QUENDRALVOSS_TESTS_DESKTOPSIZE_H
#define QUENDRALVOSS_TESTS_DESKTOPSIZE_H

#include <SDL.h>

// The size of the display's desktop as SDL reports it before any mode is set;
// SDL's video is started for the question and SDL quit again. False when the
// video does not start.
inline bool desktopSize(int& width, int& height) {
    if (SDL_Init(SDL_INIT_VIDEO) == -1) {
        return false;
    }
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    width = info->current_w;
    height = info->current_h;
    SDL_Quit();
    return true;
}

#endif
