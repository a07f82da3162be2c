#include "content/TextRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::vector<unsigned> decodeUtf8(const std::string& s) {
    std::vector<unsigned> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = (unsigned char)s[i];
        unsigned cp = c;
        int extra = 0;
        if (c >= 0xf0) { cp = c & 0x07; extra = 3; }
        else if (c >= 0xe0) { cp = c & 0x0f; extra = 2; }
        else if (c >= 0xc0) { cp = c & 0x1f; extra = 1; }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i) cp = (cp << 6) | ((unsigned char)s[i] & 0x3f);
        out.push_back(cp);
    }
    return out;
}

}  // namespace

std::string dejaVuPath(const std::string& style) {
    return "/usr/share/fonts/truetype/dejavu/DejaVu" + style + ".ttf";
}

TextRenderer::TextRenderer(const std::string& fontPath) {
    if (FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        return;
    }
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) face = nullptr;
}

TextRenderer::~TextRenderer() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
}

void TextRenderer::setPixelSize(int pixels) {
    if (face) FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixels));
}

float TextRenderer::measure(const std::string& utf8) {
    if (!face) return 0;
    float x = 0;
    for (unsigned cp : decodeUtf8(utf8)) {
        if (FT_Load_Char(face, cp, FT_LOAD_DEFAULT) != 0) continue;
        x += float(face->glyph->advance.x) / 64.0f;
    }
    return x;
}

float TextRenderer::drawLine(Image& image, const std::string& utf8, float x, float y, V3 colour,
                             float alpha) {
    if (!face) return x;
    for (unsigned cp : decodeUtf8(utf8)) {
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const int left = int(std::lround(x)) + g->bitmap_left;
        const int top = int(std::lround(y)) - g->bitmap_top;
        for (unsigned r = 0; r < g->bitmap.rows; ++r)
            for (unsigned c = 0; c < g->bitmap.width; ++c) {
                const float cov = g->bitmap.buffer[r * unsigned(g->bitmap.pitch) + c] / 255.0f;
                image.blend(left + int(c), top + int(r), colour, cov * alpha);
            }
        x += float(g->advance.x) / 64.0f;
    }
    return x;
}

float TextRenderer::drawParagraph(Image& image, const std::string& utf8, float x, float y,
                                  float width, float lineHeight, V3 colour, bool centred, float alpha) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= utf8.size()) {
        const size_t nl = utf8.find('\n', start);
        const std::string para = utf8.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        std::string line;
        size_t p = 0;
        while (p <= para.size()) {
            size_t sp = para.find(' ', p);
            if (sp == std::string::npos) sp = para.size();
            const std::string word = para.substr(p, sp - p);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && measure(candidate) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            p = sp + 1;
        }
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    for (const std::string& line : lines) {
        const float lx = centred ? x + (width - measure(line)) * 0.5f : x;
        drawLine(image, line, lx, y, colour, alpha);
        y += lineHeight;
    }
    return y;
}

bool TextRenderer::drawGlyphCoverage(Image& image, unsigned code, int baseline, float widthScale,
                                     float thicken) {
    if (!face || FT_Get_Char_Index(face, code) == 0) return false;
    // The outline is widened by the transform and thickened before it is
    // rendered, so the strokes stay smooth at any scale.
    FT_Matrix wide = {FT_Fixed(widthScale * 65536.0f), 0, 0, 0x10000};
    FT_Set_Transform(face, &wide, nullptr);
    const bool loaded = FT_Load_Char(face, code, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    if (!loaded || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    const FT_GlyphSlot g = face->glyph;
    if (thicken > 0.0f) {
        const FT_Pos strength = FT_Pos(thicken * 64.0f);
        FT_Outline_EmboldenXY(&g->outline, strength, strength);
    }
    if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0) return false;
    const int advance = int(g->advance.x / 64);
    const int left = (image.width() - advance) / 2 + g->bitmap_left - int(thicken / 2.0f);
    const int top = baseline - g->bitmap_top;
    for (unsigned r = 0; r < g->bitmap.rows; ++r)
        for (unsigned c = 0; c < g->bitmap.width; ++c) {
            const int px = left + int(c), py = top + int(r);
            if (px < 1 || py < 1 || px >= image.width() - 1 || py >= image.height() - 1) continue;
            const float cov = g->bitmap.buffer[r * unsigned(g->bitmap.pitch) + c] / 255.0f;
            float* p = image.at(px, py);
            p[3] = std::max(p[3], cov);
        }
    return true;
}
