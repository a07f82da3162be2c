#include <gtest/gtest.h>

#include <vector>

#include "engine/MeshFaceSets.h"

TEST(MeshFaceSets, SplitsAPartIntoTheVerticesOfEachSetInOrder) {
    const std::vector<bool> marks = {false, true, true, false, false, true};
    MeshFaceSets sets;
    sets.split(marks, 0, 18);
    EXPECT_EQ((std::vector<uint32_t>{0, 1, 2, 9, 10, 11, 12, 13, 14}), sets.alone);
    EXPECT_EQ((std::vector<uint32_t>{3, 4, 5, 6, 7, 8, 15, 16, 17}), sets.overlapping);

    // A part in the middle reads the marks of its own triangles only, and a
    // new split forgets the old sets.
    sets.split(marks, 6, 9);
    EXPECT_EQ((std::vector<uint32_t>{9, 10, 11, 12, 13, 14}), sets.alone);
    EXPECT_EQ((std::vector<uint32_t>{6, 7, 8}), sets.overlapping);
    EXPECT_EQ(&sets.overlapping, &sets.verticesOf(MeshFaces::overlapping));
    EXPECT_EQ(&sets.alone, &sets.verticesOf(MeshFaces::alone));
}
