// The pictures that carry writing, rendered by the generator: each one's
// writing keeps to its text area. No written line is so wide that the
// renderer wraps it onto a line of its own, the writing keeps clear of the
// ruled frame, and it ends above the drawing under it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/ResourceCatalog.h"
#include "content/PictureTexts.h"

namespace {

const int kTextPictures[] = {picture::kInvitationEn,   picture::kInvitationDe,   picture::kDeathCardEn,
                             picture::kDeathCardDe,    picture::kGhostCardEn,    picture::kGhostCardDe,
                             picture::kWerewolfCardEn, picture::kWerewolfCardDe, picture::kLetterTextEn,
                             picture::kLetterTextDe};

// The frame is ruled 18 to 20 pixels in from each edge; writing and drawing
// keep this much clear of it and of each other.
const int kFrameInner = 21;
const int kClearance = 10;
const uint8_t kInk = 64;

// The alpha of every pixel, row after row, of a square PNG; empty when it does
// not decode.
std::vector<uint8_t> alphaOf(const std::vector<uint8_t>& png, int& side) {
    std::vector<uint8_t> alpha;
    SDL_RWops* rw = SDL_RWFromMem(const_cast<uint8_t*>(png.data()), int(png.size()));
    SDL_Surface* s = IMG_Load_RW(rw, 1);
    if (!s) return alpha;
    side = s->w;
    if (s->format->BytesPerPixel == 4 && s->w == s->h) {
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 4;
                Uint8 r, g, b, a;
                SDL_GetRGBA(*reinterpret_cast<const Uint32*>(p), s->format, &r, &g, &b, &a);
                alpha.push_back(a);
            }
    }
    SDL_FreeSurface(s);
    return alpha;
}

int writtenLines(const std::string& writing) {
    int lines = 0;
    size_t start = 0;
    while (start <= writing.size()) {
        size_t end = writing.find('\n', start);
        if (end == std::string::npos) end = writing.size();
        if (end > start) ++lines;
        start = end + 1;
    }
    return lines;
}

}  // namespace

TEST(TextPictures, WritingKeepsToItsAreaAndOffTheDrawing) {
    for (int number : kTextPictures) {
        SCOPED_TRACE(number);
        int side = 0;
        const std::vector<uint8_t> with = alphaOf(makeTextPicture(number), side);
        const std::vector<uint8_t> without = alphaOf(makeTextPicture(number, false), side);
        ASSERT_FALSE(with.empty());
        ASSERT_EQ(with.size(), without.size());

        // Writing is what the writing adds; the drawing is what stands inside
        // the frame without it.
        int left = side, right = -1, top = side, bottom = -1, drawingTop = side - kFrameInner;
        int bands = 0;
        bool inBand = false;
        for (int y = 0; y < side; ++y) {
            bool rowWritten = false;
            for (int x = 0; x < side; ++x) {
                const size_t i = size_t(y) * size_t(side) + size_t(x);
                if (with[i] >= without[i] + kInk) {
                    rowWritten = true;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
                const bool insideFrame = x > kFrameInner + 2 && x < side - kFrameInner - 2 &&
                                         y > kFrameInner + 2 && y < side - kFrameInner - 2;
                if (insideFrame && without[i] >= kInk) drawingTop = std::min(drawingTop, y);
            }
            if (rowWritten && !inBand) ++bands;
            inBand = rowWritten;
        }
        EXPECT_EQ(writtenLines(textPictureWriting(number)), bands) << "a written line was wrapped";
        EXPECT_GE(left, kFrameInner + kClearance);
        EXPECT_LE(right, side - kFrameInner - kClearance);
        EXPECT_GE(top, kFrameInner + kClearance);
        EXPECT_LE(bottom, drawingTop - kClearance) << "the drawing starts at " << drawingTop;
    }
}
