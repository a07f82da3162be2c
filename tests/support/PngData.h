#ifndef QUENDRALVOSS_TESTS_PNGDATA_H
#define QUENDRALVOSS_TESTS_PNGDATA_H

#include <cstdint>
#include <vector>

// A width x height RGBA PNG filled with one colour, written with stored
// (uncompressed) deflate blocks so that no compressor is needed.
inline std::vector<uint8_t> makePngBytes(uint32_t width, uint32_t height, uint8_t r, uint8_t g, uint8_t b,
                                         uint8_t a) {
    auto crc32 = [](const uint8_t* data, size_t size) {
        uint32_t crc = 0xffffffffu;
        for (size_t i = 0; i < size; ++i) {
            crc ^= data[i];
            for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        return crc ^ 0xffffffffu;
    };
    std::vector<uint8_t> raw;
    for (uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (uint32_t x = 0; x < width; ++x) {
            raw.insert(raw.end(), {r, g, b, a});
        }
    }
    std::vector<uint8_t> zlib = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t len = raw.size() - offset > 65535 ? 65535 : raw.size() - offset;
        const bool last = offset + len == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<uint8_t>(len));
        zlib.push_back(static_cast<uint8_t>(len >> 8));
        zlib.push_back(static_cast<uint8_t>(~len));
        zlib.push_back(static_cast<uint8_t>(~len >> 8));
        zlib.insert(zlib.end(), raw.begin() + offset, raw.begin() + offset + len);
        offset += len;
    } while (offset < raw.size());
    uint32_t s1 = 1, s2 = 0;
    for (uint8_t byte : raw) {
        s1 = (s1 + byte) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    const uint32_t adler = (s2 << 16) | s1;
    for (int i = 3; i >= 0; --i) zlib.push_back(static_cast<uint8_t>(adler >> (8 * i)));

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    auto chunk = [&out, &crc32](const char* type, const std::vector<uint8_t>& data) {
        const uint32_t len = static_cast<uint32_t>(data.size());
        for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(len >> (8 * i)));
        std::vector<uint8_t> body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        out.insert(out.end(), body.begin(), body.end());
        const uint32_t crc = crc32(body.data(), body.size());
        for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(crc >> (8 * i)));
    };
    std::vector<uint8_t> header;
    for (uint32_t v : {width, height}) {
        for (int i = 3; i >= 0; --i) header.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
    chunk("IHDR", header);
    chunk("IDAT", zlib);
    chunk("IEND", {});
    return out;
}

#endif
