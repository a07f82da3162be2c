// Rooms 0 to 7 in the German build: the same plans as in English, with the
// German names.
#include <gtest/gtest.h>

#include "support/PlayHarness.h"
#include "support/Room0Plan.h"
#include "support/RoomPlans.h"

using namespace playtest;

TEST(Room0German, ThePlanCarriesTheGermanNames) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    ASSERT_TRUE(text::kGerman);
    checkRoom0Plans(play(s));
}

TEST(RoomsGerman, ThePlansCarryTheGermanNames) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    ASSERT_TRUE(text::kGerman);
    checkRoomPlans(play(s));
}
