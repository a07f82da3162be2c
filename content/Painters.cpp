#include "content/Painters.h"

#include <algorithm>
#include <cmath>

#include "content/Noise.h"

namespace paint {

Area whole(const Image& image) { return area(0, 0, image.width(), image.height()); }

Area area(int x, int y, int w, int h) {
    Area a;
    a.x = x;
    a.y = y;
    a.w = w;
    a.h = h;
    return a;
}

namespace {
template <typename F>
void each(Image& img, Area a, F f) {
    if (a.w == 0 || a.h == 0) a = whole(img);
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const float u = (x + 0.5f) / a.w, v = (y + 0.5f) / a.h;
            img.set(a.x + x, a.y + y, f(u, v, x, y));
        }
}
V3 clamp01(V3 c) {
    return V3(std::max(0.0f, std::min(1.0f, c.x)), std::max(0.0f, std::min(1.0f, c.y)),
              std::max(0.0f, std::min(1.0f, c.z)));
}
}  // namespace

void noise(Image& img, Area a, V3 dark, V3 light, int cells, int octaves, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        return lerp(dark, light, n.fractal(u * cells, v * cells, cells, octaves));
    });
}

void wood(Image& img, Area a, V3 base, int planks, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        const float row = v * planks;
        const int plank = int(row);
        const float within = row - plank;
        const float grain = n.fractal(u * 4 + plank * 7.3f, within * 24, 0, 3);
        const float streak = 0.5f + 0.5f * std::sin((u * 40 + grain * 6 + plank * 3) * 1.3f);
        float shade = 0.75f + 0.2f * grain + 0.1f * streak + 0.08f * (n.hash(plank, 3) - 0.5f);
        if (within < 0.05f || within > 0.95f) shade *= 0.45f;
        return clamp01(base * shade);
    });
}

void bricks(Image& img, Area a, V3 stoneColour, V3 mortar, int rows, int columns, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        const float r = v * rows;
        const int row = int(r);
        const float c = u * columns + (row % 2 ? 0.5f : 0.0f);
        const int col = int(c);
        const float fr = r - row, fc = c - col;
        const float edge = std::min(std::min(fr, 1 - fr) * 2.0f / rows * rows,
                                    std::min(fc, 1 - fc) * 2.0f);
        if (edge < 0.08f) return mortar * (0.8f + 0.3f * n.value(u * 64, v * 64, 64));
        const float tone = 0.8f + 0.3f * n.hash(col % columns, row) +
                           0.2f * (n.fractal(u * 16, v * 16, 16, 3) - 0.5f);
        return clamp01(stoneColour * tone);
    });
}

void stone(Image& img, Area a, V3 base, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        const float f = n.fractal(u * 8, v * 8, 8, 5);
        const float speck = n.hash(int(u * 512), int(v * 512)) > 0.93f ? 0.15f : 0.0f;
        return clamp01(base * (0.6f + 0.7f * f) + V3(speck, speck, speck));
    });
}

void cloth(Image& img, Area a, V3 base, int threads, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        const float wx = 0.5f + 0.5f * std::sin(u * threads * 6.2832f);
        const float wy = 0.5f + 0.5f * std::sin(v * threads * 6.2832f);
        const float fold = 0.8f + 0.2f * std::sin(u * 6.2832f * 3 + n.value(u * 4, v * 4, 4) * 2);
        return clamp01(base * (0.75f + 0.15f * wx + 0.15f * wy) * fold);
    });
}

void fur(Image& img, Area a, V3 base, uint32_t seed) {
    Noise n(seed);
    each(img, a, [&](float u, float v, int, int) {
        const float streak = n.fractal(u * 64, v * 8, 64, 3);
        const float patch = n.fractal(u * 4, v * 4, 4, 2);
        return clamp01(base * (0.5f + 0.6f * streak) * (0.8f + 0.4f * patch));
    });
}

void scales(Image& img, Area a, V3 base, V3 rim, int rows) {
    each(img, a, [&](float u, float v, int, int) {
        const float r = v * rows;
        const int row = int(r);
        const float c = u * rows + (row % 2 ? 0.5f : 0.0f);
        const float fx = c - std::floor(c) - 0.5f, fy = r - row;
        const float d = std::sqrt(fx * fx + fy * fy * 0.8f);
        const float t = std::min(1.0f, d * 1.9f);
        return lerp(base * (1.1f - 0.3f * fy), rim, t * t);
    });
}

