#include "engine/MeshFaceSets.h"

#include <cstddef>

void MeshFaceSets::split(const std::vector<bool>& marks, int32_t first, int32_t count) {
    alone.clear();
    overlapping.clear();
    for (int32_t v = first; v < first + count; v += 3) {
        const size_t triangle = static_cast<size_t>(v / 3);
        std::vector<uint32_t>& set = triangle < marks.size() && marks[triangle] ? overlapping : alone;
        for (int32_t k = 0; k < 3; ++k) {
            set.push_back(static_cast<uint32_t>(v + k));
        }
    }
}

const std::vector<uint32_t>& MeshFaceSets::verticesOf(MeshFaces faces) const {
    return faces == MeshFaces::overlapping ? overlapping : alone;
}
