#include "content/Image.h"

#include <algorithm>
#include <cmath>

Image::Image(int width, int height, bool hasAlpha)
    : w(width), h(height), alpha(hasAlpha), data(size_t(width) * size_t(height) * 4, 0.0f) {
    for (size_t i = 3; i < data.size(); i += 4) data[i] = 1.0f;
}

float* Image::at(int x, int y) {
    x = ((x % w) + w) % w;
    y = ((y % h) + h) % h;
    return &data[(size_t(y) * size_t(w) + size_t(x)) * 4];
}

const float* Image::at(int x, int y) const { return const_cast<Image*>(this)->at(x, y); }

void Image::set(int x, int y, V3 c, float a) {
    float* p = at(x, y);
    p[0] = c.x;
    p[1] = c.y;
    p[2] = c.z;
    p[3] = a;
}

V3 Image::rgb(int x, int y) const {
    const float* p = at(x, y);
    return V3(p[0], p[1], p[2]);
}

void Image::fill(V3 c, float a) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) set(x, y, c, a);
}

void Image::blend(int x, int y, V3 c, float cov) {
    if (x < 0 || y < 0 || x >= w || y >= h || cov <= 0) return;
    cov = std::min(cov, 1.0f);
    float* p = at(x, y);
    p[0] += (c.x - p[0]) * cov;
    p[1] += (c.y - p[1]) * cov;
    p[2] += (c.z - p[2]) * cov;
    p[3] = p[3] + (1.0f - p[3]) * cov;
}

void Image::rect(float x0, float y0, float x1, float y1, V3 c, float a) {
    for (int y = int(std::floor(y0)); y <= int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x <= int(std::ceil(x1)); ++x) {
            const float cx = std::max(0.0f, std::min(x + 1.0f, x1) - std::max(float(x), x0));
            const float cy = std::max(0.0f, std::min(y + 1.0f, y1) - std::max(float(y), y0));
            blend(x, y, c, cx * cy * a);
        }
}

void Image::disc(float cx, float cy, float r, V3 c, float a) {
    for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
        for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            blend(x, y, c, std::max(0.0f, std::min(1.0f, r - d + 0.5f)) * a);
        }
}

void Image::ring(float cx, float cy, float r, float t, V3 c, float a) {
    for (int y = int(cy - r - t - 1); y <= int(cy + r + t + 1); ++y)
        for (int x = int(cx - r - t - 1); x <= int(cx + r + t + 1); ++x) {
            const float d = std::fabs(std::hypot(x + 0.5f - cx, y + 0.5f - cy) - r);
            blend(x, y, c, std::max(0.0f, std::min(1.0f, t * 0.5f - d + 0.5f)) * a);
        }
}

void Image::line(float x0, float y0, float x1, float y1, float t, V3 c, float a) {
    const float len = std::hypot(x1 - x0, y1 - y0);
    const int minX = int(std::min(x0, x1) - t - 1), maxX = int(std::max(x0, x1) + t + 1);
    const int minY = int(std::min(y0, y1) - t - 1), maxY = int(std::max(y0, y1) + t + 1);
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float f = len > 0 ? (px * (x1 - x0) + py * (y1 - y0)) / (len * len) : 0;
            f = std::max(0.0f, std::min(1.0f, f));
            const float d = std::hypot(px - f * (x1 - x0), py - f * (y1 - y0));
            blend(x, y, c, std::max(0.0f, std::min(1.0f, t * 0.5f - d + 0.5f)) * a);
        }
}

void Image::cutAlpha(float threshold) {
    for (size_t i = 3; i < data.size(); i += 4) data[i] = data[i] >= threshold ? 1.0f : 0.0f;
}

void Image::clearBorder(int pixels) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < pixels || y < pixels || x >= w - pixels || y >= h - pixels) at(x, y)[3] = 0;
}

std::vector<unsigned char> Image::bytes() const {
    const int channels = alpha ? 4 : 3;
    std::vector<unsigned char> out(size_t(w) * size_t(h) * size_t(channels));
    size_t o = 0;
    for (size_t i = 0; i < data.size(); i += 4)
        for (int c = 0; c < channels; ++c) {
            const float v = std::max(0.0f, std::min(1.0f, data[i + size_t(c)]));
            out[o++] = (unsigned char)std::lround(v * 255.0f);
        }
    return out;
}

Image Image::resampled(int width, int height) const {
    Image out(width, height, alpha);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float* p = at(x * w / width, y * h / height);
            out.set(x, y, V3(p[0], p[1], p[2]), p[3]);
        }
    return out;
}

void Image::softenAlpha() {
    std::vector<float> a(size_t(w) * size_t(h));
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int dx = pass == 0 ? 1 : 0, dy = pass == 0 ? 0 : 1;
                const float l = x - dx >= 0 && y - dy >= 0 ? at(x - dx, y - dy)[3] : 0.0f;
                const float r = x + dx < w && y + dy < h ? at(x + dx, y + dy)[3] : 0.0f;
                a[size_t(y) * size_t(w) + size_t(x)] = (l + 2 * at(x, y)[3] + r) * 0.25f;
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) at(x, y)[3] = a[size_t(y) * size_t(w) + size_t(x)];
    }
}
