#ifndef QUENDRALVOSS_CONTENT_FIGUREKIT_H
#define QUENDRALVOSS_CONTENT_FIGUREKIT_H

#include "content/MeshBuilder.h"

// Shapes that characters are made of, added to a builder with its current
// bone and UV rectangle.
namespace figurekit {

// The transform that carries local +Z onto the direction from a to b, with
// the origin at a.
Transform frameAlong(V3 a, V3 b);
// A rounded, tapering limb from a (radius ra) to b (radius rb), smooth.
void limb(MeshBuilder& m, V3 a, V3 b, float ra, float rb, int segments);
// Cloth hanging about the Z axis through `centre`: rings from z `top` down
// to z `bottom`, radius topRadius growing to hemRadius, rippled into `folds`
// folds that deepen toward the hem; `ragged` cuts the hem unevenly. Depth
// (X) is `depth` times the width (Y). Both sides are drawn.
void drape(MeshBuilder& m, V3 centre, float top, float bottom, float topRadius, float hemRadius,
           int folds, float foldDepth, float ragged, float depth);
// A closed ring of tube (a belt, a hat band, a hood's rim) about Z.
void ring(MeshBuilder& m, V3 centre, float radius, float thickness, float depth, int segments);

}  // namespace figurekit

#endif
