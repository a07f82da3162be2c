// The shot comparison: reading the bench's PPM files and measuring how far two
// shots differ, per channel and in pixels.
#include <gtest/gtest.h>

#include <string>

#include "support/TestDirectory.h"
#include "tools/ShotDifference.h"

namespace {

std::vector<uint8_t> ppmBytes(const std::string& header, const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> bytes(header.begin(), header.end());
    bytes.insert(bytes.end(), rgb.begin(), rgb.end());
    return bytes;
}

PpmShot shotOf(int width, int height, const std::vector<uint8_t>& rgb) {
    PpmShot shot;
    shot.width = width;
    shot.height = height;
    shot.rgb = rgb;
    return shot;
}

}  // namespace

TEST(ShotDifferenceTest, ReadsTheBenchsPpmAndRefusesOtherFiles) {
    TestDirectory directory;
    const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_TRUE(writeFileBytes("shot.ppm", ppmBytes("P6\n2 2\n255\n", rgb)));
    ASSERT_TRUE(writeFileBytes("comment.ppm", ppmBytes("P6\n# made by hand\n2 2\n255\n", rgb)));
    ASSERT_TRUE(writeFileBytes("short.ppm", ppmBytes("P6\n2 2\n255\n", {1, 2, 3})));
    ASSERT_TRUE(writeFileBytes("ascii.ppm", ppmBytes("P3\n2 2\n255\n", rgb)));
    ASSERT_TRUE(writeFileBytes("deep.ppm", ppmBytes("P6\n2 2\n65535\n", rgb)));
    PpmShot shot;
    ASSERT_TRUE(readPpmShot("shot.ppm", shot));
    EXPECT_EQ(2, shot.width);
    EXPECT_EQ(2, shot.height);
    EXPECT_EQ(rgb, shot.rgb);
    PpmShot commented;
    ASSERT_TRUE(readPpmShot("comment.ppm", commented));
    EXPECT_EQ(rgb, commented.rgb);
    PpmShot other;
    EXPECT_FALSE(readPpmShot("short.ppm", other));
    EXPECT_FALSE(readPpmShot("ascii.ppm", other));
    EXPECT_FALSE(readPpmShot("deep.ppm", other));
    EXPECT_FALSE(readPpmShot("missing.ppm", other));
}

TEST(ShotDifferenceTest, CountsEachChannelAndEachDifferingPixelOnce) {
    const PpmShot a = shotOf(3, 1, {10, 20, 30, 0, 0, 0, 255, 255, 255});
    // Pixel 0 differs in two channels (one pixel), pixel 1 not at all, pixel 2
    // by less in blue and downwards in red; only pixel 2 is off by more than
    // two levels.
    const PpmShot b = shotOf(3, 1, {12, 20, 29, 0, 0, 0, 250, 255, 254});
    const ShotDifference d = compareShots(a, b, 2);
    EXPECT_TRUE(d.sizesMatch);
    EXPECT_EQ(5, d.largest[0]);
    EXPECT_EQ(0, d.largest[1]);
    EXPECT_EQ(1, d.largest[2]);
    EXPECT_EQ(2, d.differing);
    EXPECT_EQ(1, d.beyondTolerance);
    EXPECT_EQ(3, d.pixels);
    EXPECT_EQ(5, largestDifference(d));
    EXPECT_EQ(2, compareShots(a, b, 1).beyondTolerance);

    const ShotDifference same = compareShots(a, a, 0);
    EXPECT_EQ(0, largestDifference(same));
    EXPECT_EQ(0, same.differing);
}

TEST(ShotDifferenceTest, ShotsOfAnotherSizeDoNotCompare) {
    const PpmShot wide = shotOf(2, 1, {0, 0, 0, 0, 0, 0});
    const PpmShot tall = shotOf(1, 2, {0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(compareShots(wide, tall, 2).sizesMatch);
}

TEST(ShotDifferenceTest, RoomsSumCountsAndKeepTheLargestPerChannel) {
    ShotDifference total;
    ShotDifference first;
    first.largest[0] = 2;
    first.largest[2] = 1;
    first.differing = 10;
    first.beyondTolerance = 3;
    first.pixels = 100;
    ShotDifference second;
    second.largest[1] = 3;
    second.largest[2] = 1;
    second.differing = 4;
    second.pixels = 100;
    addShotDifference(total, first);
    addShotDifference(total, second);
    EXPECT_EQ(2, total.largest[0]);
    EXPECT_EQ(3, total.largest[1]);
    EXPECT_EQ(1, total.largest[2]);
    EXPECT_EQ(14, total.differing);
    EXPECT_EQ(3, total.beyondTolerance);
    EXPECT_EQ(200, total.pixels);
    EXPECT_TRUE(total.sizesMatch);
    ShotDifference mismatched;
    mismatched.sizesMatch = false;
    addShotDifference(total, mismatched);
    EXPECT_FALSE(total.sizesMatch);
}

TEST(ShotDifferenceTest, TheRoomIsTheNameLessItsViewNumber) {
    EXPECT_EQ("room-0-street", shotRoom("room-0-street-2.ppm"));
    EXPECT_EQ("room-7-tunnel-open", shotRoom("room-7-tunnel-open-0.ppm"));
    // A name without a view number is a room of its own.
    EXPECT_EQ("room-1-garden", shotRoom("room-1-garden.ppm"));
}
