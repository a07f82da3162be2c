#include <gtest/gtest.h>

#include <vector>

#include "engine/FaceOverlap.h"

namespace {

// Appends the triangle a, b, c.
void triangle(std::vector<float>& p, const float (&a)[3], const float (&b)[3], const float (&c)[3]) {
    p.insert(p.end(), a, a + 3);
    p.insert(p.end(), b, b + 3);
    p.insert(p.end(), c, c + 3);
}

const float kA[3] = {0, 0, 0}, kB[3] = {2, 0, 0}, kC[3] = {2, 2, 0}, kD[3] = {0, 2, 0};

}  // namespace

TEST(FaceOverlap, FacesThatShareOnlyAnEdgeOrAPlaneApartDoNotOverlap) {
    std::vector<float> quad;
    triangle(quad, kA, kB, kC);
    triangle(quad, kA, kC, kD);
    EXPECT_FALSE(facesOverlapInOnePlane(quad));
    // The same quad again a little above, and a face without area on it.
    const float a[3] = {0, 0, 0.01f}, b[3] = {2, 0, 0.01f}, c[3] = {2, 2, 0.01f};
    triangle(quad, a, b, c);
    triangle(quad, kA, kB, kB);
    EXPECT_FALSE(facesOverlapInOnePlane(quad));
    // A face and its back: with back faces culled only one is ever drawn.
    std::vector<float> twoSided;
    triangle(twoSided, kA, kB, kC);
    triangle(twoSided, kC, kB, kA);
    EXPECT_FALSE(facesOverlapInOnePlane(twoSided));
    // Two triangles meeting at one corner only.
    std::vector<float> corner;
    const float e[3] = {4, 0, 0}, f[3] = {4, 2, 0};
    triangle(corner, kA, kB, kC);
    triangle(corner, kB, e, f);
    EXPECT_FALSE(facesOverlapInOnePlane(corner));
}

TEST(FaceOverlap, AFaceDrawnTwiceAndAStripLaidOnItOverlap) {
    std::vector<float> twice;
    triangle(twice, kA, kB, kC);
    triangle(twice, kB, kC, kA);
    EXPECT_TRUE(facesOverlapInOnePlane(twice));
    // A small triangle inside a large one of the same plane, made of other points.
    std::vector<float> strip;
    const float big[3][3] = {{-5, -5, 3}, {5, -5, 3}, {0, 5, 3}};
    const float small[3][3] = {{-1, 0, 3}, {1, 0, 3}, {0, 1, 3}};
    triangle(strip, big[0], big[1], big[2]);
    triangle(strip, small[0], small[1], small[2]);
    EXPECT_TRUE(facesOverlapInOnePlane(strip));
}

TEST(FaceOverlap, MarksEachFaceThatOverlapsAnotherAndNoOther) {
    // A quad, a strip inside its first triangle, and the quad's back.
    std::vector<float> p;
    triangle(p, kA, kB, kC);
    triangle(p, kA, kC, kD);
    const float s0[3] = {1.2f, 0.2f, 0}, s1[3] = {1.8f, 0.2f, 0}, s2[3] = {1.8f, 0.8f, 0};
    triangle(p, s0, s1, s2);
    triangle(p, kC, kB, kA);
    EXPECT_EQ((std::vector<bool>{true, false, true, false}), markOverlappingFaces(p));
    EXPECT_TRUE(facesOverlapInOnePlane(p));
    EXPECT_TRUE(markOverlappingFaces(std::vector<float>()).empty());
}
