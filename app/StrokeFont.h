#ifndef QUENDRALVOSS_APP_STROKEFONT_H
#define QUENDRALVOSS_APP_STROKEFONT_H

#include <string>

// The font built into the program, drawn from line segments as untextured
// quads in the current colour on the plane X = 0 (Y right, Z up), so that an
// error can be shown without any resource file.

// One thick stroke (half-width 0.08) with pointed caps; equal ends draw a diamond.
void drawStrokeSegment(float y0, float z0, float y1, float z1);

// One glyph in the unit cell of the current transform; the byte is taken as
// its unsigned code.
void drawStrokeGlyph(char character);

// A page of 32 columns whose first row is row 23, one unit per cell: "\n" starts
// a new row, a full row wraps. The caller sets the projection and colour.
void drawStrokeText(const std::string& text);

#endif
