#ifndef QUENDRALVOSS_PLAY_DRAWPASSES_H
#define QUENDRALVOSS_PLAY_DRAWPASSES_H

#include <cstdint>

// The parts of a play frame that a measuring tool may leave out, one bit
// each, to find what each one costs. The game leaves nothing out: only the
// benchmark sets gDrawPassesOff.
enum DrawPass : uint32_t {
    kDrawPassClear = 1u << 0,       // clearing the colour buffer (depth is still cleared)
    kDrawPassBackdrop = 1u << 1,    // the backdrop layer's sky and costume
    kDrawPassObjects = 1u << 2,     // the scene objects' main pass
    kDrawPassReflection = 1u << 3,  // the scene objects' sphere-mapped second pass
    kDrawPassGrid = 1u << 4,        // the ground grid
    kDrawPassCloth = 1u << 5,       // the cloth meshes
    kDrawPassGlow = 1u << 6,        // the glow sprites
    kDrawPassFog = 1u << 7,         // the overlay's fog layer
    kDrawPassVignette = 1u << 8,    // the overlay's vignette
    kDrawPassNoise = 1u << 9,       // the noise overlay
    kDrawPassCull = 1u << 10,       // the view cull: without it every object within reach is drawn
};

extern uint32_t gDrawPassesOff;

// Whether pass is drawn (its bit is clear in gDrawPassesOff).
inline bool isDrawPassOn(DrawPass pass) { return (gDrawPassesOff & pass) == 0; }

// The bit of a pass by its name ("fog", "grid", ...); 0 for an unknown name.
uint32_t drawPassByName(const char* name);

#endif
