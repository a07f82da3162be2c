// The intro's pages and the costume choice, reached from the main menu's "new
// game" through the real run loop.
#include <gtest/gtest.h>

#include <cstring>

#include "app/IntroScreen.h"
#include "support/CentredLines.h"
#include "support/ScreenHarness.h"
#include "text/Text.h"

using namespace screentest;

namespace {
// Splash skipped, menu faded in, "new game" chosen: the intro's first frame.
void reachIntro(ScreenSession& s) {
    s.start();
    s.tap(SDLK_ESCAPE);
    s.frames(40);
    s.tap(SDLK_RETURN);
    ASSERT_EQ(kGameStateIntro, gGameState);
}

// Waits out the fade-out of the page just confirmed and the fade-in of the
// next one (1 s each), then confirms it.
void turnPage(ScreenSession& s) {
    s.frames(50);
    s.tap(SDLK_RETURN);
}
}  // namespace

TEST(Intro, ConfirmsThroughTheEightPagesStartAGameInTheChosenCostume) {
    ScreenSession s;
    reachIntro(s);
    EXPECT_EQ(1, gCurrentMusicTrack);
    s.frames(22);  // the music waits 1 s
    EXPECT_EQ(93, gCurrentMusicTrack);
    EXPECT_EQ(89, Mix_VolumeMusic(-1));
    // Page 1 is still fading in: confirm does nothing yet.
    s.tap(SDLK_RETURN);
    s.frames(95);  // 4 s of fade-in in all
    s.tap(SDLK_RETURN);
    for (int page = 2; page <= 5; ++page) turnPage(s);
    s.frames(50);  // page 6: ghost to death with a sound, then silently stays
    Mix_HaltChannel(-1);
    s.tap(SDLK_LEFT);
    EXPECT_EQ(1, Mix_Playing(1));
    Mix_HaltChannel(-1);
    s.tap(SDLK_LEFT);
    EXPECT_EQ(0, Mix_Playing(1));
    for (int i = 0; i < 3; ++i) s.tap(SDLK_RIGHT);
    s.tap(SDLK_RETURN);
    turnPage(s);   // page 7
    turnPage(s);   // page 8, which fades out at a quarter
    EXPECT_EQ(kGameStateIntro, gGameState);
    EXPECT_EQ(-1, gCostume);
    EXPECT_TRUE(s.runUntil(kGameStatePlay, 100));
    EXPECT_EQ(kCostumeWerewolf, gCostume);
    EXPECT_EQ(1, gNewGameRequest);
    EXPECT_FALSE(gResourceCache->meshTable().holds("res/87.dat"));
}

TEST(Intro, EscapeAtFullFadeReturnsToTheMenuKeepingTheCostume) {
    ScreenSession s;
    reachIntro(s);
    gCostume = kCostumeDeath;
    s.frames(40);
    s.tap(SDLK_ESCAPE);  // still fading in: ignored
    EXPECT_EQ(kGameStateIntro, gGameState);
    s.frames(80);
    s.tap(SDLK_ESCAPE);
    EXPECT_EQ(kGameStateMainMenu, gGameState);
    EXPECT_EQ(kCostumeDeath, gCostume);
    EXPECT_EQ(0, gNewGameRequest);
}

// The page-6 block: the narration line exactly as long as the costume line,
// the costume line the same length whichever costume is selected.
TEST(IntroText, CostumeLineAndNarrationAreEquallyLong) {
    EXPECT_EQ(39u, std::strlen(text::kIntroPage6));
    for (int32_t selected = kCostumeDeath; selected <= kCostumeWerewolf; ++selected) {
        EXPECT_EQ(39u, IntroScreen::costumeLine(selected).size()) << IntroScreen::costumeLine(selected);
    }
    EXPECT_NE(nullptr, std::strchr(text::kIntroPage7, '\n'));
    EXPECT_EQ(std::strlen(text::kEndingBy), std::strlen(text::kEndingMakerName));
}

TEST(IntroText, TwoLinePagesCentreTheirSecondLine) {
    expectSecondLineCentred(text::kIntroPage1);
    expectSecondLineCentred(text::kIntroPage7);
}
