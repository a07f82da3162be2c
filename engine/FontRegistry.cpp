#include "engine/FontRegistry.h"

#include "engine/Texture.h"

std::map<std::string, int32_t> gFontRefCounts;
std::map<std::string, int32_t> gFontGlyphCounts;
std::map<std::string, Texture*> gFontGlyphs;

void purgeUnusedFonts() {
    for (auto it = gFontRefCounts.begin(); it != gFontRefCounts.end();) {
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
