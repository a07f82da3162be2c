#include <gtest/gtest.h>

#include <vector>

#include "engine/Scramble.h"

namespace {
std::vector<uint8_t> scrambled(std::vector<uint8_t> bytes) {
    scrambleBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}
}  // namespace

TEST(Scramble, MatchesKnownVectors) {
    EXPECT_EQ((std::vector<uint8_t>{0xec, 0x04, 0xa1}), scrambled({'A', 'B', 'C'}));
    EXPECT_EQ((std::vector<uint8_t>{0xdb, 0x32, 0x18, 0x8f}), scrambled({'m', 's', 'h', '1'}));
    EXPECT_EQ((std::vector<uint8_t>{0xec, 0xcb, 0x6c, 0xfb, 0xed, 0x15, 0x80, 0x3e, 0x90, 0x67}),
              scrambled({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ((std::vector<uint8_t>{0xbf, 0x9e, 0x40, 0xd1, 0xc6, 0xf2, 0x62, 0x26, 0x7f, 0x5e}),
              scrambled(std::vector<uint8_t>(10, 0)));
}

TEST(Scramble, UnscrambleInvertsEveryLength) {
    for (uint32_t length = 0; length <= 64; ++length) {
        std::vector<uint8_t> plain(length);
        for (uint32_t i = 0; i < length; ++i) {
            plain[i] = static_cast<uint8_t>(i * 37 + 11);
        }
        std::vector<uint8_t> bytes = scrambled(plain);
        unscrambleBuffer(bytes.data(), length);
        EXPECT_EQ(plain, bytes) << "length " << length;
    }
}

TEST(Scramble, ChangesSpreadTowardTheStartOnly) {
    const std::vector<uint8_t> plain = {1, 2, 3, 4, 5, 6};
    const std::vector<uint8_t> base = scrambled(plain);

    std::vector<uint8_t> firstChanged = plain;
    firstChanged[0] ^= 0xff;
    const std::vector<uint8_t> a = scrambled(firstChanged);
    EXPECT_NE(base[0], a[0]);
    for (size_t i = 1; i < plain.size(); ++i) {
        EXPECT_EQ(base[i], a[i]);
    }

    std::vector<uint8_t> lastChanged = plain;
    lastChanged.back() ^= 0x01;
    const std::vector<uint8_t> b = scrambled(lastChanged);
    for (size_t i = 0; i < plain.size(); ++i) {
        EXPECT_NE(base[i], b[i]);
    }
}

TEST(Scramble, ZeroCountLeavesBufferUntouched) {
    uint8_t byte = 0x42;
    scrambleBuffer(&byte, 0);
    unscrambleBuffer(&byte, 0);
    EXPECT_EQ(0x42, byte);
}
