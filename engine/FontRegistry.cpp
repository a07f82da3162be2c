#include "engine/FontRegistry.h"

#include <sstream>
#include <type_traits>

#include "engine/Texture.h"

std::map<std::string, int32_t> gFontRefCounts;
std::map<std::string, int32_t> gFontGlyphCounts;
std::map<std::string, Texture*> gFontGlyphs;

// The maps outlive SDL (they are destroyed after main returns), so what they
// hold must not free anything on destruction.
static_assert(std::is_trivially_destructible<std::map<std::string, Texture*>::mapped_type>::value,
              "font glyph arrays must be freed by purgeUnusedFonts, not by the map");

std::string fontGlyphPath(const std::string& name, int32_t code) {
    std::ostringstream path;
    path << name << '/' << code << ".dat";
    return path.str();
}

namespace {

// Loads the 128 glyphs of a new font into glyphs; returns how many had a file.
int32_t loadGlyphs(const std::string& name, Texture* glyphs) {
    const std::string fallback = fontGlyphPath(name, 0);
    int32_t found = 0;
    for (int32_t code = 0; code < kFontGlyphCount; ++code) {
        Texture& glyph = glyphs[code];
        if (glyph.load(fontGlyphPath(name, code).c_str())) {
            ++found;
        } else {
            // Whether the fallback loads makes no difference: an empty
            // texture draws an untextured square.
            glyph.load(fallback.c_str());
        }
        glyph.setNearest();
    }
    return found;
}

}  // namespace

int32_t acquireFont(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    std::map<std::string, int32_t>::iterator held = gFontRefCounts.find(name);
    if (held != gFontRefCounts.end()) {
        ++held->second;
        return gFontGlyphCounts[name];
    }
    Texture* glyphs = new Texture[kFontGlyphCount];
    const int32_t found = loadGlyphs(name, glyphs);
    gFontGlyphs[name] = glyphs;
    gFontGlyphCounts[name] = found;
    gFontRefCounts[name] = 1;
    return found;
}

void releaseFont(const std::string& name) {
    std::map<std::string, int32_t>::iterator held = gFontRefCounts.find(name);
    if (held != gFontRefCounts.end()) {
        --held->second;
    }
}

Texture* fontGlyphs(const std::string& name) {
    std::map<std::string, Texture*>::const_iterator found = gFontGlyphs.find(name);
    return found == gFontGlyphs.end() ? nullptr : found->second;
}

void setFontNearest(const std::string& name) {
    Texture* glyphs = fontGlyphs(name);
    for (int32_t code = 0; glyphs && code < kFontGlyphCount; ++code) {
        glyphs[code].setNearest();
    }
}

void setFontLinear(const std::string& name) {
    Texture* glyphs = fontGlyphs(name);
    for (int32_t code = 0; glyphs && code < kFontGlyphCount; ++code) {
        glyphs[code].setLinear();
    }
}

void purgeUnusedFonts() {
    for (std::map<std::string, int32_t>::iterator it = gFontRefCounts.begin(); it != gFontRefCounts.end();) {
        if (it->second != 0) {
            ++it;
            continue;
        }
        delete[] gFontGlyphs[it->first];
        gFontGlyphs.erase(it->first);
        gFontGlyphCounts.erase(it->first);
        it = gFontRefCounts.erase(it);
    }
}
