// The answer panel's timeline and its band on the 2D overlay, and the
// caption's fade, driven frame by frame as the world script and the play
// screen drive them.
#include "play/AnswerPanel.h"
#include "play/CaptionText.h"

#include <algorithm>
#include <cmath>

#include "support/GlTestWindow.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

const float kFrame = 0.05f;

class AnswerPanelTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        panel.constructAnswerPanel();
    }
    void TearDown() override {
        panel.destroyAnswerPanel();
        PlayFixture::TearDown();
    }
    void frames(int count, int32_t step = -1, float delay = 0.0f) {
        for (int k = 0; k < count; ++k) {
            panel.updateAnswerPanel(kFrame, step, delay);
        }
    }
    // The pixel at overlay point (y, z), ten pixels to the unit.
    std::vector<int> overlayPixel(float y, float z) {
        return pixelAt(static_cast<int>(y * 10.0f), static_cast<int>(z * 10.0f));
    }

    AnswerPanel panel;
};

TEST_F(AnswerPanelTest, OpensWaitsForConfirmAndCloses) {
    EXPECT_FALSE(panel.isAnswerShowing());
    EXPECT_EQ(1, textureCount(2));
    EXPECT_FLOAT_EQ(2.0f, panel.glyphSize);
    EXPECT_EQ(kGameStatePlay, gGameState);

    panel.setAnswerText("owl:\nwho?");
    EXPECT_TRUE(panel.isAnswerShowing()) << "showing before it has opened at all";
    EXPECT_FLOAT_EQ(0.0f, panel.openness);
    // A confirm while it opens is not taken.
    frames(10);
    EXPECT_NEAR(0.5f, panel.openness, 1e-5f);
    pressKey(SDLK_RETURN);
    frames(1);
    EXPECT_TRUE(gKeyState->isDown(SDLK_RETURN));
    gKeyState->release(SDLK_RETURN);
    frames(20);
    EXPECT_FLOAT_EQ(1.0f, panel.openness);
    EXPECT_TRUE(cues.empty());

    // One press closes it: sound 40 once, the press consumed, so the same
    // press cannot also execute.
    pressKey(SDLK_SPACE);
    frames(1);
    ASSERT_EQ(1u, cues.size());
    EXPECT_EQ(40, cues[0].number);
    EXPECT_FLOAT_EQ(0.8f, cues[0].volume);
    EXPECT_FLOAT_EQ(0.0f, panel.targetOpenness);
    EXPECT_FALSE(gKeyState->isDown(SDLK_SPACE));
    EXPECT_TRUE(panel.isAnswerShowing());
    frames(10);
    EXPECT_FALSE(panel.isAnswerShowing());
    frames(20);
    EXPECT_FLOAT_EQ(0.0f, panel.openness);
    EXPECT_NEAR(62 * kFrame, panel.scrollTime, 1e-4f) << "the scroll clock runs every frame";

    // The execute input (the left button) closes it too.
    panel.setAnswerText("again");
    frames(25);
    gMouseState->buttonLeft = 1;
    frames(1);
    EXPECT_FLOAT_EQ(0.0f, panel.targetOpenness);
}

TEST_F(AnswerPanelTest, HoldsHalfOpenBetweenScriptSteps) {
    panel.setAnswerText("first line");
    frames(25);
    pressKey(SDLK_RETURN);
    frames(1);
    // The next step waits with its delay run out: the panel stops at 0.5,
    // where it no longer counts as showing.
    frames(30, 7, 0.0f);
    EXPECT_FLOAT_EQ(0.5f, panel.openness);
    EXPECT_FALSE(panel.isAnswerShowing());
    // That step's text opens it again from there.
    panel.setAnswerText("second line");
    frames(10, 7, 0.0f);
    EXPECT_FLOAT_EQ(1.0f, panel.openness);
    pressKey(SDLK_RETURN);
    frames(1);
    // A delay still running, or no step at all, lets it close right down.
    frames(30, 7, 0.5f);
    EXPECT_FLOAT_EQ(0.0f, panel.openness);

    panel.setAnswerText("x");
    frames(25);
    panel.resetAnswerPanel();
    EXPECT_FLOAT_EQ(0.0f, panel.openness);
    EXPECT_FLOAT_EQ(0.0f, panel.targetOpenness);
    EXPECT_EQ("x", panel.text);
}

