#ifndef QUENDRALVOSS_PLAY_GLOWSPRITE_H
#define QUENDRALVOSS_PLAY_GLOWSPRITE_H

#include <cstdint>

#include "engine/Vec3.h"

class Texture;

// A small flickering light pinned to a vertex of a scene object's mesh: a
// camera-facing quad drawn additively, with a soft drifting halo, faded in over
// its first two seconds and out with distance beyond the fog end. Its owner
// (the scene object) advances, draws and frees it.
class GlowSprite {
public:
    // Null textures; createGlowSprite takes them.
    GlowSprite();
    // Gives back any textures still held.
    ~GlowSprite();
    GlowSprite(const GlowSprite&) = delete;
    GlowSprite& operator=(const GlowSprite&) = delete;

    // The defaults: the glow spot (quad) and glow halo pictures, vertex -1,
    // extent (0.25, 0.3, 0.6), white, no fade-in yet, no blink, no cycling.
    void createGlowSprite();
    // Gives back both textures (the owner deletes the sprite afterwards).
    void freeGlowSprite();
    // Replaces the quad's / the halo's texture by texture n.
    void setGlowSpriteTexture(int32_t n);
    void setGlowSpriteHaloTexture(int32_t n);
    // Clock, fade-in (0.5 a second up to 1) and colour cycling.
    void advanceGlowSprite(float dt);
    // Draws quad and halo at vertex (model space) turned by objectRotation and
    // moved by objectPosition, facing gCamera. Leaves the matrix as it was.
    void drawGlowSprite(const Vec3& objectPosition, const Vec3& objectRotation, const Vec3& vertex);

    // The blink factor 0..1 at the sprite's present time.
    float blinkFactor() const;

    Texture* spriteTexture;
    Texture* haloTexture;
    int32_t vertexIndex;
    Vec3 quadExtent;  // x: forward offset; y, z: half width, half height
    float colour[4];
    float fadeIn;
    float time;
    float blinkPeriod;
    float blinkEdge;
    bool colourCycling;
};

#endif
