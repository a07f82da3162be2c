#include "app/OverlayQuad.h"

#include <SDL_opengl.h>

#include "engine/ScreenSize2D.h"

void drawOverlayQuad(float left, float bottom, float right, float top) {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, left, bottom);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(0.0f, right, bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(0.0f, right, top);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, left, top);
    glEnd();
}

void drawFullOverlayQuad() { drawOverlayQuad(0.0f, 0.0f, gScreenSize2D->width, gScreenSize2D->height); }
