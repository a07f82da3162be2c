#ifndef QUENDRALVOSS_TESTS_PNGDATA_H
#define QUENDRALVOSS_TESTS_PNGDATA_H

#include <cstdint>
#include <vector>

#include "support/PictureFiles.h"

// A width x height RGBA PNG filled with one colour, written with stored
// (uncompressed) deflate blocks so that no compressor is needed.
inline std::vector<uint8_t> makePngBytes(uint32_t width, uint32_t height, uint8_t r, uint8_t g, uint8_t b,
                                         uint8_t a) {
    std::vector<uint8_t> pixels;
    for (uint32_t i = 0; i < width * height; ++i) {
        pixels.insert(pixels.end(), {r, g, b, a});
    }
    return makePng(static_cast<int>(width), static_cast<int>(height), pngRgba, pixels);
}

#endif
