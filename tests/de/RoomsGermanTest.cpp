// Rooms 1 to 7 in the German build: the same plans with the German names.
#include <gtest/gtest.h>

#include "support/PlayHarness.h"
#include "support/RoomPlans.h"

using namespace playtest;

TEST(RoomsGerman, ThePlansCarryTheGermanNames) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    ASSERT_TRUE(text::kGerman);
    checkRoomPlans(play(s));
}
