#include "content/Rig.h"

int Rig::addBone(int parent, V3 pivot) {
    Bone b;
    b.parent = parent;
    b.pivot = pivot;
    bones.push_back(b);
    return int(bones.size()) - 1;
}

std::vector<BonePose> Rig::restPose() const { return std::vector<BonePose>(bones.size()); }

std::vector<MeshVertex> Rig::apply(const std::vector<MeshVertex>& base,
                                   const std::vector<BonePose>& pose,
                                   const Transform& after) const {
    std::vector<Transform> world(bones.size());
    for (size_t i = 0; i < bones.size(); ++i) {
        const BonePose p = i < pose.size() ? pose[i] : BonePose();
        const Transform local = Transform::translation(bones[i].pivot + p.offset) *
                                Transform::rotateXYZ(p.rotation) * Transform::scaling(p.scale) *
                                Transform::translation(bones[i].pivot * -1.0f);
        world[i] = bones[i].parent >= 0 ? world[size_t(bones[i].parent)] * local : local;
    }
    std::vector<MeshVertex> out = base;
    for (MeshVertex& v : out) {
        const Transform t = v.bone >= 0 && size_t(v.bone) < bones.size()
                                ? after * world[size_t(v.bone)]
                                : after;
        v.position = t.point(v.position);
        v.normal = t.normal(v.normal);
    }
    return out;
}
