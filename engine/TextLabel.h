#ifndef QUENDRALVOSS_ENGINE_TEXTLABEL_H
#define QUENDRALVOSS_ENGINE_TEXTLABEL_H

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Vec3.h"

// A piece of text drawn as a row of glyph squares from a registered font, in
// 3D or on the 2D overlay. The label lies in its local Y-Z plane, text running
// along +Y and lines going down along -Z, readable from +X. Each byte but "\n"
// is one character; bytes 128 and above show glyph 0.
//
// Callers set text, position, rotation and glyphSize directly; the font, the
// colour and the anchors through the operations. A label holds one count of
// its font, so it cannot be copied (a copy would give the count back twice).
class TextLabel {
public:
    // One character's square in the label's plane: top-left corner (y, z),
    // edge glyphSize, showing the glyph of code (0..127).
    struct GlyphSquare {
        float y;
        float z;
        int32_t code;
    };

    // No font (draws nothing), anchors 0, unlit white, empty text at the
    // origin, glyph size 1.
    TextLabel();
    // Gives back the count of its font, which stays registered until purged.
    ~TextLabel();
    TextLabel(const TextLabel&) = delete;
    TextLabel& operator=(const TextLabel&) = delete;

    // Gives up the old font and uses font name (its directory), loading it on
    // first use; returns the number of glyph files found (0..128). Callers
    // treat 0 as a missing resource file named name. The empty name is
    // refused: 0, and the label keeps what it had.
    int32_t setFont(const std::string& name);
    // Unlit colour (r, g, b, a).
    void setColour(float r, float g, float b, float a);
    // Lit material (r, g, b, a) with grey specular and shininess (0..1).
    void setMaterial(float r, float g, float b, float a, float specular, float shininess);
    // Anchor factors: 0 the block starts (x) or its first line's top lies
    // (y) at the origin, 0.5 centred, 1 it ends there.
    void setAnchor(float x, float y);

    // glyphSize x the longest line's character count; 0 for the empty text.
    float width() const;
    // glyphSize x the number of lines (1 + the count of "\n").
    float height() const;
    // The squares draw() fills, in text order, after the anchors.
    std::vector<GlyphSquare> layout() const;
    // Draws at position and rotation with the label's colour, which is set
    // even for the empty text; nothing at all without a font. Leaves the
    // model-view matrix as it was.
    void draw() const;

    const std::string& getFontName() const { return fontName; }

    float anchorX;
    float anchorY;
    uint8_t unlit;
    // Red, green, blue, alpha, specular grey, shininess.
    float colour[6];
    std::string text;
    Vec3 position;
    Vec3 rotation;
    float glyphSize;

private:
    // The layout's squares sorted by glyph, kept until the text, the glyph
    // size or an anchor changes.
    const std::vector<GlyphSquare>& squaresByGlyph() const;

    // The font this label holds one count of; empty: none.
    std::string fontName;
    // What the kept squares were laid out from.
    mutable bool layoutKept;
    mutable std::string keptText;
    mutable float keptGlyphSize;
    mutable float keptAnchorX;
    mutable float keptAnchorY;
    mutable std::vector<GlyphSquare> keptSquares;
};

#endif
