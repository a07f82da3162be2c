#ifndef QUENDRALVOSS_TESTS_PICTUREFILES_H
#define QUENDRALVOSS_TESTS_PICTUREFILES_H

// Tiny picture files written by hand, so the tests can feed the texture loader
// exactly the pixel layouts they mean: PNG of any 8-bit colour type (stored,
// uncompressed deflate blocks) and 24-bit BMP.
#include <cstdint>
#include <string>
#include <vector>

namespace picture_files {

inline void putBe32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

inline void putLe16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void putLe32(std::vector<uint8_t>& out, uint32_t v) {
    putLe16(out, v & 0xffffu);
    putLe16(out, v >> 16);
}

inline uint32_t crc32(const uint8_t* data, size_t n) {
    uint32_t crc = 0xffffffffu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

inline void putChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    putBe32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBe32(out, crc32(body.data(), body.size()));
}

}  // namespace picture_files

enum PngColourType { pngGrey = 0, pngRgb = 2, pngPalette = 3, pngGreyAlpha = 4, pngRgba = 6 };

// A PNG of 8-bit samples; pixels holds the rows top to bottom without
// padding. palette (RGB triples) and transparency (tRNS bytes) are optional.
inline std::vector<uint8_t> makePng(int width, int height, PngColourType type, const std::vector<uint8_t>& pixels,
                                    const std::vector<uint8_t>& palette = {},
                                    const std::vector<uint8_t>& transparency = {}) {
    using namespace picture_files;
    const int channels = type == pngRgb ? 3 : type == pngRgba ? 4 : type == pngGreyAlpha ? 2 : 1;
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> header;
    putBe32(header, static_cast<uint32_t>(width));
    putBe32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, static_cast<uint8_t>(type), 0, 0, 0});
    putChunk(out, "IHDR", header);
    if (!palette.empty()) {
        putChunk(out, "PLTE", palette);
    }
    if (!transparency.empty()) {
        putChunk(out, "tRNS", transparency);
    }
    std::vector<uint8_t> raw;
    const size_t row = static_cast<size_t>(width * channels);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), pixels.begin() + static_cast<long>(y * row), pixels.begin() + static_cast<long>((y + 1) * row));
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t done = 0;
    do {
        const size_t n = raw.size() - done < 65535 ? raw.size() - done : 65535;
        z.push_back(done + n == raw.size() ? 1 : 0);
        putLe16(z, static_cast<uint32_t>(n));
        putLe16(z, static_cast<uint32_t>(~n & 0xffffu));
        z.insert(z.end(), raw.begin() + static_cast<long>(done), raw.begin() + static_cast<long>(done + n));
        done += n;
    } while (done < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBe32(z, (b << 16) | a);
    putChunk(out, "IDAT", z);
    putChunk(out, "IEND", {});
    return out;
}

// A 24-bit BMP; pixels holds R, G, B rows top to bottom (the file stores them
// bottom-up as B, G, R).
inline std::vector<uint8_t> makeBmp24(int width, int height, const std::vector<uint8_t>& rgb) {
    using namespace picture_files;
    const uint32_t rowBytes = static_cast<uint32_t>((width * 3 + 3) & ~3);
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out = {'B', 'M'};
    putLe32(out, 54 + imageBytes);
    putLe32(out, 0);
    putLe32(out, 54);
    putLe32(out, 40);
    putLe32(out, static_cast<uint32_t>(width));
    putLe32(out, static_cast<uint32_t>(height));
    putLe16(out, 1);
    putLe16(out, 24);
    for (int k = 0; k < 6; ++k) {
        putLe32(out, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const size_t p = static_cast<size_t>((y * width + x) * 3);
            out.push_back(rgb[p + 2]);
            out.push_back(rgb[p + 1]);
            out.push_back(rgb[p]);
        }
        for (uint32_t pad = static_cast<uint32_t>(width * 3); pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

#endif
