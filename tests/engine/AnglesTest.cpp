#include <gtest/gtest.h>

#include <cmath>

#include "engine/Angles.h"

// The angle constants are the floats the game's turns and tables were laid
// out with; these pin the relations the code leans on, so a tidier-looking
// formula cannot slip in and move every turned object.
TEST(Angles, FullTurnIsExactlyTwoHalfTurns) {
    // The footsteps wrap their phase to kFullTurn and compare it with kPi.
    EXPECT_EQ(2.0f * kPi, kFullTurn);
    EXPECT_FLOAT_EQ(static_cast<float>(M_PI), kPi);
}

TEST(Angles, DegreeFactorsAreTheRoundedOnesAndInvertEachOther) {
    EXPECT_NE(kPi / 180.0f, kDegrees);
    EXPECT_NE(180.0f / kPi, kDegreesPerRadian);
    EXPECT_NEAR(1.0f, kDegrees * kDegreesPerRadian, 1e-6f);
    EXPECT_NEAR(180.0f, kPi * kDegreesPerRadian, 1e-4f);
    EXPECT_NEAR(90.0f, 90.0f * kDegrees * kDegreesPerRadian, 1e-4f);
}
