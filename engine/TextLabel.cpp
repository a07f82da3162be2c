#include "engine/TextLabel.h"

#include <SDL_opengl.h>

#include "engine/FontRegistry.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {
const float kDegreesPerRadian = 57.29578f;

// Longest line's byte count and the number of lines of text.
void measure(const std::string& text, int32_t& longest, int32_t& lines) {
    longest = 0;
    lines = 1;
    int32_t current = 0;
    for (char c : text) {
        if (c == '\n') {
            ++lines;
            current = 0;
        } else if (++current > longest) {
            longest = current;
        }
    }
}

void setFontFilter(const std::string& name, bool nearest) {
    auto found = gFontGlyphs.find(name);
    if (found == gFontGlyphs.end()) {
        return;
    }
    for (int32_t c = 0; c < kFontGlyphCount; ++c) {
        if (nearest) {
            found->second[c].setNearest();
        } else {
            found->second[c].setLinear();
        }
    }
}
}  // namespace

TextLabel::TextLabel()
    : anchorX(0.0f), anchorY(0.0f), unlit(1), colour{1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f}, glyphSize(1.0f) {}

TextLabel::~TextLabel() {
    if (!fontName.empty()) {
        --gFontRefCounts[fontName];
    }
}

int32_t TextLabel::setFont(const std::string& name) {
    if (!fontName.empty()) {
        --gFontRefCounts[fontName];
        fontName.clear();
    }
    auto registered = gFontRefCounts.find(name);
    if (registered != gFontRefCounts.end()) {
        fontName = name;
        ++registered->second;
        return gFontGlyphCounts[name];
    }
    Texture* glyphs = new Texture[kFontGlyphCount];
    int32_t found = 0;
    for (int32_t c = 0; c < kFontGlyphCount; ++c) {
        const std::string path = name + "/" + std::to_string(c) + ".dat";
        if (glyphs[c].load(path.c_str())) {
            ++found;
        } else {
            glyphs[c].load((name + "/0.dat").c_str());
        }
        glyphs[c].setNearest();
    }
    gFontGlyphs[name] = glyphs;
    gFontGlyphCounts[name] = found;
    gFontRefCounts[name] = 1;
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
    setColour(r, g, b, a);
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

void TextLabel::draw() {
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
    const float s = glyphSize;
    const float w = width();
    const float h = height();
    float y = -w * anchorX;
    float z = h * anchorY;
    Texture* glyphs = gFontGlyphs[fontName];
    for (char c : text) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (code == '\n') {
            y = -w * anchorX;
            z -= s;
            continue;
        }
        glyphs[code < kFontGlyphCount ? code : 0].bind();
        glBegin(GL_QUADS);
        glNormal3f(1.0f, 0.0f, 0.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(0.0f, y, z);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(0.0f, y, z - s);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(0.0f, y + s, z - s);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(0.0f, y + s, z);
        glEnd();
        unbindTexture();
        y += s;
    }
    glPopMatrix();
}

void setFontNearest(const std::string& name) { setFontFilter(name, true); }

void setFontLinear(const std::string& name) { setFontFilter(name, false); }
