#include <gtest/gtest.h>

#include <vector>

#include "engine/MeshFaceRuns.h"

namespace {

// The runs as (first, count) pairs, to compare at once.
std::vector<int32_t> flat(const std::vector<MeshFaceRuns::Run>& runs) {
    std::vector<int32_t> values;
    for (const MeshFaceRuns::Run& run : runs) {
        values.push_back(run.first);
        values.push_back(run.count);
    }
    return values;
}

}  // namespace

TEST(MeshFaceRuns, SplitsAPartIntoRunsOfNeighbouringTrianglesOfEachSet) {
    const std::vector<bool> marks = {false, true, true, false, false, true};
    MeshFaceRuns runs;
    runs.split(marks, 0, 18);
    EXPECT_EQ((std::vector<int32_t>{0, 3, 9, 6}), flat(runs.alone));
    EXPECT_EQ((std::vector<int32_t>{3, 6, 15, 3}), flat(runs.overlapping));
    EXPECT_EQ(9, runs.vertexCountOf(MeshFaces::alone));
    EXPECT_EQ(9, runs.vertexCountOf(MeshFaces::overlapping));

    // A part in the middle reads the marks of its own triangles only, and a
    // new split forgets the old runs.
    runs.split(marks, 6, 9);
    EXPECT_EQ((std::vector<int32_t>{9, 6}), flat(runs.alone));
    EXPECT_EQ((std::vector<int32_t>{6, 3}), flat(runs.overlapping));
    EXPECT_EQ(&runs.overlapping, &runs.runsOf(MeshFaces::overlapping));
    EXPECT_EQ(&runs.alone, &runs.runsOf(MeshFaces::alone));
}
