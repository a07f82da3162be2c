#include "content/ModelKit.h"

#include "content/KeyframeMesh.h"
#include "content/MeshWriter.h"
#include "content/Noise.h"

#include <algorithm>
#include <cmath>

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

void bevelledSlab(MeshBuilder& b, float x0, float y0, float x1, float y1, float height, float bevel,
                  const bool sides[4], float tiltX, float tiltY) {
    const float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    const float tx0 = x0 + (sides[0] ? bevel : 0), ty0 = y0 + (sides[1] ? bevel : 0);
    const float tx1 = x1 - (sides[2] ? bevel : 0), ty1 = y1 - (sides[3] ? bevel : 0);
    auto top = [&](float x, float y) { return V3(x, y, height + tiltX * (x - cx) + tiltY * (y - cy)); };
    b.quad(top(tx0, ty0), top(tx1, ty0), top(tx1, ty1), top(tx0, ty1));
    b.quad(V3(x0, y0, 0), V3(x1, y0, 0), top(tx1, ty0), top(tx0, ty0));
    b.quad(V3(x1, y0, 0), V3(x1, y1, 0), top(tx1, ty1), top(tx1, ty0));
    b.quad(V3(x1, y1, 0), V3(x0, y1, 0), top(tx0, ty1), top(tx1, ty1));
    b.quad(V3(x0, y1, 0), V3(x0, y0, 0), top(tx0, ty0), top(tx0, ty1));
}

void stoneCourses(MeshBuilder& b, float x0, float x1, float y0, float y1, const Courses& c) {
    Noise n(c.seed);
    const int rows = std::max(1, int(std::lround((y1 - y0) / c.course)));
    const float h = (y1 - y0) / rows, half = c.joint * 0.5f;
    const int blocks = std::max(1, int(std::lround((x1 - x0) / c.block)));
    const float w = (x1 - x0) / blocks;
    for (int r = 0; r < rows; ++r) {
        const float ry0 = y0 + r * h, ry1 = ry0 + h;
        const float shift = (r % 2) ? w * 0.5f : 0.0f;
        for (int k = (r % 2) ? -1 : 0; k < blocks; ++k) {
            float bx0 = x0 + k * w + shift, bx1 = bx0 + w;
            const bool cutW = bx0 < x0, cutE = bx1 > x1 + 1e-4f;
            bx0 = std::max(bx0, x0);
            bx1 = std::min(bx1, x1);
            if (bx1 - bx0 < 1e-3f) continue;
            // Rows end at the rectangle's edge with half a joint; only a
            // block cut in two along a row meets its other half flush.
            const bool sides[4] = {!cutW, true, !cutE, true};
            const bool whole = !cutW && !cutE;
            const float j = whole ? c.jitter : 0.0f;
            const float rnd0 = n.hash(r * 131 + k, 7) - 0.5f, rnd1 = n.hash(r * 131 + k, 11) - 0.5f;
            const float rnd2 = n.hash(r * 131 + k, 13);
            bevelledSlab(b, bx0 + (cutW ? 0 : half), ry0 + half, bx1 - (cutE ? 0 : half), ry1 - half, c.relief * (1.0f + j * (rnd2 - 0.5f) * 2.0f), c.bevel, sides,
                         j * rnd0 * 0.25f, j * rnd1 * 0.25f);
        }
    }
}

}  // namespace modelkit
