#include "engine/Platform.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>

#include "engine/Random.h"

uint8_t gFullscreen = 0;
float gScreenWidth = 0.0f;
float gScreenHeight = 0.0f;

namespace {

// The states that every screen relies on and that nothing switches later;
// texturing, lighting, fog and depth are left to their users.
void setFixedGlState() {
    glDisable(GL_POINT_SMOOTH);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glDisable(GL_NORMALIZE);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    // With the alpha test on, only fully transparent fragments are dropped.
    glAlphaFunc(GL_NOTEQUAL, 0.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

// Starts timer, audio, video and joystick, or the other three when audio will
// not start: classic SDL 1.2 then starts the rest by itself, sdl12-compat
// starts nothing. Either way openAudio fails later and says so on the error
// screen, in the mode that was asked for.
bool startSdl() {
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != -1) {
        return true;
    }
    return SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != -1;
}

}  // namespace

bool initVideo(const char* caption, int width, int height, bool fullscreen) {
    if (!startSdl()) {
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 1);
    const Uint32 flags = fullscreen ? (SDL_OPENGL | SDL_FULLSCREEN) : SDL_OPENGL;
    if (!SDL_SetVideoMode(width, height, 32, flags)) {
        SDL_Quit();
        return false;
    }
    gFullscreen = fullscreen ? 1 : 0;
    gScreenWidth = static_cast<float>(width);
    gScreenHeight = static_cast<float>(height);
    SDL_WM_SetCaption(caption, caption);
    if (fullscreen) {
        // In a window the mouse grab decides about the cursor.
        SDL_ShowCursor(SDL_DISABLE);
    }
    setFixedGlState();
    seedRandom();
    return true;
}

bool openAudio() {
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) != -1) {
        return true;
    }
    return Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 2048) != -1;
}

void presentFrame() {
    glFlush();
    glFinish();
    SDL_GL_SwapBuffers();
}
