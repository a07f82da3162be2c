#include "engine/Light.h"

#include <SDL_opengl.h>

Light* gLightSlotOwners[kLightSlotCount] = {};
std::list<Light*> gLightWaitingList;
Light* gMainLight = nullptr;

namespace {
GLenum slotName(int32_t s) { return static_cast<GLenum>(GL_LIGHT0 + s); }
}  // namespace

Light::Light() : slot(-1), lightPosition{0.0f, 0.0f, 1.0f, 0.0f}, lightColour{1.0f, 1.0f, 1.0f}, radius(1.0f) {
    for (int32_t s = 0; s < kLightSlotCount; ++s) {
        if (!gLightSlotOwners[s]) {
            glEnable(slotName(s));
            takeSlot(s);
            return;
        }
    }
    gLightWaitingList.push_back(this);
}

Light::~Light() {
    if (slot == -1) {
        gLightWaitingList.remove(this);
        return;
    }
    if (gLightWaitingList.empty()) {
        gLightSlotOwners[slot] = nullptr;
        glDisable(slotName(slot));
        return;
    }
    // The slot stays enabled and goes to the oldest waiting light.
    Light* heir = gLightWaitingList.front();
    gLightWaitingList.pop_front();
    heir->takeSlot(slot);
}

void Light::takeSlot(int32_t s) {
    slot = s;
    gLightSlotOwners[s] = this;
    applyPosition();
    const GLfloat black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(slotName(s), GL_AMBIENT, black);
    applyColour();
    applyRadius();
}

void Light::setDirection(float x, float y, float z) {
    // OpenGL takes the direction the light comes from.
    placeAt(-x, -y, -z, 0.0f);
}

void Light::setPosition(float x, float y, float z) { placeAt(x, y, z, 1.0f); }

void Light::placeAt(float x, float y, float z, float w) {
    lightPosition[0] = x;
    lightPosition[1] = y;
    lightPosition[2] = z;
    lightPosition[3] = w;
    applyPosition();
}

void Light::setColour(float r, float g, float b) {
    lightColour[0] = r;
    lightColour[1] = g;
    lightColour[2] = b;
    applyColour();
}

void Light::setRadius(float r) {
    radius = r;
    applyRadius();
}

void Light::applyPosition() {
    if (slot != -1) {
        glLightfv(slotName(slot), GL_POSITION, lightPosition);
    }
}

void Light::applyColour() {
    if (slot == -1) {
        return;
    }
    const GLfloat diffuse[4] = {lightColour[0], lightColour[1], lightColour[2], 1.0f};
    const GLfloat specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(slotName(slot), GL_DIFFUSE, diffuse);
    glLightfv(slotName(slot), GL_SPECULAR, specular);
}

void Light::applyRadius() {
    if (slot == -1) {
        return;
    }
    // Linear attenuation 2 / radius; a radius that is not positive would
    // divide by zero or turn the light negative, so it means no attenuation.
    const GLfloat linear = radius > 0.0f ? 1.0f / (0.5f * radius) : 0.0f;
    glLightf(slotName(slot), GL_CONSTANT_ATTENUATION, radius > 0.0f ? 0.0f : 1.0f);
    glLightf(slotName(slot), GL_LINEAR_ATTENUATION, linear);
    glLightf(slotName(slot), GL_QUADRATIC_ATTENUATION, 0.0f);
}

void applyLightPositions() {
    for (int32_t s = 0; s < kLightSlotCount; ++s) {
        if (gLightSlotOwners[s]) {
            glLightfv(slotName(s), GL_POSITION, gLightSlotOwners[s]->lightPosition);
        }
    }
}

void setAmbientLight(float r, float g, float b) {
    const GLfloat ambient[4] = {r, g, b, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
}
