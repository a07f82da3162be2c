// Text labels over the font registry in a real OpenGL window: fonts loaded
// once and counted by their labels, glyph fall-backs, the layout of anchored
// multi-line text, and the pixels of glyphs drawn on the 48 x 36 overlay.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <type_traits>

#include "engine/FontRegistry.h"
#include "engine/Platform.h"
#include "engine/ScreenSize2D.h"
#include "engine/TextLabel.h"
#include "engine/Texture.h"
#include "support/PlainPicture.h"
#include "support/TestDirectory.h"

namespace {

static_assert(!std::is_copy_constructible<TextLabel>::value, "a copied label would release its font twice");
static_assert(!std::is_copy_assignable<TextLabel>::value, "a copied label would release its font twice");

const uint32_t kRed = 0xff0000;
const uint32_t kGreen = 0x00ff00;
const uint32_t kBlue = 0x0000ff;
const uint32_t kWhite = 0xffffff;
const uint32_t kYellow = 0xffff00;
const uint32_t kCyan = 0x00ffff;
const uint32_t kBlack = 0x000000;

// Ten pixels to an overlay unit.
const int kWindowWidth = 480;
const int kWindowHeight = 360;

class TextLabelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("labels", kWindowWidth, kWindowHeight, false)) << SDL_GetError();
        // Font "res/0": glyph 0 red, "A" in four coloured quarters, tab cyan.
        ASSERT_TRUE(writeScrambledFile("res/0/0.dat", makePlainPicture(2, 2, kRed)));
        ASSERT_TRUE(writeScrambledFile("res/0/65.dat", makePicture(2, 2, {kGreen, kBlue, kWhite, kYellow})));
        ASSERT_TRUE(writeScrambledFile("res/0/9.dat", makePlainPicture(2, 2, kCyan)));
    }
    void TearDown() override {
        // Whatever a test left held, nothing may carry over to the next.
        for (auto& font : gFontRefCounts) {
            font.second = 0;
        }
        purgeUnusedFonts();
        SDL_Quit();
    }

    // Clears to black and puts the overlay up, 48 x 36 as the game has it.
    void startOverlayFrame() {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ScreenSize2D overlay;
        overlay.width = 48.0f;
        overlay.height = 36.0f;
        overlay.apply();
    }

    // Gives label font "res/0", text and glyph size, and places it at (y, z).
    static void setUpLabel(TextLabel& label, const char* text, float glyphSize, float y, float z) {
        label.setFont("res/0");
        label.text = text;
        label.glyphSize = glyphSize;
        label.position.set(0.0f, y, z);
    }

    // Draws label alone on a fresh overlay frame.
    void drawAlone(TextLabel& label) {
        startOverlayFrame();
        label.draw();
    }

    // The colour of the pixel at overlay point (y, z), as 0xRRGGBB.
    uint32_t colourAt(float y, float z) {
        glFinish();
        unsigned char pixel[4] = {0, 0, 0, 0};
        glReadPixels(static_cast<int>(y * 10.0f), static_cast<int>(z * 10.0f), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixel);
        return (static_cast<uint32_t>(pixel[0]) << 16) | (static_cast<uint32_t>(pixel[1]) << 8) | pixel[2];
    }

    TestDirectory directory;
};

