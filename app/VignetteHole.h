#ifndef QUENDRALVOSS_APP_VIGNETTEHOLE_H
#define QUENDRALVOSS_APP_VIGNETTEHOLE_H

#include <cstdint>
#include <vector>

class Texture;

// Where the vignette picture darkens nothing: a stack of rectangles in its
// texture coordinates inside which every texel that linear filtering reads has
// alpha 0. A blended quad leaves those pixels as they were, so the vignette
// can be drawn around them and give the same picture for less filling.
class VignetteHole {
public:
    // One rectangle: u across from the left, t down from the top edge.
    struct Span {
        float u0, u1;
        float t0, t1;
    };

    // Finds the rectangles from the alpha of texture's picture as OpenGL holds
    // it (read back once); none for a texture without a name or a picture
    // with no clear centre.
    void findVignetteHole(const Texture& texture);
    // The same from an alpha picture of width x height bytes, rows from the top.
    void findVignetteHole(const std::vector<uint8_t>& alpha, int32_t width, int32_t height);
    // The rectangles, from the top down, each below the one before.
    const std::vector<Span>& spans() const { return holeSpans; }

private:
    std::vector<Span> holeSpans;
};

#endif
