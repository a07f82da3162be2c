// Where the generated things stand and how their pictures join: characters
// on their ground, pieces modelled in place at their room coordinates, the
// font on one baseline, tiling pictures without seams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "GeneratedContent.h"

namespace {

struct Bounds {
    float lo[3] = {1e9f, 1e9f, 1e9f};
    float hi[3] = {-1e9f, -1e9f, -1e9f};
};

// The extent of frame 0, leaving out zero-area padding triangles.
Bounds boundsOf(const MshFile& f) {
    Bounds b;
    const std::vector<float>& p = f.positions[0];
    for (int t = 0; t < f.vertexCount / 3; ++t) {
        const float* a = &p[size_t(t) * 9];
        const float ex = a[3] - a[0], ey = a[4] - a[1], ez = a[5] - a[2];
        const float fx = a[6] - a[0], fy = a[7] - a[1], fz = a[8] - a[2];
        const float cx = ey * fz - ez * fy, cy = ez * fx - ex * fz, cz = ex * fy - ey * fx;
        if (cx * cx + cy * cy + cz * cz < 1e-14f) continue;
        for (int c = 0; c < 9; ++c) {
            b.lo[c % 3] = std::min(b.lo[c % 3], a[c]);
            b.hi[c % 3] = std::max(b.hi[c % 3], a[c]);
        }
    }
    return b;
}

// Alpha (or red for RGB pictures) of one pixel of a decoded picture.
float channel(SDL_Surface* s, int x, int y, int c) {
    const int bpp = s->format->BytesPerPixel;
    return static_cast<const uint8_t*>(s->pixels)[y * s->pitch + x * bpp + c] / 255.0f;
}

}  // namespace

TEST_F(GeneratedContent, FiguresStandOnTheGroundOfTheirPlaces) {
    ASSERT_TRUE(generatedA);
    // Local z of the ground under each object (origin height above its floor).
    const std::map<int, float> ground = {{16, -1.565f}, {50, -1.565f}, {17, -1.0f},  {53, -1.0f},
                                         {19, -1.0f},   {61, -1.0f},   {20, -1.6f},  {13, -1.0f},
                                         {37, -0.6f},   {120, -0.357f}, {122, -0.357f}, {190, -1.14f},
                                         {187, -1.14f}, {188, -1.14f}, {172, 0.0f},  {184, 0.0f},
                                         {192, 0.0f},   {193, 0.0f},   {194, 0.0f},  {159, 0.0f},
                                         {12, 0.0f},    {14, 0.0f},    {27, 0.0f},   {25, -0.58f},
                                         {100, -0.0565f}, {108, -0.75f}, {131, -0.7357f}};
    for (const auto& g : ground) {
        const Bounds b = boundsOf(mesh(g.first));
        EXPECT_NEAR(b.lo[2], g.second, 0.08f) << "mesh " << g.first;
    }
    // The broomstick serves upright in both places: about 1.25 long about its middle.
    const Bounds stick = boundsOf(mesh(21));
    EXPECT_NEAR(stick.lo[2], -0.62f, 0.03f);
    EXPECT_NEAR(stick.hi[2], 0.62f, 0.03f);
    // The key lies under the rock and is hidden by it.
    const Bounds rock = boundsOf(mesh(14)), key = boundsOf(mesh(15));
    for (int c = 0; c < 2; ++c) {
        EXPECT_LT(rock.lo[c], key.lo[c]);
        EXPECT_GT(rock.hi[c], key.hi[c]);
    }
    EXPECT_GT(rock.hi[2], key.hi[2] + 0.012f);
}

