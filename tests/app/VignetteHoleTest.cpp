// The clear centre of a vignette picture, as rectangles in which linear
// filtering reads only texels of alpha 0.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/VignetteHole.h"

namespace {

// A picture clear inside an ellipse of radius r (of the half sizes) about the
// middle and darkening outside it, as the game's vignette does.
std::vector<uint8_t> clearCentre(int32_t width, int32_t height, float r) {
    std::vector<uint8_t> alpha;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const float dx = (static_cast<float>(x) + 0.5f) / (0.5f * static_cast<float>(width)) - 1.0f;
            const float dy = (static_cast<float>(y) + 0.5f) / (0.5f * static_cast<float>(height)) - 1.0f;
            const float d = std::sqrt(dx * dx + dy * dy);
            alpha.push_back(d < r ? 0 : static_cast<uint8_t>(std::fmin(255.0f, 1.0f + 400.0f * (d - r))));
        }
    }
    return alpha;
}

// The texel of a linear filter's footprint at coordinate c: the lower of the two.
int32_t lowerTexel(float c, int32_t size) { return static_cast<int32_t>(std::floor(c * static_cast<float>(size) - 0.5f)); }

}  // namespace

TEST(VignetteHole, SpansReadOnlyClearTexelsAndCoverMostOfTheCentre) {
    const int32_t w = 96;
    const int32_t h = 64;
    const std::vector<uint8_t> alpha = clearCentre(w, h, 0.5f);
    VignetteHole hole;
    hole.findVignetteHole(alpha, w, h);
    ASSERT_FALSE(hole.spans().empty());
    float area = 0.0f;
    float below = 0.0f;
    for (const VignetteHole::Span& span : hole.spans()) {
        EXPECT_LT(span.u0, span.u1);
        EXPECT_LT(span.t0, span.t1);
        EXPECT_LE(below, span.t0);  // from the top down, apart
        below = span.t1;
        area += (span.u1 - span.u0) * (span.t1 - span.t0);
        // Every point of the span, a little beyond its edges too, reads two
        // clear texels each way.
        for (float t = span.t0 - 0.1f / h; t <= span.t1 + 0.1f / h; t += 0.25f / h) {
            for (float u = span.u0 - 0.1f / w; u <= span.u1 + 0.1f / w; u += 0.25f / w) {
                const int32_t x = lowerTexel(u, w);
                const int32_t y = lowerTexel(t, h);
                for (int32_t k = 0; k < 4; ++k) {
                    const size_t texel = static_cast<size_t>((y + k / 2) * w + x + k % 2);
                    ASSERT_EQ(0, alpha[texel]) << "u " << u << " t " << t;
                }
            }
        }
    }
    // The ellipse holds pi / 16 of the picture; the spans over half of it.
    EXPECT_GT(area, 0.5f * 3.14159f / 16.0f);
}

TEST(VignetteHole, APictureWithoutAClearMiddleHasNoHole) {
    VignetteHole hole;
    std::vector<uint8_t> alpha = clearCentre(32, 32, 0.5f);
    alpha[16 * 32 + 16] = 1;
    hole.findVignetteHole(alpha, 32, 32);
    EXPECT_TRUE(hole.spans().empty());
    // Too small, or cut short: nothing, and an earlier hole is forgotten.
    hole.findVignetteHole(clearCentre(32, 32, 0.5f), 32, 32);
    EXPECT_FALSE(hole.spans().empty());
    hole.findVignetteHole(std::vector<uint8_t>(4, 0), 2, 2);
    EXPECT_TRUE(hole.spans().empty());
    hole.findVignetteHole(std::vector<uint8_t>(10, 0), 32, 32);
    EXPECT_TRUE(hole.spans().empty());
}
