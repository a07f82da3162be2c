#ifndef QUENDRALVOSS_CONTENT_COSTUMEFIGURE_H
#define QUENDRALVOSS_CONTENT_COSTUMEFIGURE_H

#include "content/Figure.h"

// The player's three costumes as one figure whose shape is set per costume
// on the same triangle list, so the costumes morph into each other vertex by
// vertex: 0 death (hooded robe, scythe), 1 ghost (a sheet with eye holes),
// 2 werewolf (furred body, muzzle and ears). Built facing +X, feet at local
// z `ground`, `height` tall, rigged like every figure.
Figure buildCostumeFigure(int costume, float height, float ground);

#endif