TEST_F(TextLabelTest, FontsLoadOnceAndAreCountedByTheirLabels) {
    {
        TextLabel first;
        EXPECT_EQ(3, first.setFont("res/0"));
        // The second label must not read the files again.
        ASSERT_EQ(0, std::remove("res/0/65.dat"));
        TextLabel second;
        EXPECT_EQ(3, second.setFont("res/0"));
        EXPECT_EQ(2, gFontRefCounts["res/0"]);
        EXPECT_EQ(1u, gFontGlyphs.size());

        // The label's own font again, and the refused empty name, change nothing.
        EXPECT_EQ(3, second.setFont("res/0"));
        EXPECT_EQ(0, second.setFont(""));
        EXPECT_EQ("res/0", second.getFontName());
        EXPECT_EQ(2, gFontRefCounts["res/0"]);
        EXPECT_EQ(0u, gFontRefCounts.count(""));

        // Moving to another font gives the old one back.
        second.setFont("res/1");
        EXPECT_EQ(1, gFontRefCounts["res/0"]);
        EXPECT_EQ(1, gFontRefCounts["res/1"]);
    }
    // Released fonts stay until purged.
    EXPECT_EQ(0, gFontRefCounts["res/0"]);
    EXPECT_NE(nullptr, fontGlyphs("res/0"));
    purgeUnusedFonts();
    EXPECT_TRUE(gFontRefCounts.empty());
    EXPECT_TRUE(gFontGlyphCounts.empty());
    EXPECT_TRUE(gFontGlyphs.empty());

    // After the purge a label loads the font afresh and sees the file gone.
    TextLabel third;
    EXPECT_EQ(2, third.setFont("res/0"));
}

TEST_F(TextLabelTest, FilteringSwitchesEveryGlyphOfARegisteredFont) {
    TextLabel label;
    label.setFont("res/0");
    const Texture* glyphs = fontGlyphs("res/0");
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, glyphs[65].glName);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    EXPECT_EQ(GL_NEAREST, filter);
    setFontLinear("res/0");
    glBindTexture(GL_TEXTURE_2D, glyphs[127].glName);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(GL_LINEAR, filter);
    setFontNearest("res/0");
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(GL_NEAREST, filter);
    setFontLinear("no such font");
    EXPECT_EQ(0u, gFontGlyphs.count("no such font"));
}

TEST_F(TextLabelTest, FontWithoutGlyphsYieldsZeroAndStaysRegistered) {
    TextLabel first;
    EXPECT_EQ(0, first.setFont("res/5"));
    EXPECT_EQ(1, gFontRefCounts["res/5"]);
    EXPECT_EQ(0, gFontGlyphCounts["res/5"]);
    ASSERT_NE(nullptr, fontGlyphs("res/5"));
    EXPECT_EQ(0u, fontGlyphs("res/5")[0].glName);

    // No new attempt while registered, even once the files are there.
    ASSERT_TRUE(writeScrambledFile("res/5/0.dat", makePlainPicture(2, 2, kRed)));
    TextLabel second;
    EXPECT_EQ(0, second.setFont("res/5"));
    EXPECT_EQ(2, gFontRefCounts["res/5"]);

    // Its characters draw as untextured squares in the label's colour.
    startOverlayFrame();
    second.setColour(0.0f, 1.0f, 0.0f, 1.0f);
    second.text = "x";
    second.glyphSize = 4.0f;
    second.position.set(0.0f, 10.0f, 20.0f);
    second.draw();
    EXPECT_EQ(kGreen, colourAt(12.0f, 18.0f));
}

TEST_F(TextLabelTest, AnchoredLinesAreFlushLeftInTheirBlock) {
    TextLabel label;
    label.text = "ab\ncde";
    label.glyphSize = 2.0f;
    label.setAnchor(0.5f, 0.5f);
    EXPECT_FLOAT_EQ(6.0f, label.width());
    EXPECT_FLOAT_EQ(4.0f, label.height());
    const std::vector<TextLabel::GlyphSquare> squares = label.layout();
    ASSERT_EQ(5u, squares.size());
    const float expected[5][2] = {{-3, 2}, {-1, 2}, {-3, 0}, {-1, 0}, {1, 0}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(expected[i][0], squares[i].y) << i;
        EXPECT_FLOAT_EQ(expected[i][1], squares[i].z) << i;
    }
    EXPECT_EQ('a', squares[0].code);
    EXPECT_EQ('c', squares[2].code);

    // Anchored at the far corner, the last line's bottom lies at the origin.
    label.text = "abc\nd\n";
    label.glyphSize = 1.0f;
    label.setAnchor(1.0f, 1.0f);
    EXPECT_FLOAT_EQ(3.0f, label.height());
    EXPECT_FLOAT_EQ(-3.0f, label.layout()[0].y);
    EXPECT_FLOAT_EQ(3.0f, label.layout()[0].z);
    EXPECT_FLOAT_EQ(-3.0f, label.layout()[3].y);
    EXPECT_FLOAT_EQ(2.0f, label.layout()[3].z);

    label.text = "";
    EXPECT_FLOAT_EQ(0.0f, label.width());
    EXPECT_FLOAT_EQ(1.0f, label.height());
    EXPECT_TRUE(label.layout().empty());

    // High bytes use glyph 0; control bytes other than "\n" are characters.
    label.text = "\xE4\t\xFF";
    EXPECT_FLOAT_EQ(3.0f, label.width());
    ASSERT_EQ(3u, label.layout().size());
    EXPECT_EQ(0, label.layout()[0].code);
    EXPECT_EQ(9, label.layout()[1].code);
    EXPECT_EQ(0, label.layout()[2].code);
}

