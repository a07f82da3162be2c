// The ending's nineteen pages. Only the world script opens it, so the test
// holds its own ending and feeds it the events that the run loop drains while
// GameState is a number without a screen (0).
#include <gtest/gtest.h>

#include "app/EndingScreen.h"
#include "support/CreditLines.h"
#include "support/ScreenHarness.h"
#include "text/Text.h"

using namespace screentest;

namespace {
const int32_t kNoScreen = 0;

class EndingRun {
public:
    explicit EndingRun(ScreenSession& s) : session(s) {
        session.start();
        gGameState = kNoScreen;
        ending.enterEndingScreen();
    }
    void frame(SDLKey key = SDLK_UNKNOWN) {
        if (key != SDLK_UNKNOWN) pushKey(key, true);
        session.frames(1);
        ending.updateEndingScreen(0.045f);
        if (key != SDLK_UNKNOWN) pushKey(key, false);
    }
    void frames(int n) {
        for (int i = 0; i < n && gGameState == kNoScreen; ++i) frame();
    }
    // Runs to the page's full fade and turns it with key; false when the
    // page never came to full fade.
    bool turn(SDLKey key) {
        for (int i = 0; i < 400 && !(ending.fade == 1.0f && ending.showing); ++i) frame();
        if (!(ending.fade == 1.0f && ending.showing)) return false;
        const int32_t page = ending.page;
        frame(key);
        for (int i = 0; i < 400 && ending.page == page; ++i) frame();
        return ending.page == page + 1;
    }

    ScreenSession& session;
    EndingScreen ending;
};

bool cached(int32_t n) { return gResourceCache->textureTable().holds("res/" + std::to_string(n) + ".dat"); }
}  // namespace

TEST(Ending, PagesHoldsMusicAndTheWayBackToTheMenu) {
    ScreenSession s;
    EndingRun run(s);
    run.frames(30);  // the hold of 1 s is over, the fade is part way
    run.frame(SDLK_RETURN);
    run.frames(40);
    ASSERT_EQ(1, run.ending.page);  // confirm while fading in did nothing
    EXPECT_EQ(1.0f, run.ending.fade);
    EXPECT_EQ(58, pictureAt(7, 5));
    EXPECT_EQ(0, pixelAt(3, 5).g);       // bars of 6 units on a 16:9 screen
    EXPECT_EQ(217, pixelAt(21, 18).g);   // "the end" in grey 0.85

    ASSERT_TRUE(run.turn(SDLK_ESCAPE));  // Escape turns the page like confirm
    EXPECT_EQ(2, run.ending.page);
    EXPECT_FLOAT_EQ(2.0f, run.ending.hold);
    for (int page = 3; page <= 5; ++page) ASSERT_TRUE(run.turn(page % 2 ? SDLK_RETURN : SDLK_ESCAPE));
    run.frames(10);
    EXPECT_TRUE(cached(257));  // page 5 changes its picture through the fades
    EXPECT_FALSE(cached(259));
    run.frames(30);
    EXPECT_EQ(258, pictureAt(7, 5));
    for (int page = 6; page <= 14; ++page) ASSERT_TRUE(run.turn(SDLK_RETURN));
    EXPECT_EQ(95, gCurrentMusicTrack);
    EXPECT_FLOAT_EQ(2.0f, run.ending.hold);
    run.frames(200);
    EXPECT_EQ(89, Mix_VolumeMusic(-1));  // the new track faded in
    ASSERT_TRUE(run.turn(SDLK_RETURN));
    run.frames(40);
    EXPECT_GT(run.ending.fade, 0.2f);
    EXPECT_LT(run.ending.fade, 0.9f);
    EXPECT_EQ(271, pictureAt(7, 5));  // only the text fades on page 15
    ASSERT_TRUE(run.turn(SDLK_RETURN));
    ASSERT_TRUE(run.turn(SDLK_RETURN));
    EXPECT_EQ(17, run.ending.page);
    EXPECT_EQ(1, gCurrentMusicTrack);
    EXPECT_FLOAT_EQ(2.0f, run.ending.hold);
    ASSERT_TRUE(run.turn(SDLK_RETURN));
    ASSERT_TRUE(run.turn(SDLK_RETURN));
    EXPECT_EQ(19, run.ending.page);
    EXPECT_FLOAT_EQ(3.0f, run.ending.hold);
    run.frames(66);
    EXPECT_EQ(kNoScreen, gGameState);
    run.frames(1);
    EXPECT_EQ(kGameStateMainMenu, gGameState);
}

TEST(Ending, PicturesKeepTheirShapeOnEveryScreen) {
    const PictureRect wide = fourByThreePictureRect(1280, 720);
    EXPECT_FLOAT_EQ(6.0f, wide.left);
    EXPECT_FLOAT_EQ(42.0f, wide.right);
    EXPECT_FLOAT_EQ(0.0f, wide.bottom);
    const PictureRect exact = fourByThreePictureRect(1024, 768);
    EXPECT_NEAR(0.0f, exact.left, 1e-4);
    EXPECT_NEAR(36.0f, exact.top, 1e-4);
    // 5:4: the full width and 4:3 of it in height, 1.125 units off each end.
    const PictureRect narrow = fourByThreePictureRect(1280, 1024);
    EXPECT_FLOAT_EQ(0.0f, narrow.left);
    EXPECT_FLOAT_EQ(48.0f, narrow.right);
    EXPECT_NEAR(1.125f, narrow.bottom, 1e-4);
    EXPECT_NEAR(34.875f, narrow.top, 1e-4);
    EXPECT_NEAR(4.0f / 3.0f, (narrow.right - narrow.left) / 48.0f * 1280.0f /
                                 ((narrow.top - narrow.bottom) / 36.0f * 1024.0f), 1e-4);
}

TEST(Ending, OnANarrowWindowThePictureHasBarsAboveAndBelow) {
    ScreenSession s(640, 512);
    ASSERT_TRUE(s.videoOpen);
    EndingRun run(s);
    run.frames(50);
    ASSERT_EQ(1.0f, run.ending.fade);
    // 1.125 units are 16 of 512 rows.
    EXPECT_EQ(0, pixelAt(24, 0.8f).g);
    EXPECT_EQ(58, pictureAt(24, 1.5f));
    EXPECT_EQ(58, pictureAt(24, 34.5f));
    EXPECT_EQ(0, pixelAt(24, 35.2f).g);
    EXPECT_EQ(58, pictureAt(0.5f, 10));
}

TEST(Ending, TheCreditsNameStandsOneColumnAfterBy) {
    EXPECT_EQ(0, std::string(text::kEndingBy).find("\n\nby "));
    expectCreditLinesAlign(text::kEndingBy, text::kEndingMakerName);
}
