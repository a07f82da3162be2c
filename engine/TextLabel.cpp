#include "engine/TextLabel.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "engine/Angles.h"
#include "engine/FontRegistry.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {

const char kLineBreak = '\n';

// Characters of the longest line and the number of lines of text.
void measure(const std::string& text, int32_t& longest, int32_t& lines) {
    longest = 0;
    lines = 1;
    int32_t current = 0;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] == kLineBreak) {
            ++lines;
            current = 0;
        } else if (++current > longest) {
            longest = current;
        }
    }
}

}  // namespace

TextLabel::TextLabel()
    : anchorX(0.0f), anchorY(0.0f), unlit(1), colour{1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f},
      glyphSize(1.0f), layoutKept(false), keptGlyphSize(0.0f), keptAnchorX(0.0f), keptAnchorY(0.0f) {}

TextLabel::~TextLabel() {
    if (!fontName.empty()) {
        releaseFont(fontName);
    }
}

int32_t TextLabel::setFont(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    if (!fontName.empty()) {
        releaseFont(fontName);
        fontName.clear();
    }
    const int32_t found = acquireFont(name);
    fontName = name;
    return found;
}

void TextLabel::setColour(float r, float g, float b, float a) {
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = a;
    unlit = 1;
}

void TextLabel::setMaterial(float r, float g, float b, float a, float specular, float shininess) {
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
    colour[3] = a;
    colour[4] = specular;
    colour[5] = shininess;
    unlit = 0;
}

void TextLabel::setAnchor(float x, float y) {
    anchorX = x;
    anchorY = y;
}

float TextLabel::width() const {
    int32_t longest = 0;
    int32_t lines = 0;
    measure(text, longest, lines);
    return glyphSize * static_cast<float>(longest);
}

float TextLabel::height() const {
    int32_t longest = 0;
    int32_t lines = 0;
    measure(text, longest, lines);
    return glyphSize * static_cast<float>(lines);
}

std::vector<TextLabel::GlyphSquare> TextLabel::layout() const {
    const float s = glyphSize;
    const float lineStart = -width() * anchorX;
    float y = lineStart;
    float z = height() * anchorY;
    std::vector<GlyphSquare> squares;
    squares.reserve(text.size());
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte == static_cast<unsigned char>(kLineBreak)) {
            // Every line starts at the same y: flush left within the block.
            y = lineStart;
            z -= s;
            continue;
        }
        const int32_t code = byte < kFontGlyphCount ? byte : 0;
        squares.push_back(GlyphSquare{y, z, code});
        y += s;
    }
    return squares;
}

const std::vector<TextLabel::GlyphSquare>& TextLabel::squaresByGlyph() const {
    if (!layoutKept || keptText != text || keptGlyphSize != glyphSize || keptAnchorX != anchorX ||
        keptAnchorY != anchorY) {
        keptSquares = layout();
        // The squares never overlap, so the order they are drawn in shows
        // nothing; grouped by glyph, each glyph is bound once.
        std::stable_sort(keptSquares.begin(), keptSquares.end(),
                         [](const GlyphSquare& a, const GlyphSquare& b) { return a.code < b.code; });
        keptText = text;
        keptGlyphSize = glyphSize;
        keptAnchorX = anchorX;
        keptAnchorY = anchorY;
        layoutKept = true;
    }
    return keptSquares;
}

void TextLabel::draw() const {
    if (fontName.empty()) {
        return;
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.z * kDegreesPerRadian, 0.0f, 0.0f, 1.0f);
    glRotatef(rotation.y * kDegreesPerRadian, 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.x * kDegreesPerRadian, 1.0f, 0.0f, 0.0f);
    if (unlit) {
        applyPlainColour(colour[0], colour[1], colour[2], colour[3]);
    } else {
        applyMaterial(colour[0], colour[1], colour[2], colour[3], colour[4], colour[5]);
    }
    const Texture* glyphs = fontGlyphs(fontName);
    const float s = glyphSize;
    const std::vector<GlyphSquare>& squares = squaresByGlyph();
    // One texture bind and one batch of quads for all squares of a glyph.
    for (size_t first = 0; glyphs && first < squares.size();) {
        const int32_t code = squares[first].code;
        glyphs[code].bind();
        glBegin(GL_QUADS);
        glNormal3f(1.0f, 0.0f, 0.0f);
        size_t k = first;
        for (; k < squares.size() && squares[k].code == code; ++k) {
            const GlyphSquare& q = squares[k];
            glTexCoord2f(0.0f, 0.0f);
            glVertex3f(0.0f, q.y, q.z);
            glTexCoord2f(0.0f, 1.0f);
            glVertex3f(0.0f, q.y, q.z - s);
            glTexCoord2f(1.0f, 1.0f);
            glVertex3f(0.0f, q.y + s, q.z - s);
            glTexCoord2f(1.0f, 0.0f);
            glVertex3f(0.0f, q.y + s, q.z);
        }
        glEnd();
        first = k;
    }
    if (glyphs && !squares.empty()) {
        unbindTexture();
    }
    glPopMatrix();
}
