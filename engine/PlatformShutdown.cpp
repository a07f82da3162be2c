// Kept apart from Platform.cpp: shut-down is the one platform step that needs
// the font registry, and only the programs themselves shut the platform down.
#include "engine/Platform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "engine/FontRegistry.h"

void shutdownPlatform() {
    purgeUnusedFonts();
    Mix_CloseAudio();
    SDL_Quit();
}
