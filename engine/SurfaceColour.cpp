#include "engine/SurfaceColour.h"

#include <SDL_opengl.h>

uint8_t gColourTranslucent = 0;
uint8_t gTextureBlends = 0;

void applyBlendRule() {
    if (gColourTranslucent || gTextureBlends) {
        glEnable(GL_BLEND);
    } else {
        glDisable(GL_BLEND);
    }
}

void applyMaterial(float r, float g, float b, float a, float specular, float shininess) {
    glEnable(GL_LIGHTING);
    const GLfloat ambient[4] = {r, g, b, 1.0f};
    const GLfloat diffuse[4] = {r, g, b, a};
    const GLfloat shine[4] = {specular, specular, specular, 1.0f};
    const GLfloat emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, shine);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess * 128.0f);
    gColourTranslucent = a != 1.0f ? 1 : 0;
    applyBlendRule();
}

void applyPlainColour(float r, float g, float b, float a) {
    glDisable(GL_LIGHTING);
    glColor4f(r, g, b, a);
    gColourTranslucent = a != 1.0f ? 1 : 0;
    applyBlendRule();
}
