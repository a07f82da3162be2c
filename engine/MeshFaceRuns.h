#ifndef QUENDRALVOSS_ENGINE_MESHFACERUNS_H
#define QUENDRALVOSS_ENGINE_MESHFACERUNS_H

#include <cstdint>
#include <vector>

// Which faces of a mesh a draw covers: all of them, those that share no area
// of their plane with another face (alone), or those that do (overlapping).
enum class MeshFaces { all, alone, overlapping };

// One part of a mesh (a cluster, or the whole of a mesh without clusters)
// split into runs of consecutive triangles that overlap another face in their
// plane and runs that do not, in the part's order.
struct MeshFaceRuns {
    struct Run {
        int32_t first;  // first vertex
        int32_t count;  // vertices, a multiple of 3
    };
    std::vector<Run> alone;
    std::vector<Run> overlapping;

    // Splits vertices first .. first + count - 1 by marks, one per triangle of
    // the whole mesh (true for an overlapping one).
    void split(const std::vector<bool>& marks, int32_t first, int32_t count);
    // The runs of faces (alone or overlapping; all has no runs of its own).
    const std::vector<Run>& runsOf(MeshFaces faces) const;
    // The vertices in the runs of faces.
    int32_t vertexCountOf(MeshFaces faces) const;
};

#endif
