#include "engine/MeshFaceRuns.h"

#include <cstddef>

void MeshFaceRuns::split(const std::vector<bool>& marks, int32_t first, int32_t count) {
    alone.clear();
    overlapping.clear();
    for (int32_t v = first; v < first + count; v += 3) {
        const size_t triangle = static_cast<size_t>(v / 3);
        std::vector<Run>& runs = triangle < marks.size() && marks[triangle] ? overlapping : alone;
        if (!runs.empty() && runs.back().first + runs.back().count == v) {
            runs.back().count += 3;
        } else {
            runs.push_back(Run{v, 3});
        }
    }
}

const std::vector<MeshFaceRuns::Run>& MeshFaceRuns::runsOf(MeshFaces faces) const {
    return faces == MeshFaces::overlapping ? overlapping : alone;
}

int32_t MeshFaceRuns::vertexCountOf(MeshFaces faces) const {
    int32_t total = 0;
    for (const Run& run : runsOf(faces)) {
        total += run.count;
    }
    return total;
}
