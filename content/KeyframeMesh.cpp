#include "content/KeyframeMesh.h"

void KeyframeMesh::setBase(const std::vector<MeshVertex>& base) {
    u.clear();
    v.clear();
    frames.clear();
    for (const MeshVertex& mv : base) {
        u.push_back(mv.u);
        v.push_back(mv.v);
    }
}

bool KeyframeMesh::addFrame(float time, const std::vector<MeshVertex>& posed) {
    if (posed.size() != u.size()) return false;
    if (time < 0 || (!frames.empty() && time < frames.back().time)) return false;
    Frame f;
    f.time = time;
    for (const MeshVertex& mv : posed) {
        f.positions.push_back(mv.position);
        f.normals.push_back(mv.normal);
    }
    frames.push_back(f);
    return true;
}
