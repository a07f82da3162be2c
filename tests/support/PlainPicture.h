#ifndef QUENDRALVOSS_TESTS_PLAINPICTURE_H
#define QUENDRALVOSS_TESTS_PLAINPICTURE_H

#include <cstdint>
#include <vector>

#include "support/PictureFiles.h"

// An opaque RGB PNG of width x height whose pixels are given as 0xRRGGBB, row
// by row from the top.
inline std::vector<uint8_t> makePicture(int width, int height, const std::vector<uint32_t>& topDown) {
    std::vector<uint8_t> rgb;
    for (uint32_t pixel : topDown) {
        rgb.insert(rgb.end(), {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                               static_cast<uint8_t>(pixel)});
    }
    return makePng(width, height, pngRgb, rgb);
}

// A width x height picture of one colour.
inline std::vector<uint8_t> makePlainPicture(int width, int height, uint32_t rgb) {
    return makePicture(width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), rgb));
}

#endif
