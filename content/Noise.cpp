#include "content/Noise.h"

#include <cmath>

Noise::Noise(uint32_t s) : seed(s * 2654435761u + 12345u), state(s ^ 0x9e3779b9u) {}

float Noise::hash(int x, int y) const {
    uint32_t h = seed ^ (uint32_t(x) * 374761393u) ^ (uint32_t(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xffffff) / float(0xffffff);
}

float Noise::value(float x, float y, int period) const {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto cell = [&](int cx, int cy) {
        if (period > 0) {
            cx = ((cx % period) + period) % period;
            cy = ((cy % period) + period) % period;
        }
        return hash(cx, cy);
    };
    const float a = cell(x0, y0), b = cell(x0 + 1, y0), c = cell(x0, y0 + 1), d = cell(x0 + 1, y0 + 1);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float Noise::fractal(float x, float y, int period, int octaves) const {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += value(x, y, period) * amp;
        norm += amp;
        x *= 2;
        y *= 2;
        period *= 2;
        amp *= 0.5f;
    }
    return sum / norm;
}

float Noise::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return float(state & 0xffffff) / float(0xffffff);
}
