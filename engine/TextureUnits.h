#ifndef QUENDRALVOSS_ENGINE_TEXTUREUNITS_H
#define QUENDRALVOSS_ENGINE_TEXTUREUNITS_H

#include <cstdint>

class Texture;

// Texture units beyond the first, for drawing in one pass what would take
// several with blending, through the OpenGL 1.3 combiners. Every operation
// leaves unit 0 the active unit.

// The units the combiners can use: 1 below OpenGL 1.3 (or before a context
// is open), else GL_MAX_TEXTURE_UNITS.
int32_t textureUnitCount();

// Unit 1: texture (with a GL name) bound and on, sphere-map coordinates, the
// colour mixed as weight x texture + (1 - weight) x what unit 0 gives; alpha
// from unit 0. The same colour as drawing the texture again over the mesh,
// blended at alpha weight, up to rounding.
void bindSecondTextureUnit(const Texture& texture, float weight);

// Unit 1 off again: texturing and coordinate generation off, the plain
// modulating mode back.
void unbindSecondTextureUnit();

// Makes unit (0, 1, ...) active with texture (with a GL name) bound and on;
// the caller sets its combiners and then activates unit 0 again.
void bindTextureOnUnit(int32_t unit, const Texture& texture);

// Units 1 to last off, in the plain modulating mode; unit 0 active.
void resetTextureUnits(int32_t last);

#endif