void stripes(Image& img, Area a, V3 c0, V3 c1, int bands, bool soft) {
    each(img, a, [&](float u, float, int, int) {
        const float s = std::sin(u * bands * 6.2832f);
        const float f = soft ? 0.5f + 0.5f * s : (s > 0 ? 1.0f : 0.0f);
        return lerp(c0, c1, f);
    });
}

void gradient(Image& img, Area a, V3 top, V3 bottom) {
    each(img, a, [&](float, float v, int, int) { return lerp(top, bottom, v); });
}

void sphereMap(Image& img, V3 sky, V3 horizon, V3 ground, V3 highlight, uint32_t seed) {
    Noise n(seed);
    const float w = float(img.width()), h = float(img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const float dx = (x + 0.5f) / w * 2 - 1, dy = (y + 0.5f) / h * 2 - 1;
            const float r = std::min(1.0f, std::sqrt(dx * dx + dy * dy));
            // Up in the reflected world is the picture's top half.
            const float up = -dy;
            V3 c = up > 0 ? lerp(horizon, sky, std::min(1.0f, up * 1.6f))
                          : lerp(horizon, ground, std::min(1.0f, -up * 2.5f));
            c = c * (0.85f + 0.3f * n.fractal(dx * 3 + 3, dy * 3 + 3, 0, 3));
            const float hx = dx + 0.35f, hy = dy + 0.45f;
            const float spot = std::exp(-(hx * hx + hy * hy) * 18.0f);
            c = c + highlight * spot;
            c = c * (1.0f - 0.35f * r * r * r * r);
            img.set(x, y, clamp01(c), 1.0f);
        }
}

void environment(Image& img, const Environment& e, uint32_t seed) {
    Noise n(seed);
    const float w = float(img.width()), h = float(img.height());
    const V3 keyDir = normalized(V3(-0.55f, 0.6f, 0.6f));
    const V3 halfway = normalized(keyDir + V3(0, 0, 1));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            // The sphere's normal at this pixel: for a face seen straight on
            // this is the face's own normal in eye space, y up.
            float nx = (x + 0.5f) / w * 2 - 1, ny = (y + 0.5f) / h * 2 - 1;
            const float rr = nx * nx + ny * ny;
            if (rr > 1.0f) {
                const float s = 1.0f / std::sqrt(rr);
                nx *= s;
                ny *= s;
            }
            const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
            const V3 normal(nx, ny, nz);
            // Sky above, the band of the surroundings at the horizon, the
            // ground below; all soft so that flat faces do not read as mirrors.
            const float up = ny;
            V3 c = up >= 0 ? lerp(e.skyLow, e.zenith, std::min(1.0f, up * up * 1.3f))
                           : lerp(e.band, e.ground, std::min(1.0f, -up * 1.6f));
            const float inBand = std::exp(-(up * up) / (e.bandWidth * e.bandWidth));
            c = lerp(c, e.band, inBand * 0.8f);
            const float drift = n.fractal(nx * 1.5f + 2, ny * 1.5f + 2, 0, 3) - 0.5f;
            c = c * (1.0f + e.clouds * drift);
            // The key light from the upper left, broad with a soft sheen.
            const float k = std::max(0.0f, dot(normal, keyDir));
            const float sheen = std::pow(std::max(0.0f, dot(normal, halfway)), 28.0f);
            c = c + e.key * (0.6f * k * k + 0.5f * sheen);
            // Grazing faces: a cold rim, left off faces that turn up (the
            // ground at a distance would glow).
            const float edge = std::max(0.0f, std::min(1.0f, (1.0f - nz - 0.45f) / 0.55f));
            c = c + e.rim * (edge * edge * (1.0f - 0.85f * std::max(0.0f, ny)));
            img.set(x, y, clamp01(c), 1.0f);
        }
}

void agedEdges(Image& img, Area a, float strength) {
    if (a.w == 0 || a.h == 0) a = whole(img);
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const float dx = (x + 0.5f) / a.w * 2 - 1, dy = (y + 0.5f) / a.h * 2 - 1;
            const float k = 1.0f - strength * std::min(1.0f, (dx * dx + dy * dy) * 0.5f);
            img.set(a.x + x, a.y + y, img.rgb(a.x + x, a.y + y) * k, img.at(a.x + x, a.y + y)[3]);
        }
}

}  // namespace paint
