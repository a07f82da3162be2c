// The bands of the overlay that something covers and those left free.
#include <gtest/gtest.h>

#include "play/OverlayBands.h"

namespace {

std::vector<float> edges(const std::vector<OverlayBands::Band>& bands) {
    std::vector<float> out;
    for (const OverlayBands::Band& band : bands) {
        out.push_back(band.bottom);
        out.push_back(band.top);
    }
    return out;
}

}  // namespace

TEST(OverlayBandsTest, FreeBandsLieBetweenTheCoveredOnes) {
    OverlayBands nothing(36.0f);
    EXPECT_TRUE(nothing.covered().empty());
    EXPECT_EQ((std::vector<float>{0.0f, 36.0f}), edges(nothing.uncovered()));

    // The caption at the top and the answer panel at the bottom.
    OverlayBands both(36.0f);
    both.cover(32.5f, 35.5f);
    both.cover(0.0f, 13.0f);
    EXPECT_EQ((std::vector<float>{0.0f, 13.0f, 32.5f, 35.5f}), edges(both.covered()));
    EXPECT_EQ((std::vector<float>{13.0f, 32.5f, 35.5f, 36.0f}), edges(both.uncovered()));
}

TEST(OverlayBandsTest, OverlappingBandsMergeAndEdgesClip) {
    OverlayBands bands(36.0f);
    bands.cover(10.0f, 20.0f);
    bands.cover(15.0f, 25.0f);
    bands.cover(25.0f, 30.0f);
    // Beyond the overlay and empty bands add nothing.
    bands.cover(34.0f, 40.0f);
    bands.cover(5.0f, 5.0f);
    bands.cover(-3.0f, 0.0f);
    EXPECT_EQ((std::vector<float>{10.0f, 30.0f, 34.0f, 36.0f}), edges(bands.covered()));
    EXPECT_EQ((std::vector<float>{0.0f, 10.0f, 30.0f, 34.0f}), edges(bands.uncovered()));

    OverlayBands whole(36.0f);
    whole.cover(0.0f, 36.0f);
    EXPECT_TRUE(whole.uncovered().empty());
}