TEST_F(GeneratedContent, PiecesModelledInPlaceSitAtTheirRoomCoordinates) {
    ASSERT_TRUE(generatedA);
    // The house (world = local + (12.5, 7.5, 0)): floors at 1.0 and up to the
    // upper floor's ceiling, front wall at y 29.28..29.5.
    const Bounds house = boundsOf(mesh(156));
    EXPECT_NEAR(house.lo[2], 1.0f, 0.01f);
    EXPECT_GT(house.hi[2], 11.0f);
    EXPECT_NEAR(house.lo[1] + 7.5f, 29.5f, 0.05f);
    EXPECT_NEAR(house.lo[0] + 12.5f, 1.5f, 0.05f);
    const Bounds front = boundsOf(mesh(205));
    EXPECT_NEAR(front.lo[1] + 7.5f, 29.28f, 0.01f);
    // The letter lies ten units above its origin, the desk's top.
    const Bounds letter = boundsOf(mesh(201));
    EXPECT_NEAR(letter.lo[2], 10.0f, 0.01f);
    EXPECT_NEAR(letter.hi[2], 10.0f, 0.01f);
    // The well's grotto: pedestal top at 0.9 inside the shaft.
    const Bounds grotto = boundsOf(mesh(143));
    EXPECT_LE(grotto.lo[2], 0.0f);
    // The turned-over tunnel floor: world z 0 is local z +1.
    EXPECT_NEAR(boundsOf(mesh(227)).hi[2], 1.0f, 0.01f);
    // A tunnel floor tile: its top 1 below its origin, 1.5 long.
    const Bounds tile = boundsOf(mesh(241));
    EXPECT_NEAR(tile.hi[2], -1.0f, 0.05f);
    EXPECT_NEAR(tile.hi[0] - tile.lo[0], 1.5f, 0.01f);
    // Menu columns repeat every unit along y.
    for (int n : {70, 71}) {
        const Bounds c = boundsOf(mesh(n));
        EXPECT_GE(c.lo[1], -0.001f) << n;
        EXPECT_LE(c.hi[1], 1.001f) << n;
        EXPECT_GT(c.hi[1] - c.lo[1], 0.95f) << n;
    }
    // The menu scene stays inside the fog: nothing beyond x -0.52.
    for (int n : {68, 70, 71, 73, 75, 78}) EXPECT_GT(boundsOf(mesh(n)).lo[0], -0.53f) << n;
    // The room 7 eyes stand north of the hall's doorway.
    EXPECT_GT(boundsOf(mesh(251)).lo[1], -2.2f);
}

TEST_F(GeneratedContent, FontGlyphsShareOneBaseline) {
    ASSERT_TRUE(generatedA);
    // The lowest covered row of letters without descenders is the same.
    auto lowestRow = [&](int code) {
        int mode = 0;
        SDL_Surface* s = nullptr;
        decodePicture(readPlain(root + "/a/0/" + std::to_string(code) + ".dat"), mode, nullptr, nullptr, &s);
        int lowest = -1;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                if (channel(s, x, y, 3) > 0.5f) lowest = y;
        SDL_FreeSurface(s);
        return lowest;
    };
    const int base = lowestRow('A');
    for (int code : {'B', 'x', 'm', '1', 'E'}) EXPECT_NEAR(lowestRow(code), base, 1) << char(code);
    EXPECT_GT(lowestRow('g'), base + 4);  // descenders go below it
    EXPECT_LT(lowestRow('g'), 63);        // and stay inside the square
}

TEST_F(GeneratedContent, TilingPicturesJoinWithoutSeams) {
    ASSERT_TRUE(generatedA);
    // Across the wrap (last column to first, last row to first) a tiling
    // picture changes no more than between neighbouring columns inside it.
    for (int n : {2, 6, 69, 230, 231}) {
        int mode = 0, w = 0, h = 0;
        SDL_Surface* s = nullptr;
        decodePicture(resource(n), mode, &w, &h, &s);
        ASSERT_NE(s, nullptr) << n;
        const int c = s->format->BytesPerPixel == 4 && n == 230 ? 3 : 0;
        double wrapX = 0, insideX = 0, wrapY = 0, insideY = 0;
        for (int i = 0; i < h; ++i) {
            wrapX += std::fabs(channel(s, w - 1, i, c) - channel(s, 0, i, c));
            insideX += std::fabs(channel(s, w / 2, i, c) - channel(s, w / 2 - 1, i, c));
        }
        for (int i = 0; i < w; ++i) {
            wrapY += std::fabs(channel(s, i, h - 1, c) - channel(s, i, 0, c));
            insideY += std::fabs(channel(s, i, h / 2, c) - channel(s, i, h / 2 - 1, c));
        }
        SDL_FreeSurface(s);
        EXPECT_LE(wrapX, insideX * 2.5 + 1.0) << n;
        EXPECT_LE(wrapY, insideY * 2.5 + 1.0) << n;
    }
}
