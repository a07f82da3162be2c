#ifndef QUENDRALVOSS_APP_STROKEGLYPHS_H
#define QUENDRALVOSS_APP_STROKEGLYPHS_H

#include <cstdint>

// One stroke of a glyph, from (y0, z0) to (y1, z1) in the glyph's unit cell.
struct StrokeSegment {
    float y0;
    float z0;
    float y1;
    float z1;
};

// A glyph of the built-in font: its character and its strokes in drawing order.
struct StrokeGlyph {
    uint8_t code;
    uint8_t count;
    StrokeSegment segments[8];
};

// Codes 32..96 and 123..126 in that order (lower case folds to upper).
const int kStrokeGlyphCount = 69;
extern const StrokeGlyph kStrokeGlyphs[kStrokeGlyphCount];
// Corner marks, drawn for every code without a glyph.
extern const StrokeGlyph kStrokeFallbackGlyph;

// The glyph that draws code: lower case as upper case, codes outside the table
// (controls, 127 and above) as the fallback. Never reads past the table.
const StrokeGlyph* findStrokeGlyph(unsigned char code);

#endif
