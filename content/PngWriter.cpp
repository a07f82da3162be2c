#include "content/PngWriter.h"

#include <png.h>

namespace {

void appendData(png_structp png, png_bytep data, png_size_t length) {
    std::vector<uint8_t>* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

}  // namespace

std::vector<uint8_t> encodePng(const Image& image) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return out;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return out;
    }
    const std::vector<unsigned char> pixels = image.bytes();
    const int channels = image.hasAlpha() ? 4 : 3;
    std::vector<png_bytep> rows(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = const_cast<png_bytep>(&pixels[size_t(y) * size_t(image.width()) * size_t(channels)]);
    // libpng reports errors by longjmp; nothing here needs unwinding.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return std::vector<uint8_t>();
    }
    png_set_write_fn(png, &out, appendData, flushNothing);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 image.hasAlpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}
