#ifndef QUENDRALVOSS_CONTENT_PNGWRITER_H
#define QUENDRALVOSS_CONTENT_PNGWRITER_H

#include <cstdint>
#include <vector>

#include "content/Image.h"

// Encodes the picture as an 8-bit truecolour PNG, RGB or RGBA as the picture
// says. Returns an empty buffer when libpng fails.
std::vector<uint8_t> encodePng(const Image& image);

#endif
