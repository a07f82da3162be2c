#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_opengl.h>

#include "app/StrokeFont.h"
#include "app/StrokeGlyphs.h"

TEST(StrokeGlyphs, LowerCaseFoldsAndOddCodesFallBack) {
    for (char c = 'a'; c <= 'z'; ++c) {
        EXPECT_EQ(findStrokeGlyph(static_cast<unsigned char>(c)),
                  findStrokeGlyph(static_cast<unsigned char>(c - 'a' + 'A')));
    }
    for (unsigned code : {0u, 9u, 31u, 127u, 128u, 200u, 255u}) {
        EXPECT_EQ(&kStrokeFallbackGlyph, findStrokeGlyph(static_cast<unsigned char>(code))) << code;
    }
    EXPECT_EQ(8, kStrokeFallbackGlyph.count);
}

// The table stops at 96 and resumes at 123: every printable code must find
// its own glyph, never one past the table's end.
TEST(StrokeGlyphs, EveryPrintableCodeFindsItsOwnGlyph) {
    for (unsigned code = 32; code <= 126; ++code) {
        if (code >= 'a' && code <= 'z') continue;
        const StrokeGlyph* glyph = findStrokeGlyph(static_cast<unsigned char>(code));
        ASSERT_GE(glyph, kStrokeGlyphs);
        ASSERT_LT(glyph, kStrokeGlyphs + kStrokeGlyphCount);
        EXPECT_EQ(code, glyph->code);
        EXPECT_LE(glyph->count, 8);
    }
    EXPECT_EQ(0, findStrokeGlyph(' ')->count);
}

TEST(StrokeGlyphs, ListedShapesAreAsDrawn) {
    const StrokeGlyph* a = findStrokeGlyph('A');
    ASSERT_EQ(4, a->count);
    EXPECT_FLOAT_EQ(0.5f, a->segments[3].z0);
    const StrokeGlyph* dot = findStrokeGlyph('.');
    ASSERT_EQ(1, dot->count);
    EXPECT_FLOAT_EQ(dot->segments[0].y0, dot->segments[0].y1);
    EXPECT_FLOAT_EQ(dot->segments[0].z0, dot->segments[0].z1);
    EXPECT_EQ(5, findStrokeGlyph('0')->count);
    EXPECT_EQ(2, findStrokeGlyph('X')->count);
}

namespace {
// A 640 x 480 window whose projection maps the 32 x 24 page onto it, twenty
// pixels a cell, looking at the plane X = 0 from +X (Y right, Z up).
const int kCell = 20;

class StrokePage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        ASSERT_NE(nullptr, SDL_SetVideoMode(32 * kCell, 24 * kCell, 32, SDL_OPENGL));
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 32, 0, 24, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        const float toScreen[16] = {0, 0, -1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
        glLoadMatrixf(toScreen);
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor4f(1, 1, 1, 1);
    }
    void TearDown() override { SDL_Quit(); }

    // Whether any pixel lights in the square of page coordinates around
    // (column, row), given in cell units, two pixels each way.
    bool litAt(float column, float row) {
        unsigned char p[5 * 5 * 4];
        glReadPixels(static_cast<int>(column * kCell) - 2, static_cast<int>(row * kCell) - 2, 5, 5,
                     GL_RGBA, GL_UNSIGNED_BYTE, p);
        for (int i = 0; i < 25; ++i) {
            if (p[i * 4] > 128) return true;
        }
        return false;
    }
    int litCount() {
        static unsigned char pixels[32 * kCell * 24 * kCell * 4];
        glReadPixels(0, 0, 32 * kCell, 24 * kCell, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        int count = 0;
        for (int i = 0; i < 32 * kCell * 24 * kCell; ++i) count += pixels[i * 4] > 128;
        return count;
    }
};
}  // namespace

// "L" in the top-left cell: its stem and foot lie in the middle 0.666 of the
// cell, and its top-right corner stays dark.
TEST_F(StrokePage, GlyphsLandInTheirCells) {
    drawStrokeText("L");
    glFinish();
    EXPECT_TRUE(litAt(0.5f, 23.167f));     // the foot
    EXPECT_TRUE(litAt(0.167f, 23.5f));     // the stem
    EXPECT_FALSE(litAt(0.7f, 23.7f));
    EXPECT_FALSE(litAt(1.5f, 23.167f));    // the next cell
}

TEST_F(StrokePage, NewlinesAndWrappingMoveDownARow) {
    std::string line(32, 'L');
    drawStrokeText(line + "\nL");
    glFinish();
    EXPECT_TRUE(litAt(31.5f, 23.167f));
    EXPECT_FALSE(litAt(0.5f, 22.167f));  // the row left empty by wrap and newline together
    EXPECT_TRUE(litAt(0.5f, 21.167f));
}

TEST_F(StrokePage, CaseDoesNotChangeTheDrawing) {
    drawStrokeText("abc");
    glFinish();
    const int lower = litCount();
    glClear(GL_COLOR_BUFFER_BIT);
    drawStrokeText("ABC");
    glFinish();
    EXPECT_EQ(lower, litCount());
    EXPECT_GT(lower, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    drawStrokeText("\n\n\n");
    glFinish();
    EXPECT_EQ(0, litCount());
}

TEST_F(StrokePage, UnknownBytesDrawCornerMarks) {
    drawStrokeText(std::string("\t\x80"));
    glFinish();
    // Both take one column each and mark the corners of their cells only.
    EXPECT_TRUE(litAt(0.2f, 23.167f));
    EXPECT_TRUE(litAt(1.2f, 23.167f));
    EXPECT_TRUE(litAt(1.8f, 23.833f));
    EXPECT_FALSE(litAt(0.5f, 23.5f));
}
