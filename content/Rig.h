#ifndef QUENDRALVOSS_CONTENT_RIG_H
#define QUENDRALVOSS_CONTENT_RIG_H

#include <vector>

#include "content/MeshBuilder.h"
#include "content/Transform.h"

// Rotation (degrees about X, Y, Z), scale and offset of one bone in a pose.
struct BonePose {
    V3 rotation;
    V3 offset;
    V3 scale = V3(1, 1, 1);
};

// A bone turns its vertices about its pivot and carries its children.
struct Bone {
    int parent = -1;  // -1: the root
    V3 pivot;
};

// A hierarchy of bones that poses a model: each vertex follows the bone its
// `bone` field names. A bone may come before or after its parent; a bone
// whose parent chain never reaches a root stays unmoved.
class Rig {
public:
    // Adds a bone and returns its index.
    int addBone(int parent, V3 pivot);
    // Moves an existing bone under another parent (e.g. a held thing onto a
    // hand bone added after it).
    void reparent(int bone, int parent) { bones[size_t(bone)].parent = parent; }
    // A pose with every bone at rest.
    std::vector<BonePose> restPose() const;
    // The vertices moved by the pose, then by `after` (e.g. a facing turn);
    // vertices whose bone is outside the rig stay where they are.
    std::vector<MeshVertex> apply(const std::vector<MeshVertex>& base,
                                  const std::vector<BonePose>& pose,
                                  const Transform& after = Transform()) const;

    std::vector<Bone> bones;
};

#endif
