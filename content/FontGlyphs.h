#ifndef QUENDRALVOSS_CONTENT_FONTGLYPHS_H
#define QUENDRALVOSS_CONTENT_FONTGLYPHS_H

#include <cstdint>
#include <vector>

// The glyph picture of one character code (0..127) of the game's bitmap
// font as a PNG: 64 x 64 RGBA, white, the glyph's coverage in alpha, a
// transparent border of at least one pixel, all glyphs on one baseline.
// Code 32 (and every other code without a printable character) is fully
// transparent, code 0 is a hollow box shown for missing characters.
std::vector<uint8_t> makeGlyphPicture(int code);

#endif
