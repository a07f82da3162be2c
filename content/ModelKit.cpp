#include "content/ModelKit.h"

#include "content/KeyframeMesh.h"
#include "content/MeshWriter.h"

namespace modelkit {

std::vector<uint8_t> still(const MeshBuilder& b) {
    KeyframeMesh m;
    m.setBase(b.vertices);
    m.addFrame(0, b.vertices);
    return encodeMesh(m);
}

std::vector<uint8_t> held(const MeshBuilder& b, float last) {
    KeyframeMesh m;
    m.setBase(b.vertices);
    m.addFrame(0, b.vertices);
    m.addFrame(last, b.vertices);
    return encodeMesh(m);
}

std::vector<uint8_t> posed(const std::vector<MeshVertex>& base, const Rig& rig, const PoseKeys& keys,
                           const Transform& after) {
    KeyframeMesh m;
    m.setBase(base);
    for (const auto& k : keys)
        if (!m.addFrame(k.first, rig.apply(base, k.second, after))) return {};
    return encodeMesh(m);
}

void placeMarkers(std::vector<MeshVertex>& v, const std::vector<Marker>& markers, V3 pad) {
    arrangeMarkers(v, markers, pad, 0);
}

PoseKeys loop(const std::vector<std::vector<BonePose>>& poses, float period) {
    PoseKeys keys;
    const size_t n = poses.size();
    for (size_t i = 0; i < n; ++i) keys.push_back({period * float(i) / float(n), poses[i]});
    keys.push_back({period, poses[0]});
    return keys;
}

}  // namespace modelkit
