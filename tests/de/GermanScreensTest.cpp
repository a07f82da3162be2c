// The German program's screens: its menu texts and pictures, and the texts we
// wrote, which must keep the layout rules of the English ones.
#include <gtest/gtest.h>

#include <cstring>

#include "app/EndingScreen.h"
#include "app/IntroScreen.h"
#include "engine/FileStream.h"
#include "support/CentredLines.h"
#include "support/CreditLines.h"
#include "support/ScreenHarness.h"
#include "text/Text.h"

using namespace screentest;

namespace {
bool lit(float right, float up) { return pixelAt(right, up).g > 60; }

bool cached(int32_t n) { return gResourceCache->textureTable().holds("res/" + std::to_string(n) + ".dat"); }

// Bitmap-font texts carry no byte outside ASCII: umlauts are capitals.
void expectPlainAscii(const char* text) {
    for (const char* p = text; *p; ++p) {
        EXPECT_LT(static_cast<unsigned char>(*p), 128u) << text;
    }
}
}  // namespace

TEST(GermanScreens, MainMenuShowsTheGermanEntries) {
    ScreenSession s;
    writeFileBytes(saveFileName(), {0x9e, 0x02, 0x00, 0x00});
    s.start();
    s.tap(SDLK_ESCAPE);
    s.frames(80);
    // "[ weiter ]" is 20 units wide, "neues spiel" 22.
    EXPECT_TRUE(lit(15, 12.6f));
    EXPECT_FALSE(lit(13, 12.6f));
    EXPECT_TRUE(lit(13.5f, 15.6f));
    EXPECT_FALSE(lit(12.5f, 15.6f));
}

TEST(GermanScreens, IntroTakesTheGermanPictures) {
    ScreenSession s;
    s.start();
    s.tap(SDLK_ESCAPE);
    s.frames(40);
    s.tap(SDLK_RETURN);
    ASSERT_EQ(kGameStateIntro, gGameState);
    for (int32_t n : {348, 349, 350, 351}) EXPECT_TRUE(cached(n)) << n;
    for (int32_t n : {84, 86, 97, 98}) EXPECT_FALSE(cached(n)) << n;
}

TEST(GermanScreens, EndingSaysEnde) {
    ScreenSession s;
    s.start();
    gGameState = 0;
    EndingScreen ending;
    ending.enterEndingScreen();
    for (int i = 0; i < 50; ++i) {
        s.frames(1);
        ending.updateEndingScreen(0.045f);
    }
    EXPECT_EQ(58, pictureAt(21, 18));  // "ende" is 4 units wide
    EXPECT_EQ(217, pixelAt(23, 18).g);
}

TEST(GermanText, WrittenTextsKeepTheLayoutRules) {
    EXPECT_EQ(33u, std::strlen(text::kIntroPage6));
    for (int32_t selected = kCostumeDeath; selected <= kCostumeWerewolf; ++selected) {
        EXPECT_EQ(33u, IntroScreen::costumeLine(selected).size()) << IntroScreen::costumeLine(selected);
    }
    EXPECT_NE(nullptr, std::strchr(text::kIntroPage7, '\n'));
    expectSecondLineCentred(text::kIntroPage1);
    expectSecondLineCentred(text::kIntroPage7);
    EXPECT_EQ(0, std::strncmp(text::kEndingBy, "\n\nvon ", 6));
    expectCreditLinesAlign(text::kEndingBy, text::kEndingMakerName);
    for (const char* t : {text::kIntroPage1, text::kIntroPage3, text::kIntroPage4, text::kIntroPage5,
                          text::kIntroPage6, text::kIntroPage7, text::kEndingPage15, text::kEndingPage16,
                          text::kEndingThanks, text::kSetupPrompts[1], text::kSetupHintEscape}) {
        expectPlainAscii(t);
    }
    EXPECT_STREQ("laufe vorwArts", text::kSetupPrompts[1]);
    EXPECT_STREQ("danke fUrs spielen.\n\n", text::kEndingThanks);
}
