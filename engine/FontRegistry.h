#ifndef QUENDRALVOSS_ENGINE_FONTREGISTRY_H
#define QUENDRALVOSS_ENGINE_FONTREGISTRY_H

#include <cstdint>
#include <map>
#include <string>

class Texture;

// Fonts shared by the text labels, keyed by font name (the font's directory).
// A font's 128 glyph textures are owned here from the first label that asks for
// it until a purge finds no label holding it. The maps hold plain pointers, so
// that their static destruction after SDL has quit never touches OpenGL.
const int32_t kFontGlyphCount = 128;

extern std::map<std::string, int32_t> gFontRefCounts;
extern std::map<std::string, int32_t> gFontGlyphCounts;
// Each font's glyphs: an array of kFontGlyphCount textures from new[],
// indexed by character code.
extern std::map<std::string, Texture*> gFontGlyphs;

// Frees every font whose count is exactly 0: its textures and its entries.
void purgeUnusedFonts();

#endif
