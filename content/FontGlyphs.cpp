#include "content/FontGlyphs.h"

#include "content/Image.h"
#include "content/PngWriter.h"
#include "content/TextRenderer.h"

std::vector<uint8_t> makeGlyphPicture(int code) {
    const int size = 64;
    Image image(size, size, true);
    image.fill(V3(1, 1, 1), 0.0f);
    if (code == 0) {
        image.rect(14, 12, 50, 16, V3(1, 1, 1));
        image.rect(14, 48, 50, 52, V3(1, 1, 1));
        image.rect(14, 12, 18, 52, V3(1, 1, 1));
        image.rect(46, 12, 50, 52, V3(1, 1, 1));
    } else if (code > 32 && code < 127) {
        // Each square is both the advance and the line, so the letters are
        // drawn to fill it: a monospaced bold face widened to about 56 of the
        // 64 pixels (a few pixels of gap between letters) and thickened, on a
        // baseline at 47 that leaves room for descenders and a gap between
        // lines.
        TextRenderer text(dejaVuPath("SansMono-Bold"));
        if (!text.ok()) return {};
        text.setPixelSize(46);
        text.drawGlyphCoverage(image, unsigned(code), 47, 2.0f, 2.0f);
        // Soft edges: every glyph blends smoothly when scaled.
        image.softenAlpha();
    }
    // A mostly transparent picture: colour stays white everywhere so linear
    // filtering never darkens the edges.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float* p = image.at(x, y);
            p[0] = p[1] = p[2] = 1.0f;
        }
    image.clearBorder(1);
    return encodePng(image);
}
