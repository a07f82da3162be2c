#ifndef QUENDRALVOSS_ENGINE_SURFACECOLOUR_H
#define QUENDRALVOSS_ENGINE_SURFACECOLOUR_H

#include <cstdint>

// The blending rule shared by the colour functions and the texture binding:
// GL_BLEND is on exactly when the last colour was translucent or the bound
// texture blends.
extern uint8_t gColourTranslucent;  // last colour's alpha was not exactly 1
extern uint8_t gTextureBlends;      // the bound texture is a blended one

// Switches GL_BLEND by the rule above.
void applyBlendRule();

// Lit surface colour for front and back faces: ambient and diffuse (r, g, b),
// diffuse alpha a, grey specular, no emission, shininess 0..1 (times 128).
// Turns lighting on and updates the blending.
void applyMaterial(float r, float g, float b, float a, float specular, float shininess);

// Unlit colour (r, g, b, a): turns lighting off, sets the current colour and
// updates the blending.
void applyPlainColour(float r, float g, float b, float a);

#endif
