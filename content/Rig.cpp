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
    std::vector<bool> done(bones.size(), false);
    // Parents first, whatever their order in the list (a bone added later may
    // carry one added earlier, as the hand carries what it holds).
    for (size_t pass = 0; pass < bones.size(); ++pass)
        for (size_t i = 0; i < bones.size(); ++i) {
            const int parent = bones[i].parent;
            if (done[i] || (parent >= 0 && !done[size_t(parent)])) continue;
            const BonePose p = i < pose.size() ? pose[i] : BonePose();
            const Transform local = Transform::translation(bones[i].pivot + p.offset) *
                                    Transform::rotateXYZ(p.rotation) * Transform::scaling(p.scale) *
                                    Transform::translation(bones[i].pivot * -1.0f);
            world[i] = parent >= 0 ? world[size_t(parent)] * local : local;
            done[i] = true;
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
