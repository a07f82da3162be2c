#ifndef QUENDRALVOSS_PLAY_GROUNDGRID_H
#define QUENDRALVOSS_PLAY_GROUNDGRID_H

#include <cstdint>

#include "engine/Vec3.h"

// The rippling surface of room 2: an 80 x 80 grid of points at one height
// that springs back to flat, spreads disturbances and is driven at a small
// source region. Only its fields stand here so far, for the answers that move
// the source; building, stepping and drawing it come with the room effects.
class GroundGrid {
public:
    static const int32_t kCells = 80;

    Vec3 restPoints[kCells][kCells];
    Vec3 points[kCells][kCells];
    Vec3 velocities[kCells][kCells];
    bool fixed[kCells][kCells];
    bool visible[kCells][kCells];
    Vec3 lastPlayerPosition;
    float time = 0.0f;
    int32_t sourceRow = 0;     // first index of the source centre
    int32_t sourceColumn = 0;  // second index of the source centre
    int32_t sourceRadius = 0;  // half size of the source square in cells; 0: none
    float sourceFrequency = 0.0f;
    float sourceAmplitude = 0.0f;
    float sourceOffset = 0.0f;  // height offset of the source region
};

#endif
