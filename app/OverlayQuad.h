#ifndef QUENDRALVOSS_APP_OVERLAYQUAD_H
#define QUENDRALVOSS_APP_OVERLAYQUAD_H

// One quad on the 2D overlay from (left, bottom) to (right, top) in (right,
// up) units, showing a whole picture upright: texture coordinate (0, 1) at the
// lower left, (1, 0) at the upper right. Colour and texture are the caller's.
void drawOverlayQuad(float left, float bottom, float right, float top);

// The same quad over the whole 48 x 36 overlay (gScreenSize2D's size).
void drawFullOverlayQuad();

#endif
