#ifndef QUENDRALVOSS_TESTS_WAVDATA_H
#define QUENDRALVOSS_TESTS_WAVDATA_H

#include <cstdint>
#include <vector>

// A mono 16-bit PCM WAV file of the given length: a quiet square wave, so the
// mixer has real samples to play. Used for sound effects and music alike.
inline std::vector<uint8_t> makeWavBytes(uint32_t milliseconds, uint32_t rate = 22050) {
    const uint32_t frames = rate * milliseconds / 1000;
    const uint32_t dataBytes = frames * 2;
    std::vector<uint8_t> out;
    auto text = [&out](const char* s) { out.insert(out.end(), s, s + 4); };
    auto u32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&out](uint32_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    text("RIFF");
    u32(36 + dataBytes);
    text("WAVE");
    text("fmt ");
    u32(16);
    u16(1);         // PCM
    u16(1);         // mono
    u32(rate);
    u32(rate * 2);  // bytes per second
    u16(2);         // block align
    u16(16);        // bits per sample
    text("data");
    u32(dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        u16((i / 50) % 2 ? 0x0400u : 0xfc00u);
    }
    return out;
}

#endif
