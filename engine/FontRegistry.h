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

// Labels holding each font.
extern std::map<std::string, int32_t> gFontRefCounts;
// Glyph files found when each font was loaded (0..128).
extern std::map<std::string, int32_t> gFontGlyphCounts;
// Each font's glyphs: an array of kFontGlyphCount textures from new[],
// indexed by character code.
extern std::map<std::string, Texture*> gFontGlyphs;

// The glyph file of code in font name: name + "/" + code + ".dat".
std::string fontGlyphPath(const std::string& name, int32_t code);

// One more holder of font name, loading and registering it on first use;
// returns the number of glyph files found (0..128). A glyph whose file is
// missing gets the picture of code 0 instead and is not counted; a font with
// no file at all is still registered and yields 0 until purged. The empty name
// (which would read glyphs from the file-system root) is refused: 0, nothing
// registered, no file read.
int32_t acquireFont(const std::string& name);
// One holder fewer of a registered font; the font stays until a purge.
// Unregistered names are ignored.
void releaseFont(const std::string& name);
// The 128 glyph textures of a registered font, or null.
Texture* fontGlyphs(const std::string& name);

// Nearest or linear filtering for all glyphs of a registered font; an
// unregistered name does nothing.
void setFontNearest(const std::string& name);
void setFontLinear(const std::string& name);

// Frees every font whose count is exactly 0: its textures and its entries.
// Needs the GL context that the glyphs were made in.
void purgeUnusedFonts();

#endif
