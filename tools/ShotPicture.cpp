#include "tools/ShotPicture.h"

#include <png.h>

#include <cstdio>

ShotPicture::ShotPicture(int width, int height, unsigned char grey)
    : w(width), h(height), rgb(static_cast<size_t>(width) * height * 3, grey) {}

ShotPicture::ShotPicture(int width, int height, std::vector<unsigned char> bytes)
    : w(width), h(height), rgb(std::move(bytes)) {}

ShotPicture ShotPicture::shrunk(int factor) const {
    const int sw = w / factor;
    const int sh = h / factor;
    ShotPicture small(sw, sh, 0);
    const int area = factor * factor;
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < factor; ++dy) {
                    const unsigned char* row = &rgb[(static_cast<size_t>(y * factor + dy) * w + x * factor) * 3];
                    for (int dx = 0; dx < factor; ++dx) sum += row[dx * 3 + c];
                }
                small.rgb[(static_cast<size_t>(y) * sw + x) * 3 + c] = static_cast<unsigned char>(sum / area);
            }
        }
    }
    return small;
}

void ShotPicture::paste(const ShotPicture& other, int x, int y) {
    for (int row = 0; row < other.h; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= h) continue;
        for (int col = 0; col < other.w; ++col) {
            const int tx = x + col;
            if (tx < 0 || tx >= w) continue;
            for (int c = 0; c < 3; ++c) {
                rgb[(static_cast<size_t>(ty) * w + tx) * 3 + c] = other.rgb[(static_cast<size_t>(row) * other.w + col) * 3 + c];
            }
        }
    }
}

double ShotPicture::meanBrightness() const {
    double sum = 0.0;
    for (unsigned char v : rgb) sum += v;
    return rgb.empty() ? 0.0 : sum / static_cast<double>(rgb.size());
}

namespace {

// libpng reports failure by a long jump back here.
bool encodeRows(png_structp png, png_infop info, FILE* file, int w, int h, const unsigned char* rgb) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 3);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) {
        png_write_row(png, rgb + static_cast<size_t>(y) * w * 3);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool ShotPicture::writePng(const std::string& path) const {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool ok = png && info && encodeRows(png, info, file, w, h, rgb.data());
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0 && ok;
}
