#ifndef QUENDRALVOSS_ENGINE_STENCIL_H
#define QUENDRALVOSS_ENGINE_STENCIL_H

// A one-bit stencil mask over the stencil buffer that the video mode asks for.

// Clears the stencil and marks what is drawn next as the mask, writing no
// colour or depth.
void stencilBeginMask();
// Restores colour and depth writes; what is drawn next shows only inside the
// mask.
void stencilUseMask();
// Stencil test off; colour and depth writes on.
void stencilEnd();

#endif
