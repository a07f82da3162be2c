#ifndef QUENDRALVOSS_CONTENT_IMAGE_H
#define QUENDRALVOSS_CONTENT_IMAGE_H

#include <vector>

#include "content/V3.h"

// A picture being painted: width x height pixels of red, green, blue, alpha
// as floats 0..1, row 0 at the top. `hasAlpha` decides whether it is stored
// with an alpha channel (RGBA) or without (RGB).
class Image {
public:
    Image(int width, int height, bool hasAlpha);

    int width() const { return w; }
    int height() const { return h; }
    bool hasAlpha() const { return alpha; }

    // Reads and writes are wrapped into the picture (tiling).
    float* at(int x, int y);
    const float* at(int x, int y) const;
    void set(int x, int y, V3 rgb, float a = 1.0f);
    V3 rgb(int x, int y) const;
    void fill(V3 rgb, float a = 1.0f);
    // Blends colour over the pixel by coverage (also raising its alpha).
    void blend(int x, int y, V3 rgb, float coverage);
    // Filled rectangle and disc with soft one-pixel edges.
    void rect(float x0, float y0, float x1, float y1, V3 rgb, float a = 1.0f);
    void disc(float cx, float cy, float r, V3 rgb, float a = 1.0f);
    void ring(float cx, float cy, float r, float thickness, V3 rgb, float a = 1.0f);
    void line(float x0, float y0, float x1, float y1, float thickness, V3 rgb, float a = 1.0f);
    // Rounds every alpha to 0 or 1 (an alpha-tested picture).
    void cutAlpha(float threshold = 0.5f);
    // Clears a frame of the given width to transparent.
    void clearBorder(int pixels);

    // A copy scaled to the new size by nearest sampling (keeps pixel art crisp).
    Image resampled(int width, int height) const;
    // Softens the alpha channel with a 1-2-1 kernel in both directions.
    void softenAlpha();

    // 8-bit bytes, 3 or 4 per pixel, rows top to bottom.
    std::vector<unsigned char> bytes() const;

private:
    int w, h;
    bool alpha;
    std::vector<float> data;
};

#endif
