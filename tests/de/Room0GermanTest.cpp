// Room 0 in the German build: the same plan with the German names.
#include <gtest/gtest.h>

#include "support/PlayHarness.h"
#include "support/Room0Plan.h"

using namespace playtest;

TEST(Room0German, ThePlanCarriesTheGermanNames) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    ASSERT_TRUE(text::kGerman);
    checkRoom0Plans(play(s));
}
