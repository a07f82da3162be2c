#ifndef QUENDRALVOSS_PLAY_GROUNDGRID_H
#define QUENDRALVOSS_PLAY_GROUNDGRID_H

#include <cstdint>

#include "engine/Vec3.h"

class ViewFrustum;

// The rippling surface of room 2: an 80 x 80 grid of points at one height
// that springs back to flat, spreads disturbances to its neighbours, is driven
// at a small source region and pushed down where the player wades through it.
// Points beyond radius 5 of the origin, at four posts and at the centre never
// move. Large (three planes of 6,400 points): allocate it on the heap.
class GroundGrid {
public:
    static const int32_t kCells = 80;

    // A flat grid at the origin with no source; constructGroundGrid places it.
    GroundGrid();

    // Builds the flat grid from (x0, y0, z0) over size s with its fixed and
    // visible flags; the source fields and the clock 0. Cannot fail.
    void constructGroundGrid(float x0, float y0, float z0, float s);
    // Sets the ripple source: its centre cell, half size in cells (0: none),
    // frequency, amplitude and the source region's height offset.
    void setSource(int32_t row, int32_t column, int32_t radius, float frequency, float amplitude, float offset);
    // The grid holds no resources: nothing to give back; the owner deletes it.
    void destroyGroundGrid();
    // One step with the player's feet at (px, py, pz): source, spreading,
    // spring back, wading. Allocates nothing.
    void animateGroundGrid(float px, float py, float pz, float dt);
    // The visible cells as grey quads, lighter where raised, darker where low;
    // none when every visible cell lies wholly outside view (none could show).
    void drawGroundGrid(const ViewFrustum& view) const;
    // The point nearest to (u, v) in grid fractions, indices clamped to 0..79.
    Vec3 sampleGroundGrid(float u, float v) const;

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