// The play overlay draws the fog and vignette joined above drawnTop, so no
// pixel there may change at any openness, opening or closing; closed, none
// at all.
TEST_F(AnswerPanelTest, NothingChangesAboveItsDrawnTop) {
    panel.setAnswerText("ab");
    startOverlay(0.2f, 0.4f, 0.6f);
    const std::vector<uint8_t> cleared = readWindow(480, 360);
    for (float target : {1.0f, 0.0f}) {
        for (float openness : {0.0f, 0.1f, 0.3f, 0.6f, 0.8f, 1.0f}) {
            panel.targetOpenness = target;
            panel.openness = openness;
            startOverlay(0.2f, 0.4f, 0.6f);
            panel.drawAnswerPanel(target == 0.0f);
            const std::vector<uint8_t> drawn = readWindow(480, 360);
            const int firstFree = static_cast<int>(std::ceil(panel.drawnTop() * 10.0f));
            int changedRows = 0;
            for (int row = 0; row < 360; ++row) {
                const size_t at = static_cast<size_t>(row) * 480 * 4;
                const bool same = std::equal(drawn.begin() + at, drawn.begin() + at + 480 * 4, cleared.begin() + at);
                if (!same) ++changedRows;
                EXPECT_TRUE(row < firstFree || same) << "row " << row << " at openness " << openness;
            }
            EXPECT_EQ(openness == 0.0f, changedRows == 0) << openness;
        }
    }
}

// Likewise the caption outside its band, with a first line of three lines
// (as the German build's action texts have); hidden, it changes nothing.
TEST_F(AnswerPanelTest, TheCaptionChangesNothingOutsideItsBand) {
    CaptionText caption;
    startOverlay(0.2f, 0.4f, 0.6f);
    const std::vector<uint8_t> cleared = readWindow(480, 360);
    float bottom = 0.0f;
    float top = 0.0f;
    caption.setCaptionTexts("ab\n\ncd", "xyz");
    EXPECT_FALSE(caption.drawnBand(bottom, top));
    caption.drawCaptionText("ab\n\ncd", "xyz");
    EXPECT_EQ(cleared, readWindow(480, 360));

    caption.visibility = 1.0f;
    startOverlay(0.2f, 0.4f, 0.6f);
    caption.drawCaptionText("ab\n\ncd", "xyz");
    const std::vector<uint8_t> drawn = readWindow(480, 360);
    ASSERT_TRUE(caption.drawnBand(bottom, top));
    int changedRows = 0;
    for (int row = 0; row < 360; ++row) {
        const size_t at = static_cast<size_t>(row) * 480 * 4;
        const bool same = std::equal(drawn.begin() + at, drawn.begin() + at + 480 * 4, cleared.begin() + at);
        if (!same) ++changedRows;
        const bool inside = row + 1 > static_cast<int>(bottom * 10.0f) && row < static_cast<int>(std::ceil(top * 10.0f));
        EXPECT_TRUE(inside || same) << "row " << row;
    }
    // The three lines of the first text reach below the second line.
    EXPECT_LT(bottom, 36.0f - 4.0f);
    EXPECT_GT(changedRows, 30);
}

