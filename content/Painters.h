#ifndef QUENDRALVOSS_CONTENT_PAINTERS_H
#define QUENDRALVOSS_CONTENT_PAINTERS_H

#include <cstdint>

#include "content/Image.h"

// Procedural surfaces painted into a rectangle of a picture (x, y, w, h in
// pixels; the whole picture when w or h is 0). Each is seamless across its
// rectangle when the rectangle is the whole picture.
namespace paint {

struct Area {
    int x = 0, y = 0, w = 0, h = 0;
};
Area whole(const Image& image);
Area area(int x, int y, int w, int h);

// Two-colour fractal noise (cells: noise cells across the area).
void noise(Image& img, Area a, V3 dark, V3 light, int cells, int octaves, uint32_t seed);
// Wooden planks running horizontally, `planks` across the height.
void wood(Image& img, Area a, V3 base, int planks, uint32_t seed);
// Stone blocks or bricks in courses with mortar lines.
void bricks(Image& img, Area a, V3 stone, V3 mortar, int rows, int columns, uint32_t seed);
// Rough stone / earth.
void stone(Image& img, Area a, V3 base, uint32_t seed);
// Woven cloth with a fine cross pattern.
void cloth(Image& img, Area a, V3 base, int threads, uint32_t seed);
// Fur: short streaks.
void fur(Image& img, Area a, V3 base, uint32_t seed);
// Overlapping scales.
void scales(Image& img, Area a, V3 base, V3 rim, int rows);
// Vertical bands (pumpkin ribs, candy stripes).
void stripes(Image& img, Area a, V3 c0, V3 c1, int bands, bool soft);
// Vertical gradient from top colour to bottom colour.
void gradient(Image& img, Area a, V3 top, V3 bottom);
// A circular environment picture for sphere mapping: sky above, a horizon
// band and dark ground below, with a soft highlight.
void sphereMap(Image& img, V3 sky, V3 horizon, V3 ground, V3 highlight, uint32_t seed);
// The world around an object as OpenGL's sphere map sees it: the picture is
// the reflection directions in eye space, the centre toward the viewer, the
// rim straight away from it, and its top half the reflections that point
// down (texture rows start at the top). Plain white geometry drawn with it
// shows its form: faces turned up catch the sky, faces turned down the dark
// ground, faces at the horizon the surroundings' band, grazing faces a cold
// rim, and faces turned up and to the left a soft key light.
struct Environment {
    V3 zenith, skyLow;    // sky overhead and just above the horizon
    V3 band, ground;      // the surroundings at eye height, the ground below
    V3 rim, key;          // light at grazing angles; the soft highlight
    float bandWidth = 0.2f;  // half height of the band in sin(elevation)
    float clouds = 0.15f;    // how much the sky and band vary
};
void environment(Image& img, const Environment& e, uint32_t seed);
// Darkens the corners slightly, as in old prints.
void agedEdges(Image& img, Area a, float strength);

}  // namespace paint

#endif
