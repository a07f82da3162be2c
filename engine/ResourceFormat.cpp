#include "engine/ResourceFormat.h"

#include <cstring>

namespace {

const uint32_t kLargestSide = 8192;
const uint32_t kLowestRate = 8000;
const uint32_t kHighestRate = 96000;

uint32_t bigEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

uint32_t littleEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint32_t littleEndian16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8; }

bool sameTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

bool rateAndChannelsAreSane(uint32_t rate, uint32_t channels) {
    return channels >= 1 && channels <= 2 && rate >= kLowestRate && rate <= kHighestRate;
}

// The bit depths PNG allows for each colour type.
bool validPngDepth(uint8_t colourType, uint8_t depth) {
    switch (colourType) {
    case 0:  // grey
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:  // palette
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:  // RGB
    case 4:  // grey and alpha
    case 6:  // RGBA
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

}  // namespace

bool isSafePicture(const uint8_t* bytes, uint32_t length) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!bytes || length < 8 || std::memcmp(bytes, kSignature, 8) != 0) {
        return false;
    }
    uint32_t at = 8;
    bool first = true;
    bool imageData = false;
    while (length - at >= 12) {
        const uint32_t size = bigEndian32(bytes + at);
        const uint8_t* type = bytes + at + 4;
        // The chunk, its type, length and check word all lie within the bytes.
        if (size > length - at - 12) {
            return false;
        }
        const uint8_t* data = bytes + at + 8;
        if (first) {
            if (!sameTag(type, "IHDR") || size != 13) {
                return false;
            }
            const uint32_t width = bigEndian32(data);
            const uint32_t height = bigEndian32(data + 4);
            if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
                return false;
            }
            if (!validPngDepth(data[9], data[8]) || data[10] != 0 || data[11] != 0 || data[12] > 1) {
                return false;
            }
            first = false;
        } else if (sameTag(type, "IHDR")) {
            return false;
        }
        if (sameTag(type, "IDAT")) {
            imageData = true;
        }
        at += 12 + size;
        if (sameTag(type, "IEND")) {
            return imageData && size == 0 && at == length;
        }
    }
    return false;
}

bool isSafeSound(const uint8_t* bytes, uint32_t length) {
    if (!bytes || length < 12 || !sameTag(bytes, "RIFF") || !sameTag(bytes + 8, "WAVE")) {
        return false;
    }
    // The chunks as the decoder walks them: one after the other, no padding.
    uint32_t at = 12;
    bool format = false;
    while (length - at >= 8) {
        const uint8_t* tag = bytes + at;
        const uint32_t size = littleEndian32(bytes + at + 4);
        if (size > length - at - 8) {
            return false;
        }
        const uint8_t* data = bytes + at + 8;
        if (sameTag(tag, "fmt ")) {
            if (format || size < 16) {
                return false;
            }
            const uint32_t encoding = littleEndian16(data);
            const uint32_t channels = littleEndian16(data + 2);
            const uint32_t rate = littleEndian32(data + 4);
            const uint32_t byteRate = littleEndian32(data + 8);
            const uint32_t blockSize = littleEndian16(data + 12);
            const uint32_t bits = littleEndian16(data + 14);
            if (encoding != 1 || !rateAndChannelsAreSane(rate, channels) || (bits != 8 && bits != 16)) {
                return false;
            }
            if (blockSize != channels * bits / 8 || byteRate != rate * blockSize) {
                return false;
            }
            format = true;
        } else if (sameTag(tag, "data")) {
            return format && size > 0;
        }
        at += 8 + size;
    }
    return false;
}

bool isSafeMusic(const uint8_t* bytes, uint32_t length) {
    // The first page: "OggS", version 0, the beginning-of-stream flag, and a
    // segment table whose first packet is the Vorbis identification header.
    if (!bytes || length < 27 || !sameTag(bytes, "OggS") || bytes[4] != 0 || (bytes[5] & 0x02) == 0) {
        return false;
    }
    const uint32_t segments = bytes[26];
    const uint32_t packet = 27 + segments;
    if (segments == 0 || length - 27 < segments || length - packet < 30) {
        return false;
    }
    const uint8_t* header = bytes + packet;
    if (header[0] != 1 || std::memcmp(header + 1, "vorbis", 6) != 0 || littleEndian32(header + 7) != 0) {
        return false;
    }
    return rateAndChannelsAreSane(littleEndian32(header + 12), header[11]);
}
