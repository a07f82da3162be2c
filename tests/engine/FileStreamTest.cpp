#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include "engine/FileStream.h"
#include "support/TestDirectory.h"

TEST(FileStream, FlagFollowsEachOperation) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("four.bin", {1, 2, 3, 4}));
    FileStream stream;
    stream.openRead("missing.bin");
    EXPECT_TRUE(stream.failed());
    stream.openRead("four.bin");
    EXPECT_FALSE(stream.failed());
    EXPECT_EQ(0x04030201u, stream.readU32());
    EXPECT_FALSE(stream.failed());
    EXPECT_EQ(0u, stream.readU32());
    EXPECT_TRUE(stream.failed());
    stream.close();
    EXPECT_FALSE(stream.failed());
}

TEST(FileStream, PartialWordAtEndFailsWithZero) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("three.bin", {9, 9, 9}));
    FileStream stream;
    stream.openRead("three.bin");
    EXPECT_EQ(0u, stream.readU32());
    EXPECT_TRUE(stream.failed());
}

TEST(FileStream, MissingPathLeavesNoFileOpen) {
    TestDirectory dir;
    FileStream stream;
    stream.openRead("nowhere/at/all.dat");
    EXPECT_TRUE(stream.failed());
    stream.readU8();
    EXPECT_TRUE(stream.failed());
    stream.close();
    EXPECT_FALSE(stream.failed());
    stream.flush();
    EXPECT_FALSE(stream.failed());
}

TEST(FileStream, BooleansAreDigitCharacters) {
    TestDirectory dir;
    {
        FileStream out;
        out.openWrite("bools.bin");
        out.writeBool(7);
        out.writeBool(false);
        out.writeU8('x');
        out.close();
        ASSERT_FALSE(out.failed());
    }
    EXPECT_EQ((std::vector<uint8_t>{'1', '0', 'x'}), readFileBytes("bools.bin"));
    FileStream in;
    in.openRead("bools.bin");
    EXPECT_TRUE(in.readBool());
    EXPECT_FALSE(in.readBool());
    EXPECT_FALSE(in.failed());
    EXPECT_FALSE(in.readBool());
    EXPECT_TRUE(in.failed());
}

TEST(FileStream, WideValuesRoundTripLittleEndian) {
    TestDirectory dir;
    {
        FileStream out;
        out.openWrite("wide.bin");
        out.writeU32(0xa1b2c3d4u);
        out.writeI32(-2);
        out.writeU64(0x0102030405060708ull);
        out.writeI8(-1);
        ASSERT_FALSE(out.failed());
    }
    const std::vector<uint8_t> bytes = readFileBytes("wide.bin");
    ASSERT_EQ(17u, bytes.size());
    EXPECT_EQ(0xd4, bytes[0]);
    EXPECT_EQ(0xa1, bytes[3]);
    EXPECT_EQ(0x08, bytes[8]);
    EXPECT_EQ(0x01, bytes[15]);
    FileStream in;
    in.openRead("wide.bin");
    EXPECT_EQ(0xa1b2c3d4u, in.readU32());
    EXPECT_EQ(-2, in.readI32());
    EXPECT_EQ(0x0102030405060708ull, in.readU64());
    EXPECT_EQ(-1, in.readI8());
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(0u, in.readU64());
    EXPECT_TRUE(in.failed());
}

TEST(FileStream, StringsNeedTheirTerminator) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("open.bin", {'h', 'i'}));
    ASSERT_TRUE(writeFileBytes("closed.bin", {'h', 'i', 0, 'z'}));
    FileStream in;
    in.openRead("open.bin");
    EXPECT_EQ("", in.readString());
    EXPECT_TRUE(in.failed());
    in.openRead("closed.bin");
    EXPECT_EQ("hi", in.readString());
    EXPECT_FALSE(in.failed());
    EXPECT_EQ('z', in.readU8());
    EXPECT_FALSE(in.failed());
}

TEST(FileStream, EmbeddedZeroStopsWriteStringWithFailure) {
    TestDirectory dir;
    {
        FileStream out;
        out.openWrite("zero.bin");
        out.writeString(std::string("a\0b", 3));
        EXPECT_TRUE(out.failed());
        out.writeText("xy");
        EXPECT_FALSE(out.failed());
    }
    EXPECT_EQ((std::vector<uint8_t>{'a', 0, 'x', 'y'}), readFileBytes("zero.bin"));
}

TEST(FileStream, EmptyFileHasSizeZeroButNoContents) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("empty.bin", {}));
    FileStream in;
    in.openRead("empty.bin");
    EXPECT_EQ(0u, in.size());
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(nullptr, in.readAll());
    EXPECT_TRUE(in.failed());
}

TEST(FileStream, ReadAllReturnsTheWholeFileFromAnyPosition) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("data.bin", {5, 6, 7}));
    FileStream in;
    in.openRead("data.bin");
    in.readU8();
    EXPECT_EQ(3u, in.size());
    const std::unique_ptr<uint8_t[]> all = in.readAll();
    ASSERT_NE(nullptr, all);
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(5, all[0]);
    EXPECT_EQ(7, all[2]);
}

// The resource cache asks for the bare prefix "res/"; a directory must not open
// and must never be measured as a huge file.
TEST(FileStream, DirectoryDoesNotOpen) {
    TestDirectory dir;
    ASSERT_EQ(0, mkdir("res", 0755));
    FileStream in;
    in.openRead("res/");
    EXPECT_TRUE(in.failed());
    EXPECT_EQ(0u, in.size());
    EXPECT_TRUE(in.failed());
    EXPECT_EQ(nullptr, in.readAll());
    EXPECT_TRUE(in.failed());
}

TEST(FileStream, ReopeningClosesThePreviousFile) {
    TestDirectory dir;
    ASSERT_TRUE(writeFileBytes("a.bin", {1}));
    ASSERT_TRUE(writeFileBytes("b.bin", {2}));
    FileStream in;
    in.openRead("a.bin");
    in.openRead("b.bin");
    EXPECT_EQ(2, in.readU8());
    in.openRead("missing.bin");
    EXPECT_TRUE(in.failed());
    in.readU8();
    EXPECT_TRUE(in.failed());
}

// A save is written to the disk before it replaces the old one: the sync
// fails without a file and when the bytes cannot be written (a full device).
TEST(FileStream, SyncToDiskWritesThroughOrFails) {
    TestDirectory dir;
    FileStream stream;
    stream.syncToDisk();
    EXPECT_TRUE(stream.failed());
    stream.openWrite("synced.bin");
    stream.writeU32(0x04030201u);
    stream.syncToDisk();
    EXPECT_FALSE(stream.failed());
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3, 4}), readFileBytes("synced.bin"));
    stream.close();
    stream.openWrite("/dev/full");
    if (!stream.failed()) {
        stream.writeU32(1);
        stream.syncToDisk();
        EXPECT_TRUE(stream.failed());
        stream.close();
    }
}
