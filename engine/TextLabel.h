#ifndef QUENDRALVOSS_ENGINE_TEXTLABEL_H
#define QUENDRALVOSS_ENGINE_TEXTLABEL_H

#include <cstdint>
#include <string>

#include "engine/Vec3.h"

// A piece of text drawn as a row of textured squares, one per byte, from a
// bitmap font shared through the font registry. The label lies in its local
// Y-Z plane facing +X: text runs along +Y, lines go down along -Z, so on the
// 2D overlay it reads normally with rotation 0.
class TextLabel {
public:
    // No font, anchors 0, unlit white, empty text, at the origin, glyph size 1.
    TextLabel();
    // Gives back the font's count (the font stays until the next purge).
    ~TextLabel();
    TextLabel(const TextLabel&) = delete;
    TextLabel& operator=(const TextLabel&) = delete;

    // Uses font name, loading its glyphs when it is not registered; returns
    // the number of glyph files found (0: the caller reports the font missing).
    int32_t setFont(const std::string& name);
    // Plain colour (unlit) / lit material.
    void setColour(float r, float g, float b, float a);
    void setMaterial(float r, float g, float b, float a, float specular, float shininess);
    void setAnchor(float x, float y);
    // glyphSize x the longest line's length / x the number of lines.
    float width() const;
    float height() const;
    // Draws the text at position and rotation; nothing without a font.
    void draw();

    std::string fontName;
    float anchorX;
    float anchorY;
    uint8_t unlit;
    float colour[6];
    std::string text;
    Vec3 position;
    Vec3 rotation;
    float glyphSize;
};

// Nearest / linear filtering for all glyphs of a registered font; an
// unregistered name does nothing.
void setFontNearest(const std::string& name);
void setFontLinear(const std::string& name);

#endif
