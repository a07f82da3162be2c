#include <gtest/gtest.h>

#include "engine/MemoryReader.h"
#include "support/TestDirectory.h"

TEST(MemoryReader, ReadsUnscrambledWordsAndBytes) {
    TestDirectory dir;
    ASSERT_TRUE(writeScrambledFile("r.dat", {1, 2, 3, 4, 9, 8, 7}));
    MemoryReader reader;
    reader.loadFile("r.dat");
    ASSERT_FALSE(reader.failed());
    EXPECT_EQ(7, reader.getLength());
    EXPECT_EQ(67305985u, reader.readU32());
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(0u, reader.readU32());
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(4, reader.getPosition());
    EXPECT_EQ(9, reader.readByte());
    EXPECT_EQ(8, reader.readByte());
    EXPECT_EQ(7, reader.readByte());
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(0, reader.readByte());
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(7, reader.getPosition());
}

TEST(MemoryReader, WordExactlyAtTheEndSucceeds) {
    TestDirectory dir;
    ASSERT_TRUE(writeScrambledFile("w.dat", {0xff, 1, 0, 0, 0}));
    MemoryReader reader;
    reader.loadFile("w.dat");
    reader.readByte();
    EXPECT_EQ(1u, reader.readU32());
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.getLength(), reader.getPosition());
}

TEST(MemoryReader, FailedLoadsLeaveTheReaderEmpty) {
    TestDirectory dir;
    ASSERT_TRUE(writeScrambledFile("good.dat", {1, 2, 3, 4}));
    ASSERT_TRUE(writeFileBytes("empty.dat", {}));
    MemoryReader reader;
    reader.loadFile("good.dat");
    ASSERT_FALSE(reader.failed());
    reader.loadFile("empty.dat");
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(0, reader.getLength());
    EXPECT_EQ(0u, reader.readU32());
    EXPECT_TRUE(reader.failed());
    reader.loadFile("missing.dat");
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(0, reader.getLength());
}

TEST(MemoryReader, ReleaseThenReloadClearsTheFlag) {
    TestDirectory dir;
    ASSERT_TRUE(writeScrambledFile("one.dat", {42}));
    MemoryReader reader;
    reader.loadFile("one.dat");
    reader.readByte();
    reader.readByte();
    ASSERT_TRUE(reader.failed());
    reader.release();
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(0, reader.readByte());
    EXPECT_TRUE(reader.failed());
    reader.loadFile("one.dat");
    EXPECT_EQ(42, reader.readByte());
    EXPECT_FALSE(reader.failed());
}