TEST_F(AnswerPanelTest, BandPixelsInNormalAndWarningMode) {
    // Closed: nothing at all.
    startOverlay(0.0f, 0.0f, 0.0f);
    panel.drawAnswerPanel(false);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), overlayPixel(40.0f, 6.0f));

    panel.setAnswerText("");
    frames(20);
    ASSERT_FLOAT_EQ(1.0f, panel.openness);
    // Open, at mid height and clear of the text: the band (0.7) under the
    // rising glow, there half its strength (alpha 0.1, colour halfway to black).
    startOverlay(0.0f, 0.0f, 0.0f);
    panel.drawAnswerPanel(false);
    const std::vector<int> normal = overlayPixel(40.0f, 6.0f);
    const int grey = static_cast<int>((0.7f * 0.9f + 0.5f * 0.1f) * 255.0f);
    EXPECT_NEAR(grey, normal[0], 3);
    EXPECT_NEAR(grey, normal[1], 3);
    EXPECT_NEAR(grey, normal[2], 3);
    // Above the band and its soft edges: untouched.
    EXPECT_EQ((std::vector<int>{0, 0, 0}), overlayPixel(40.0f, 20.0f));

    startOverlay(0.0f, 0.0f, 0.0f);
    panel.drawAnswerPanel(true);
    const std::vector<int> warning = overlayPixel(40.0f, 6.0f);
    EXPECT_NEAR(static_cast<int>((0.7f * 0.9f + 0.2f * 0.1f) * 255.0f), warning[0], 3);
    EXPECT_NEAR(static_cast<int>(0.1f * 0.9f * 255.0f), warning[1], 3);
    EXPECT_NEAR(warning[1], warning[2], 1);

    // The text is drawn while the panel is over half open; the font's only
    // glyph is red, dimmed by the dark ink colour.
    panel.text = "a";
    startOverlay(0.0f, 0.0f, 0.0f);
    panel.drawAnswerPanel(false);
    const std::vector<int> ink = overlayPixel(3.0f, 9.0f);
    EXPECT_LT(ink[1], normal[1] - 50) << "the glyph square is darker than the band";

    // Opening, the text is drawn above 0.5 and uncovered from the left;
    // closing, it is covered again and gone below 0.75.
    auto glyphShows = [&](float openness, float target) {
        panel.openness = openness;
        panel.targetOpenness = target;
        startOverlay(0.0f, 0.0f, 0.0f);
        panel.drawAnswerPanel(false);
        return overlayPixel(3.0f, 9.0f)[1] < normal[1] - 50;
    };
    EXPECT_FALSE(glyphShows(0.5f, 1.0f));
    EXPECT_TRUE(glyphShows(0.9f, 1.0f));
    EXPECT_FALSE(glyphShows(0.74f, 0.0f));
    EXPECT_TRUE(glyphShows(0.9f, 0.0f));
}

TEST_F(AnswerPanelTest, CaptionFadesAndFreezesItsTexts) {
    CaptionText caption;
    EXPECT_FLOAT_EQ(0.0f, caption.visibility);
    EXPECT_FLOAT_EQ(1.0f, caption.targetVisibility);
    EXPECT_FLOAT_EQ(24.0f, caption.firstLine.position.y);
    EXPECT_FLOAT_EQ(35.0f, caption.firstLine.position.z);
    EXPECT_FLOAT_EQ(34.0f, caption.secondLine.position.z);

    // While hidden, the texts still follow the arguments.
    caption.drawCaptionText("knock on", "door");
    EXPECT_EQ("door", caption.secondLine.text);
    caption.updateCaptionText(0.1f, true);
    EXPECT_FLOAT_EQ(0.2f, caption.visibility);
    caption.updateCaptionText(0.5f, true);
    EXPECT_FLOAT_EQ(1.0f, caption.visibility);

    // Fading out keeps the texts it had.
    caption.updateCaptionText(0.1f, false);
    EXPECT_FLOAT_EQ(0.8f, caption.visibility);
    caption.drawCaptionText("ask", "owl");
    EXPECT_EQ("knock on", caption.firstLine.text);
    EXPECT_EQ("door", caption.secondLine.text);
    caption.updateCaptionText(1.0f, false);
    EXPECT_FLOAT_EQ(0.0f, caption.visibility);

    // At visibility 0 nothing shows; fully shown the lines are drawn.
    startOverlay(0.0f, 0.0f, 0.0f);
    caption.drawCaptionText("ask", "owl");
    EXPECT_EQ((std::vector<int>{0, 0, 0}), pixelAt(240, 345));
    caption.updateCaptionText(1.0f, true);
    startOverlay(0.0f, 0.0f, 0.0f);
    caption.drawCaptionText("ask", "owl");
    EXPECT_EQ("ask", caption.firstLine.text);
    EXPECT_GT(pixelAt(240, 345)[0], 150);
}

}  // namespace
