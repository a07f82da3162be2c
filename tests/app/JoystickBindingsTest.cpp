#include <gtest/gtest.h>

#include "app/JoystickBindings.h"
#include "app/SaveCodec.h"
#include "engine/FileStream.h"
#include "support/TestDirectory.h"

namespace {
uint32_t wordAt(const std::vector<uint8_t>& bytes, size_t word) {
    const size_t i = word * 4;
    return bytes[i] | (bytes[i + 1] << 8) | (bytes[i + 2] << 16) | (static_cast<uint32_t>(bytes[i + 3]) << 24);
}

void bindEverything() {
    gJoystickBindings = {0, 1, 2, 3, 10, 11, 12, 13, 1.0f, -1.0f, 1.0f, -1.0f};
}
}  // namespace

TEST(JoystickBindings, BlockIsWrittenButtonsFirstInItsOwnOrder) {
    TestDirectory dir;
    bindEverything();
    {
        FileStream out;
        out.openWrite("block.bin");
        ASSERT_TRUE(writeJoystickBindings(out));
    }
    const std::vector<uint8_t> bytes = readFileBytes("block.bin");
    ASSERT_EQ(48u, bytes.size());
    const int32_t expectedIndices[8] = {13, 12, 11, 10, 3, 2, 1, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(encodeSaveInt(expectedIndices[i]), wordAt(bytes, i)) << i;
    }
    const float expectedSigns[4] = {-1.0f, 1.0f, -1.0f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(encodeSaveFloat(expectedSigns[i]), wordAt(bytes, 8 + i)) << i;
    }

    resetJoystickBindings();
    FileStream in;
    in.openRead("block.bin");
    ASSERT_TRUE(readJoystickBindings(in));
    EXPECT_EQ(0, gJoystickBindings.lookUpAxis);
    EXPECT_EQ(13, gJoystickBindings.selectActionButton);
    EXPECT_FLOAT_EQ(-1.0f, gJoystickBindings.walkLeftSign);
    EXPECT_FLOAT_EQ(1.0f, gJoystickBindings.lookUpSign);
}

TEST(JoystickBindings, ShortBlockStopsAtTheFailedWord) {
    TestDirectory dir;
    bindEverything();
    {
        FileStream out;
        out.openWrite("block.bin");
        ASSERT_TRUE(writeJoystickBindings(out));
    }
    std::vector<uint8_t> bytes = readFileBytes("block.bin");
    bytes.resize(4 * 2 + 3);  // two words and a partial third
    ASSERT_TRUE(writeFileBytes("short.bin", bytes));

    resetJoystickBindings();
    gJoystickBindings.switchMenuButton = 7;
    FileStream in;
    in.openRead("short.bin");
    EXPECT_FALSE(readJoystickBindings(in));
    EXPECT_EQ(13, gJoystickBindings.selectActionButton);
    EXPECT_EQ(12, gJoystickBindings.selectTargetButton);
    EXPECT_EQ(-669, gJoystickBindings.executeButton);  // the failed read's zero word
    EXPECT_EQ(7, gJoystickBindings.switchMenuButton);   // untouched
}

TEST(JoystickBindings, WriteFailsWithoutAnOpenFile) {
    FileStream closed;
    EXPECT_FALSE(writeJoystickBindings(closed));
    resetJoystickBindings();
    EXPECT_EQ(-1, gJoystickBindings.selectActionButton);
    EXPECT_EQ(-1, gJoystickBindings.lookUpAxis);
    EXPECT_FLOAT_EQ(0.0f, gJoystickBindings.walkAheadSign);
}
