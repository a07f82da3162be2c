#include "app/VignetteHole.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "engine/Texture.h"

namespace {

// The rows of the clear centre are taken this many at a time: more follow its
// round edge more closely, each a few more quads to draw.
const int32_t kBands = 8;

// The run of clear texels in row y around the middle column, inset by one
// texel; false when the middle itself is not clear.
bool clearRun(const std::vector<uint8_t>& alpha, int32_t width, int32_t y, int32_t& left, int32_t& right) {
    const uint8_t* row = alpha.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    const int32_t middle = width / 2;
    if (row[middle] != 0) {
        return false;
    }
    left = middle;
    right = middle;
    while (left > 0 && row[left - 1] == 0) --left;
    while (right + 1 < width && row[right + 1] == 0) ++right;
    ++left;
    --right;
    return left < right;
}

}  // namespace

void VignetteHole::findVignetteHole(const Texture& texture) {
    holeSpans.clear();
    if (texture.glName == 0) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width <= 0 || height <= 0) {
        return;
    }
    std::vector<uint8_t> alpha(static_cast<size_t>(width) * static_cast<size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    findVignetteHole(alpha, width, height);
}

void VignetteHole::findVignetteHole(const std::vector<uint8_t>& alpha, int32_t width, int32_t height) {
    holeSpans.clear();
    if (width < 3 || height < 3 || alpha.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return;
    }
    // The clear rows around the middle one, inset by one row.
    const int32_t middle = height / 2;
    int32_t left = 0;
    int32_t right = 0;
    if (!clearRun(alpha, width, middle, left, right)) {
        return;
    }
    int32_t top = middle;
    int32_t bottom = middle;
    while (top > 0 && clearRun(alpha, width, top - 1, left, right)) --top;
    while (bottom + 1 < height && clearRun(alpha, width, bottom + 1, left, right)) ++bottom;
    ++top;
    --bottom;
    if (top >= bottom) {
        return;
    }
    // Bands of rows that share their last row with the next band's first.
    // Linear filtering at t reads the rows either side of t x height - 0.5;
    // the band's rectangle keeps half a texel inside its rows and columns, so
    // that a sample point a rounding off still reads only clear texels.
    const int32_t rows = bottom - top;
    const int32_t bands = std::min(kBands, rows);
    for (int32_t k = 0; k < bands; ++k) {
        const int32_t from = top + rows * k / bands;
        const int32_t to = top + rows * (k + 1) / bands;
        int32_t bandLeft = 0;
        int32_t bandRight = width - 1;
        for (int32_t y = from; y <= to; ++y) {
            int32_t l = 0;
            int32_t r = 0;
            clearRun(alpha, width, y, l, r);
            bandLeft = std::max(bandLeft, l);
            bandRight = std::min(bandRight, r);
        }
        if (bandLeft + 1 >= bandRight || from + 1 >= to) {
            continue;
        }
        const float w = static_cast<float>(width);
        const float h = static_cast<float>(height);
        holeSpans.push_back(Span{(static_cast<float>(bandLeft) + 1.0f) / w, static_cast<float>(bandRight) / w,
                                 (static_cast<float>(from) + 1.0f) / h, static_cast<float>(to) / h});
    }
}
