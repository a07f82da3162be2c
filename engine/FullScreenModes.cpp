#include "engine/FullScreenModes.h"

#include <SDL.h>

void FullScreenModes::query() {
    const Uint32 started = SDL_WasInit(SDL_INIT_EVERYTHING);
    const bool videoWasUp = (started & SDL_INIT_VIDEO) != 0;
    if (!videoWasUp && SDL_InitSubSystem(SDL_INIT_VIDEO) == -1) {
        return;
    }
    // In the display's own pixel format, the one a 32-bit mode opens in.
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_OPENGL | SDL_FULLSCREEN);
    anySize = modes == reinterpret_cast<SDL_Rect**>(-1);
    sizes.clear();
    for (int k = 0; !anySize && modes && modes[k]; ++k) {
        sizes.push_back({modes[k]->w, modes[k]->h});
    }
    if (videoWasUp) {
        return;
    }
    if (started == 0) {
        SDL_Quit();
    } else {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

bool FullScreenModes::offers(int width, int height) const {
    if (anySize) {
        return true;
    }
    for (const Size& size : sizes) {
        if (size.width >= width && size.height >= height) {
            return true;
        }
    }
    return false;
}