TEST_F(TextLabelTest, CentredLetterLandsWhereTheLayoutSays) {
    TextLabel label;
    setUpLabel(label, "A", 2.0f, 24.0f, 18.0f);
    label.setAnchor(0.5f, 0.5f);
    drawAlone(label);

    // The square covers y 23..25 and z 17..19, the picture's top left at the
    // square's top left.
    EXPECT_EQ(kGreen, colourAt(23.5f, 18.5f));
    EXPECT_EQ(kBlue, colourAt(24.5f, 18.5f));
    EXPECT_EQ(kWhite, colourAt(23.5f, 17.5f));
    EXPECT_EQ(kYellow, colourAt(24.5f, 17.5f));
    EXPECT_EQ(kBlack, colourAt(22.8f, 18.0f));
    EXPECT_EQ(kBlack, colourAt(25.2f, 18.0f));
    EXPECT_EQ(kBlack, colourAt(24.0f, 19.2f));
    EXPECT_EQ(kBlack, colourAt(24.0f, 16.8f));
}

TEST_F(TextLabelTest, MissingAndHighCodesShowGlyphZero) {
    TextLabel label;
    // A high byte, a tab, a letter without its own file, and "A".
    setUpLabel(label, "\xE4\tBA", 4.0f, 2.0f, 30.0f);
    drawAlone(label);
    EXPECT_EQ(kRed, colourAt(4.0f, 28.0f));
    EXPECT_EQ(kCyan, colourAt(8.0f, 28.0f));
    EXPECT_EQ(kRed, colourAt(12.0f, 28.0f));
    EXPECT_EQ(kGreen, colourAt(15.0f, 29.0f));
}

// A label keeps its layout between draws; changing the text, the glyph size
// or an anchor must still move every square to its new place.
TEST_F(TextLabelTest, EachChangeShowsOnTheNextDraw) {
    TextLabel label;
    setUpLabel(label, "A\tA", 4.0f, 2.0f, 30.0f);
    drawAlone(label);
    EXPECT_EQ(kCyan, colourAt(8.0f, 28.0f));
    EXPECT_EQ(kGreen, colourAt(11.0f, 29.0f));

    label.text = "\tA";
    drawAlone(label);
    EXPECT_EQ(kCyan, colourAt(4.0f, 28.0f));
    EXPECT_EQ(kGreen, colourAt(7.0f, 29.0f));
    EXPECT_EQ(kBlack, colourAt(11.0f, 29.0f));

    label.glyphSize = 2.0f;
    drawAlone(label);
    EXPECT_EQ(kCyan, colourAt(3.0f, 29.0f));
    EXPECT_EQ(kBlack, colourAt(7.0f, 27.0f));

    label.setAnchor(1.0f, 0.0f);
    drawAlone(label);
    // Now the block ends at y 2: the tab covers y -2..0, "A" 0..2.
    EXPECT_EQ(kGreen, colourAt(0.5f, 29.5f));
    EXPECT_EQ(kBlack, colourAt(3.0f, 29.0f));
}

}  // namespace
