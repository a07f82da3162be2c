#ifndef QUENDRALVOSS_CONTENT_FIGUREHEADS_H
#define QUENDRALVOSS_CONTENT_FIGUREHEADS_H

#include "content/Figure.h"

// The head of a two-legged figure on the Head bone: centre hc, radius hr,
// for a figure `height` tall; writes the two eye points (left, right).
void buildHead(MeshBuilder& m, const FigureStyle& style, V3 hc, float hr, float height, V3 eyes[2]);

#endif
