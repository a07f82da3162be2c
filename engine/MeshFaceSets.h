#ifndef QUENDRALVOSS_ENGINE_MESHFACESETS_H
#define QUENDRALVOSS_ENGINE_MESHFACESETS_H

#include <cstdint>
#include <vector>

// Which faces of a mesh a draw covers: all of them, those that share no area
// of their plane with another face (alone), or those that do (overlapping).
enum class MeshFaces { all, alone, overlapping };

// One part of a mesh (a cluster, or the whole of a mesh without clusters)
// split into the vertices of the triangles that overlap another face in their
// plane and those of the others, each in the part's order, so that either set
// is drawn in one call.
struct MeshFaceSets {
    std::vector<uint32_t> alone;
    std::vector<uint32_t> overlapping;

    // Splits vertices first .. first + count - 1 by marks, one per triangle of
    // the whole mesh (true for an overlapping one).
    void split(const std::vector<bool>& marks, int32_t first, int32_t count);
    // The vertices of faces (alone or overlapping; all has no list of its own).
    const std::vector<uint32_t>& verticesOf(MeshFaces faces) const;
};

#endif
