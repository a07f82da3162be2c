#include "content/FigureKit.h"

#include <cmath>

namespace figurekit {

namespace {
const float kTwoPi = 6.2831853f;
}

Transform frameAlong(V3 a, V3 b) {
    const V3 z = normalized(b - a);
    const V3 helper = std::fabs(z.x) < 0.9f ? V3(1, 0, 0) : V3(0, 1, 0);
    const V3 x = normalized(cross(helper, z));
    const V3 y = cross(z, x);
    Transform t;
    t.m[0][0] = x.x; t.m[0][1] = y.x; t.m[0][2] = z.x;
    t.m[1][0] = x.y; t.m[1][1] = y.y; t.m[1][2] = z.y;
    t.m[2][0] = x.z; t.m[2][1] = y.z; t.m[2][2] = z.z;
    t.t = a;
    return t;
}

void limb(MeshBuilder& m, V3 a, V3 b, float ra, float rb, int segments) {
    const float len = length(b - a);
    const size_t from = m.size();
    m.lathe({{0.0f, -ra * 0.9f}, {ra * 0.7f, -ra * 0.65f}, {ra, 0.0f}, {(ra + rb) * 0.5f, len * 0.5f},
             {rb, len}, {rb * 0.7f, len + rb * 0.65f}, {0.0f, len + rb * 0.9f}},
            V3(0, 0, 0), segments);
    m.transform(frameAlong(a, b), from);
    m.smoothNormals(from);
}

void drape(MeshBuilder& m, V3 c, float top, float bottom, float r0, float r1, int folds, float foldDepth,
           float ragged, float depth) {
    const int rings = 6, seg = folds * 4;
    const size_t from = m.size();
    auto at = [&](int k, int s) {
        const float t = float(k) / rings, a = kTwoPi * float(s % seg) / seg;
        const float ripple = 1.0f + foldDepth * t * std::sin(a * folds + 0.7f * std::sin(a * 3));
        const float r = (r0 + (r1 - r0) * t * (0.6f + 0.4f * t)) * ripple;
        float z = top + (bottom - top) * t;
        if (k == rings) z += ragged * (0.5f + 0.5f * std::sin(a * folds * 2.0f + 1.3f)) * (top - bottom);
        return c + V3(r * depth * std::cos(a), r * std::sin(a), z);
    };
    for (int k = 0; k < rings; ++k)
        for (int s = 0; s < seg; ++s) {
            const float u0 = float(s) / seg, u1 = float(s + 1) / seg;
            const float v0 = 1.0f - float(k) / rings, v1 = 1.0f - float(k + 1) / rings;
            const V3 p00 = at(k, s), p01 = at(k, s + 1), p10 = at(k + 1, s), p11 = at(k + 1, s + 1);
            m.triangle(p10, p11, p01, u0, v1, u1, v1, u1, v0);
            m.triangle(p10, p01, p00, u0, v1, u1, v0, u0, v0);
        }
    m.smoothNormals(from);
    m.addBackFaces(from);
}

void ring(MeshBuilder& m, V3 c, float radius, float thickness, float depth, int segments) {
    std::vector<V3> path;
    for (int s = 0; s <= segments; ++s) {
        const float a = kTwoPi * float(s) / segments;
        path.push_back(c + V3(radius * depth * std::cos(a), radius * std::sin(a), 0));
    }
    const size_t from = m.size();
    m.tube(path, thickness, 5);
    m.smoothNormals(from);
}

}  // namespace figurekit
