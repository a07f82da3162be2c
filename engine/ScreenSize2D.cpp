#include "engine/ScreenSize2D.h"

#include <SDL_opengl.h>

ScreenSize2D* gScreenSize2D = nullptr;

ScreenSize2D::ScreenSize2D() : width(1.0f), height(1.0f) {}

void ScreenSize2D::apply() const {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Turns the world's Y-Z plane to face the viewer: +Y right, +Z up, +X out.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_FOG);
}
