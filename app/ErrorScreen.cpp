#include "app/ErrorScreen.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/StrokeFont.h"
#include "engine/FrameTimer.h"
#include "engine/KeyState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

void ErrorScreen::enterErrorScreen() {
    gScreenSize2D->width = 32.0f;
    gScreenSize2D->height = 24.0f;
    gKeyState->release(SDLK_ESCAPE);
    gMusic->restart();
    gFrameTimer->fps = 10.0f;
    glDisable(GL_CULL_FACE);
}

void ErrorScreen::updateErrorScreen(float) {
    if (gKeyState->isDown(SDLK_ESCAPE)) {
        gKeyState->release(SDLK_ESCAPE);
        gGameState = kGameStateErrorExit;
        return;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gScreenSize2D->apply();
    // The error may have come in the middle of a textured drawing.
    unbindTexture();
    applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 32.0f, 0.0f);
    glVertex3f(0.0f, 32.0f, 24.0f);
    glVertex3f(0.0f, 0.0f, 24.0f);
    glEnd();
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    drawStrokeText(gFatalErrorText);
    presentFrame();
}

void ErrorScreen::leaveErrorScreen() {}
