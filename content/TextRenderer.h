#ifndef QUENDRALVOSS_CONTENT_TEXTRENDERER_H
#define QUENDRALVOSS_CONTENT_TEXTRENDERER_H

#include <string>

#include "content/Image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Renders text from a TrueType font with FreeType into pictures. Each
// renderer owns its own FreeType library, so renderers on different threads
// do not share state. Text is UTF-8.
class TextRenderer {
public:
    // Opens the font file; ok() tells whether that worked.
    explicit TextRenderer(const std::string& fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool ok() const { return face != nullptr; }
    void setPixelSize(int pixels);
    // Width in pixels of one line of text at the current size.
    float measure(const std::string& utf8);
    // Draws one line with its baseline at y, starting at x; returns the pen's
    // end x. Coverage blends the colour in (and raises alpha).
    float drawLine(Image& image, const std::string& utf8, float x, float y, V3 colour, float alpha = 1.0f);
    // Draws text word-wrapped into the given width, lines `lineHeight` apart
    // ("\n" breaks a line); centred when asked. Returns the y after the last line.
    float drawParagraph(Image& image, const std::string& utf8, float x, float y, float width,
                        float lineHeight, V3 colour, bool centred, float alpha = 1.0f);
    // The glyph of one character code as coverage 0..1 written into the
    // picture's alpha, its baseline at `baseline` and its advance centred
    // horizontally, widened by widthScale and every stroke thickened by
    // `thicken` pixels; returns false when the font lacks it.
    bool drawGlyphCoverage(Image& image, unsigned code, int baseline, float widthScale = 1.0f,
                           float thicken = 0.0f);

private:
    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
};

// The path of a font of the DejaVu family by style name ("Sans", "Serif",
// "Sans-Bold", "Serif-Bold", "SansMono").
std::string dejaVuPath(const std::string& style);

#endif
