#ifndef QUENDRALVOSS_CONTENT_KEYFRAMEMESH_H
#define QUENDRALVOSS_CONTENT_KEYFRAMEMESH_H

#include <vector>

#include "content/MeshBuilder.h"

// A mesh ready for the file: one set of texture coordinates and a list of
// keyframes, each a posed copy of the same triangle list.
class KeyframeMesh {
public:
    struct Frame {
        float time = 0;
        std::vector<V3> positions;
        std::vector<V3> normals;
    };

    // Takes the texture coordinates (and the vertex count) from base.
    void setBase(const std::vector<MeshVertex>& base);
    // Appends a keyframe; false (nothing added) when the vertex count differs
    // from the base or the time is below the previous key.
    bool addFrame(float time, const std::vector<MeshVertex>& posed);
    int vertexCount() const { return int(u.size()); }
    int frameCount() const { return int(frames.size()); }
    float lastKey() const { return frames.empty() ? 0.0f : frames.back().time; }

    std::vector<float> u, v;
    std::vector<Frame> frames;
};

#endif
