#include "engine/Scramble.h"

namespace {
const uint8_t kScrambleKey[8] = {0x5e, 0x21, 0xa7, 0x3c, 0x90, 0xd4, 0x0b, 0x6f};
}

void scrambleBuffer(uint8_t* buffer, uint32_t count) {
    uint8_t sum = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t& byte = buffer[count - 1 - i];
        sum = static_cast<uint8_t>(sum + byte + kScrambleKey[i % 8]);
        byte = sum;
    }
}

void unscrambleBuffer(uint8_t* buffer, uint32_t count) {
    uint8_t previous = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t& byte = buffer[count - 1 - i];
        const uint8_t stored = byte;
        byte = static_cast<uint8_t>(stored - previous - kScrambleKey[i % 8]);
        previous = stored;
    }
}
