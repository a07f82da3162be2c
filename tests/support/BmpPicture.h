#ifndef QUENDRALVOSS_TESTS_BMPPICTURE_H
#define QUENDRALVOSS_TESTS_BMPPICTURE_H

#include <cstdint>
#include <vector>

// A 24-bit uncompressed BMP of width x height whose pixels are given as
// 0xRRGGBB, row by row from the top; SDL_image decodes it as an opaque picture.
inline std::vector<uint8_t> makeBmpPicture(int width, int height, const std::vector<uint32_t>& topDown) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);
    const uint32_t fileBytes = 54 + pixelBytes;
    std::vector<uint8_t> out(fileBytes, 0);
    auto put32 = [&out](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            out[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, fileBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    out[26] = 1;   // planes
    out[28] = 24;  // bits per pixel
    put32(34, pixelBytes);
    for (int row = 0; row < height; ++row) {
        // BMP stores the bottom row first, each pixel as B, G, R.
        const size_t at = 54 + static_cast<size_t>(height - 1 - row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = topDown[static_cast<size_t>(row * width + x)];
            out[at + x * 3 + 0] = static_cast<uint8_t>(rgb);
            out[at + x * 3 + 1] = static_cast<uint8_t>(rgb >> 8);
            out[at + x * 3 + 2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return out;
}

// A width x height picture of one colour.
inline std::vector<uint8_t> makePlainBmpPicture(int width, int height, uint32_t rgb) {
    return makeBmpPicture(width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), rgb));
}

#endif
