// Street, garden, well and shed pieces, placed as the room tables put them.
#include <algorithm>
#include <cmath>
#include <utility>

#include "catalog/ResourceCatalog.h"
#include "content/HouseLayout.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"
#include "content/Noise.h"

namespace {

using modelkit::held;
using modelkit::still;

// Flagstones over a 5 x 5 tile at z 0, on a bed of joints 0.03 below;
// ten rows of ten, so tiles laid edge to edge continue the pattern.
// `keep` says which stones to lay (the crack's and the well's openings).
template <typename Keep>
void flagstones(MeshBuilder& b, Keep keep) {
    MeshBuilder stones;
    // course, block, relief, bevel, joint, jitter, seed
    const modelkit::Courses c{0.5f, 0.5f, 0.03f, 0.035f, 0.04f, 0.6f, 8};
    modelkit::stoneCourses(stones, -2.5f, 2.5f, -2.5f, 2.5f, c);
    // Each stone is five quads (30 corners), its top first; lay the ones
    // kept, judged by the middle of the top.
    for (size_t s = 0; s + 30 <= stones.size(); s += 30) {
        const V3 p = (stones.vertices[s].position + stones.vertices[s + 2].position) * 0.5f;
        if (!keep(p.x, p.y)) continue;
        for (size_t k = s; k < s + 30; ++k) {
            MeshVertex v = stones.vertices[k];
            v.position.z -= 0.03f;
            b.vertices.push_back(v);
        }
    }
}

MeshBuilder groundTile(bool crack, bool well) {
    MeshBuilder b;
    // The bed at z -0.03, 5 x 5, a few subdivisions for lighting. The
    // well's tile is finer so that its opening hugs the rim (radius 1),
    // which hides the ragged edge.
    const int n = well ? 20 : 5;
    const float cell = 5.0f / n, bed = -0.03f;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const float x0 = -2.5f + i * cell, y0 = -2.5f + j * cell;
            if (well && std::hypot(x0 + cell * 0.5f + 1.65f, y0 + cell * 0.5f - 1.63f) < 0.8f) continue;
            if (crack && i == 2 && j == 3) continue;
            b.quad(V3(x0, y0, bed), V3(x0 + cell, y0, bed), V3(x0 + cell, y0 + cell, bed), V3(x0, y0 + cell, bed));
        }
    if (crack) {
        // The cell around (-0.5, 1.0): two halves with a slot between, 0.2 deep.
        b.quad(V3(-0.5f, 0.5f, bed), V3(0.5f, 0.5f, bed), V3(0.5f, 0.9f, bed), V3(-0.5f, 0.9f, bed));
        b.quad(V3(-0.5f, 1.1f, bed), V3(0.5f, 1.1f, bed), V3(0.5f, 1.5f, bed), V3(-0.5f, 1.5f, bed));
        b.quad(V3(-0.5f, 0.9f, -0.22f), V3(0.5f, 0.9f, -0.22f), V3(0.5f, 1.1f, -0.22f), V3(-0.5f, 1.1f, -0.22f));
        b.quad(V3(-0.5f, 0.9f, bed), V3(0.5f, 0.9f, bed), V3(0.5f, 0.9f, -0.22f), V3(-0.5f, 0.9f, -0.22f));
        b.quad(V3(0.5f, 1.1f, bed), V3(-0.5f, 1.1f, bed), V3(-0.5f, 1.1f, -0.22f), V3(0.5f, 1.1f, -0.22f));
    }
    if (well) {
        // The shaft opening: a ring hole lined with stone going down.
        b.cylinder(V3(-1.65f, 1.63f, -3.0f), 0.55f, 3.0f, 16, false);
        b.flipFaces(b.size() - 16 * 6);
    }
    flagstones(b, [&](float x, float y) {
        // Stones are kept off the crack's slot and out of the well's rim.
        if (crack && x > -0.6f && x < 0.6f && y > 0.5f && y < 1.5f) return false;
        if (well && std::hypot(x + 1.65f, y - 1.63f) < 1.3f) return false;
        return true;
    });
    // UVs for the shed's wood (upper half of its atlas), one plank set per tile.
    b.planarUv(V3(0.2f, 0, 0), 0.5f, V3(0, 0.1f, 0), 0.75f);
    return b;
}

// Stone courses on one long face of a wall piece over x0..x1, z0..z1 (local
// to a wall whose middle is y 0), standing out from y = `face` toward -y
// when `south`, else toward +y.
void wallFace(MeshBuilder& b, float x0, float x1, float z0, float z1, float face, bool south, uint32_t seed) {
    MeshBuilder f;
    // course, block, relief, bevel, joint, jitter, seed
    const modelkit::Courses c{0.27f, 0.625f, 0.05f, 0.025f, 0.03f, 0.5f, seed};
    if (south) {
        modelkit::stoneCourses(f, x0, x1, z0, z1, c);
        f.transform(Transform::translation(V3(0, -face, 0)) * Transform::rotationX(90));
    } else {
        modelkit::stoneCourses(f, -x1, -x0, z0, z1, c);
        f.transform(Transform::translation(V3(0, face, 0)) * Transform::rotationZ(180) * Transform::rotationX(90));
    }
    b.merge(f);
}

// A run of wall over x0..x1, 2 high about its origin (z -1..1) and 0.6
// deep: a plinth, coursed stone on both faces and a ridged coping, all
// inside the wall's collision box.
void wallRun(MeshBuilder& b, float x0, float x1, uint32_t seed) {
    const float cx = (x0 + x1) * 0.5f, hx = (x1 - x0) * 0.5f;
    b.box(V3(cx, 0, 0.05f), V3(hx, 0.24f, 0.8f));                 // the core
    b.box(V3(cx, 0, -0.9f), V3(hx, 0.3f, 0.1f));                  // plinth
    b.quad(V3(x0, -0.3f, -0.8f), V3(x1, -0.3f, -0.8f), V3(x1, -0.24f, -0.74f), V3(x0, -0.24f, -0.74f));
    b.quad(V3(x1, 0.3f, -0.8f), V3(x0, 0.3f, -0.8f), V3(x0, 0.24f, -0.74f), V3(x1, 0.24f, -0.74f));
    wallFace(b, x0, x1, -0.74f, 0.82f, 0.24f, true, seed);
    wallFace(b, x0, x1, -0.74f, 0.82f, 0.24f, false, seed + 1);
    b.box(V3(cx, 0, 0.86f), V3(hx, 0.3f, 0.04f));                 // coping slab
    b.quad(V3(x0, -0.3f, 0.9f), V3(x1, -0.3f, 0.9f), V3(x1, 0, 0.99f), V3(x0, 0, 0.99f));
    b.quad(V3(x1, 0.3f, 0.9f), V3(x0, 0.3f, 0.9f), V3(x0, 0, 0.99f), V3(x1, 0, 0.99f));
    b.triangle(V3(x0, 0.3f, 0.9f), V3(x0, -0.3f, 0.9f), V3(x0, 0, 0.99f));
    b.triangle(V3(x1, -0.3f, 0.9f), V3(x1, 0.3f, 0.9f), V3(x1, 0, 0.99f));
}

// A square pillar of dressed stone about (x, 0) with half width `hw` and
// half depth `hd`, from the ground (z -1) up to `top`, with a plinth and a
// two-step cap whose top is flat (the bird statues stand on the gateposts').
void pillar(MeshBuilder& b, float x, float hw, float hd, float top, uint32_t seed) {
    b.box(V3(x, 0, (-1.0f + top) * 0.5f), V3(hw - 0.04f, hd - 0.04f, (top + 1.0f) * 0.5f));
    b.box(V3(x, 0, -0.88f), V3(hw, hd, 0.12f));
    // course, block, relief, bevel, joint, jitter, seed
    const modelkit::Courses c{0.3f, hw, 0.035f, 0.02f, 0.025f, 0.3f, seed};
    const float z0 = -0.76f, z1 = top - 0.14f;
    for (int side = 0; side < 4; ++side) {
        // Faces in turn: -y, +x, +y, -x, each built facing +z then stood up.
        const float half = side % 2 ? hd : hw, depth = side % 2 ? hw : hd;
        MeshBuilder f;
        modelkit::stoneCourses(f, -half + 0.005f, half - 0.005f, z0, z1, c);
        f.transform(Transform::translation(V3(x, 0, 0)) * Transform::rotationZ(90.0f * side) *
                    Transform::translation(V3(0, -(depth - 0.04f), 0)) * Transform::rotationX(90));
        b.merge(f);
    }
    b.box(V3(x, 0, top - 0.1f), V3(hw + 0.04f, hd + 0.04f, 0.04f));
    b.box(V3(x, 0, top - 0.03f), V3(hw, hd, 0.03f));
}

MeshBuilder wall(bool gate) {
    MeshBuilder b;
    if (!gate) {
        wallRun(b, -2.5f, 2.5f, 7);
        return b;
    }
    // Segment x 10..15 about 12.5: the wall on either side, the two
    // gateposts (the statues stand on their caps at 0.92) and the gap.
    wallRun(b, -2.5f, -1.233f, 10);
    wallRun(b, 1.533f, 2.5f, 11);
    pillar(b, -0.9f, 0.333f, 0.333f, 0.92f, 12);
    pillar(b, 1.2f, 0.333f, 0.333f, 0.92f, 13);
    return b;
}

// A clipped hedge: a rounded block of half sizes hx, hy and `height` from
// the ground, its surface broken into leafy facets by noise (each facet a
// little turned, so the reflection speckles it) with leaf sprigs standing
// out. Stays within about 0.08 outside hx, hy.
MeshBuilder hedge(float hx, float hy, float height, uint32_t seed) {
    MeshBuilder b;
    Noise n(seed);
    const int cells = 12;
    const float amp = 0.1f;
    // Faces of the unit cube (skip the bottom): origin corner, two edges.
    const V3 faces[5][3] = {{V3(-1, -1, 1), V3(2, 0, 0), V3(0, 2, 0)},  {V3(-1, -1, -1), V3(2, 0, 0), V3(0, 0, 2)},
                            {V3(1, -1, -1), V3(0, 2, 0), V3(0, 0, 2)},  {V3(1, 1, -1), V3(-2, 0, 0), V3(0, 0, 2)},
                            {V3(-1, 1, -1), V3(0, -2, 0), V3(0, 0, 2)}};
    // Noise over the surface from three planar lookups, so no direction
    // shows stripes: big bulges of foliage and small leafy facets.
    auto field = [&](V3 q, float f) {
        return (n.value(q.x * f + 11, q.y * f + 3, 0) + n.value(q.y * f + 7, q.z * f + 13, 0) +
                n.value(q.z * f + 5, q.x * f + 17, 0)) / 3.0f - 0.5f;
    };
    auto place = [&](V3 q) {
        // Round the block's edges, then push the surface in and out.
        const V3 top(q.x, q.y, q.z > 0 ? q.z : 0.0f);
        const float l = length(top);
        const float m = std::max(std::fabs(q.x), std::max(std::fabs(q.y), top.z));
        const V3 r = l > 0 ? q * (1.0f + 0.45f * (m / l - 1.0f)) : q;
        const float push = (field(q, 2.2f) * 1.6f + field(q, 9.0f) * 1.4f) * amp;
        const V3 out = normalized(V3(r.x, r.y, r.z > 0 ? r.z : 0.0f));
        return V3(r.x * (hx - amp) + out.x * push, r.y * (hy - amp) + out.y * push,
                  (r.z + 1.0f) * 0.5f * (height - amp) + std::max(0.0f, out.z) * push);
    };
    for (int f = 0; f < 5; ++f)
        for (int i = 0; i < cells; ++i)
            for (int j = 0; j < cells; ++j) {
                const V3 o = faces[f][0], e = faces[f][1], g = faces[f][2];
                auto at = [&](int a, int c) { return place(o + e * (float(a) / cells) + g * (float(c) / cells)); };
                b.quad(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
            }
    // Sprigs of leaves over the surface: small tilted diamonds standing
    // out of it, each turned its own way so the light catches some of them.
    const size_t surface = b.size();
    for (size_t t = 0; t < surface; t += 6 * 2) {
        if (n.hash(int(t), 3) > 0.55f) continue;
        const V3 c = (b.vertices[t].position + b.vertices[t + 1].position + b.vertices[t + 2].position) * (1.0f / 3);
        const V3 nrm = b.vertices[t].normal;
        const V3 side = normalized(cross(nrm, std::fabs(nrm.z) < 0.9f ? V3(0, 0, 1) : V3(1, 0, 0)));
        const V3 up = cross(side, nrm);
        const float a = n.hash(int(t), 5) * 6.2832f, len = 0.07f + 0.05f * n.hash(int(t), 7);
        const V3 d1 = (side * std::cos(a) + up * std::sin(a)) * len, d2 = (up * std::cos(a) - side * std::sin(a)) * (len * 0.45f);
        const V3 lift = nrm * (0.02f + 0.03f * n.hash(int(t), 9));
        const V3 base = c - nrm * 0.01f;
        b.triangle(base - d1, base - d2 + lift, base + d1 + lift * 1.5f);
        b.triangle(base - d1, base + d1 + lift * 1.5f, base + d2 + lift);
    }
    b.addBackFaces(surface);
    return b;
}

// The well's head: a ring of stones in three courses (radius 0.52 to 0.97)
// under a dressed rim, origin at the middle of its height (z -0.25..0.25).
MeshBuilder wellHead() {
    MeshBuilder b;
    const float pi = 3.14159265f;
    b.lathe({{0.5f, -0.25f}, {0.93f, -0.25f}, {0.93f, 0.16f}, {0.5f, 0.16f}, {0.5f, -0.25f}}, V3(0, 0, 0), 20);
    Noise n(106);
    for (int course = 0; course < 3; ++course) {
        const int count = 11;
        const float z0 = -0.25f + course * 0.137f, z1 = z0 + 0.13f;
        for (int k = 0; k < count; ++k) {
            const float a0 = (k + (course % 2) * 0.5f) * 2 * pi / count + 0.02f;
            const float a1 = a0 + 2 * pi / count - 0.04f;
            const float out = 0.95f + 0.02f * n.hash(course, k);
            // Outer face in three facets, then the top and the two ends.
            for (int s = 0; s < 3; ++s) {
                const float b0 = a0 + (a1 - a0) * s / 3, b1 = a0 + (a1 - a0) * (s + 1) / 3;
                const float ra = s == 0 ? out - 0.02f : out, rb = s == 2 ? out - 0.02f : out;
                b.quad(V3(ra * std::cos(b0), ra * std::sin(b0), z0 + 0.01f), V3(rb * std::cos(b1), rb * std::sin(b1), z0 + 0.01f),
                       V3((rb - 0.015f) * std::cos(b1), (rb - 0.015f) * std::sin(b1), z1 - 0.01f),
                       V3((ra - 0.015f) * std::cos(b0), (ra - 0.015f) * std::sin(b0), z1 - 0.01f));
            }
        }
    }
    // The rim: a dressed ring with rounded outer edge, overhanging a little.
    b.lathe({{0.48f, 0.16f}, {0.98f, 0.16f}, {1.0f, 0.19f}, {0.99f, 0.23f}, {0.96f, 0.25f}, {0.48f, 0.25f}, {0.48f, 0.16f}},
            V3(0, 0, 0), 28);
    return b;
}

// The dog house: plank walls on a sill, a pitched roof with overhanging
// eaves and a ridge board, and an arched opening toward -x (where the dog
// lies) that shows a dark inside. Origin 0.0565 above the ground.
MeshBuilder dogHouse() {
    MeshBuilder b;
    const float g = -0.0565f, hx = 0.78f, hy = 0.52f, wallTop = g + 0.85f, ridge = g + 1.3f;
    b.box(V3(0, 0, g + 0.04f), V3(hx + 0.04f, hy + 0.04f, 0.04f));             // sill
    // Side walls (along x) of horizontal boards, each a little proud of the one above.
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 6; ++k) {
            const float z0 = g + 0.08f + k * 0.13f;
            b.box(V3(0, side * (hy - 0.02f), z0 + 0.065f), V3(hx, 0.025f + 0.008f * ((k + 1) % 2), 0.063f));
        }
    // Gable ends: boards with a triangle above; the -x end has the opening.
    for (int end = -1; end <= 1; end += 2) {
        const float x = end * (hx - 0.02f);
        if (end > 0) {
            b.box(V3(x, 0, (g + 0.08f + wallTop) * 0.5f), V3(0.025f, hy - 0.04f, (wallTop - g - 0.08f) * 0.5f));
        } else {
            // Boards either side of the opening (0.44 wide, 0.6 high, arched).
            b.box(V3(x, -0.35f, (g + 0.08f + wallTop) * 0.5f), V3(0.025f, 0.13f, (wallTop - g - 0.08f) * 0.5f));
            b.box(V3(x, 0.35f, (g + 0.08f + wallTop) * 0.5f), V3(0.025f, 0.13f, (wallTop - g - 0.08f) * 0.5f));
            b.box(V3(x, 0, wallTop - 0.06f), V3(0.025f, 0.24f, 0.06f));
            // The arch: a frame of short boards round the top of the opening.
            const size_t arch = b.size();
            for (int s = 0; s < 6; ++s) {
                const float a0 = 3.14159f * s / 6, a1 = 3.14159f * (s + 1) / 6, cz = g + 0.5f;
                const V3 p0(x - 0.03f, 0.22f * std::cos(a0), cz + 0.2f * std::sin(a0));
                const V3 p1(x - 0.03f, 0.22f * std::cos(a1), cz + 0.2f * std::sin(a1));
                const V3 q0(x - 0.03f, 0.34f * std::cos(a0), cz + 0.34f * std::sin(a0));
                const V3 q1(x - 0.03f, 0.34f * std::cos(a1), cz + 0.34f * std::sin(a1));
                b.quad(p1, p0, q0, q1);
                b.quad(p0, p1, p1 + V3(0.05f, 0, 0), p0 + V3(0.05f, 0, 0));
            }
            b.addBackFaces(arch);
            // Boards under the arch's shoulders, and the dark inside behind.
            b.box(V3(x, -0.245f, g + 0.29f), V3(0.02f, 0.025f, 0.21f));
            b.box(V3(x, 0.245f, g + 0.29f), V3(0.02f, 0.025f, 0.21f));
            // Its normals point down, so the light and the reflection both
            // leave it dark, as a shadowed inside should be.
            const size_t inside = b.size();
            b.box(V3(0.05f, 0, g + 0.45f), V3(hx - 0.1f, hy - 0.08f, 0.37f));
            b.flipFaces(inside);
            for (size_t k = inside; k < b.size(); ++k) b.vertices[k].normal = V3(0, 0, -1);
        }
        // The gable triangle, facing out.
        const float gx = end * (hx - 0.01f);
        if (end > 0) b.triangle(V3(gx, -hy, wallTop), V3(gx, hy, wallTop), V3(gx, 0, ridge));
        else b.triangle(V3(gx, hy, wallTop), V3(gx, -hy, wallTop), V3(gx, 0, ridge));
    }
    // Roof: two boards sloping from the ridge past the walls, with thickness.
    for (int side = -1; side <= 1; side += 2) {
        const size_t from = b.size();
        const float run = hy + 0.1f, rise = ridge - wallTop, len = std::sqrt(run * run + rise * rise) + 0.05f;
        b.box(V3(0, side * len * 0.5f, 0), V3(hx + 0.12f, len * 0.5f, 0.025f));
        // Shingle steps along the slope.
        for (int k = 1; k < 4; ++k) b.box(V3(0, side * len * k / 4.0f, 0.03f), V3(hx + 0.12f, 0.012f, 0.012f));
        const float tilt = std::atan2(rise, run) * 57.2958f;
        b.transform(Transform::translation(V3(0, 0, ridge + 0.02f)) * Transform::rotationX(-side * tilt), from);
    }
    b.box(V3(0, 0, ridge + 0.05f), V3(hx + 0.14f, 0.04f, 0.04f));               // ridge board
    return b;
}

// The house's front door, 1.5 x 2.8 about (cx, 0, 0), 0.1 thick: stiles
// and rails framing six raised panels on each face.
MeshBuilder frontDoor(float cx) {
    MeshBuilder b;
    b.box(V3(cx, 0, 0), V3(0.75f, 0.035f, 1.4f));
    for (int face = 0; face < 2; ++face) {
        MeshBuilder f;
        // Stiles and rails, standing 0.015 proud of the core.
        const bool flat[4] = {false, false, false, false};
        for (float x : {-0.75f, -0.07f, 0.61f}) modelkit::bevelledSlab(f, x, -1.4f, x + 0.14f, 1.4f, 0.015f, 0, flat);
        for (float z : {-1.4f, -0.55f, 0.25f, 1.24f}) modelkit::bevelledSlab(f, -0.61f, z, 0.61f, z + 0.16f, 0.015f, 0, flat);
        // Panels between them, raised with a wide bevel.
        const bool all[4] = {true, true, true, true};
        for (float x : {-0.61f, 0.07f})
            for (const auto& r : {std::make_pair(-1.24f, -0.55f), std::make_pair(-0.39f, 0.25f), std::make_pair(0.41f, 1.24f)})
                modelkit::bevelledSlab(f, x + 0.02f, r.first + 0.02f, x + 0.52f, r.second - 0.02f, 0.012f, 0.06f, all);
        f.transform(Transform::translation(V3(cx, 0, 0)) * Transform::rotationZ(180.0f * face) *
                    Transform::translation(V3(0, -0.035f, 0)) * Transform::rotationX(90));
        b.merge(f);
    }
    return b;
}

MeshBuilder gateLeaf() {
    MeshBuilder b;
    // Bars between two rails, the lock box in the middle (leaf at x -0.765..0.765).
    b.box(V3(0, 0, 0.6f), V3(0.765f, 0.04f, 0.04f));
    b.box(V3(0, 0, -0.6f), V3(0.765f, 0.04f, 0.04f));
    for (int i = 0; i < 9; ++i) b.cylinder(V3(-0.72f + i * 0.18f, 0, -0.72f), 0.02f, 1.5f, 6);
    b.box(V3(0.55f, -0.05f, 0), V3(0.1f, 0.04f, 0.1f));
    return b;
}

std::vector<uint8_t> gateSwing(float fromDeg, float toDeg, float duration, float last) {
    // The leaf hinges at its -x end (local x -0.7) and turns about Z.
    MeshBuilder leaf = gateLeaf();
    leaf.transform(Transform::translation(V3(0.7f, 0, 0)));
    Rig rig;
    rig.addBone(-1, V3(0, 0, 0));
    modelkit::PoseKeys keys;
    for (int i = 0; i <= 4; ++i) {
        std::vector<BonePose> p(1);
        p[0].rotation = V3(0, 0, fromDeg + (toDeg - fromDeg) * i / 4.0f);
        keys.push_back({duration * i / 4.0f, p});
    }
    std::vector<BonePose> end(1);
    end[0].rotation = V3(0, 0, toDeg);
    keys.push_back({last, end});
    return modelkit::posed(leaf.vertices, rig, keys, Transform::translation(V3(-0.7f, 0, 0)));
}

MeshBuilder broomstick(bool bristles) {
    MeshBuilder b;
    b.cylinder(V3(0, 0, -0.62f), 0.022f, 1.24f, 8);
    if (bristles) b.cone(V3(0, 0, -0.62f), 0.12f, 0.35f, 10);
    return b;
}

// Monique's hat: a wide brim and a round crown about 0.2 high, origin at
// the brim's centre (upside down the crown rests on the street).
// Monique's hat: a wide brim with its edge turned up, a crown pinched in at
// the top, a band round the crown and a feather tucked into it on one side.
MeshBuilder hat() {
    MeshBuilder b;
    b.cylinder(V3(0, 0, 0), 0.2f, 0.012f, 20);
    const size_t rim = b.size();
    b.lathe({{0.2f, 0.006f}, {0.215f, 0.035f}}, V3(0, 0, 0), 20);
    b.addBackFaces(rim);
    b.lathe({{0.11f, 0.0f}, {0.108f, 0.12f}, {0.092f, 0.178f}, {0.05f, 0.196f}, {0.0f, 0.178f}}, V3(0, 0, 0.012f), 14);
    b.cylinder(V3(0, 0, 0.012f), 0.116f, 0.04f, 14, false);
    const size_t feather = b.size();
    b.sphere(V3(0, 0, 0.09f), V3(0.022f, 0.005f, 0.09f), 8, 6);
    b.transform(Transform::translation(V3(-0.02f, 0.118f, 0.04f)) * Transform::rotationY(-35), feather);
    return b;
}

MeshBuilder pumpkinShape(int carveStage) {
    MeshBuilder b;
    MeshBuilder::Profile p;
    for (int i = 0; i <= 10; ++i) {
        const float a = -1.5708f + 3.1416f * i / 10;
        p.push_back({i == 0 || i == 10 ? 0.0f : 0.45f * std::cos(a), 0.35f + 0.33f * std::sin(a)});
    }
    const size_t start = b.size();
    b.lathe(p, V3(0, 0, -0.7357f + 0.02f), 16);
    // Ribs: push the surface in and out around the axis.
    for (size_t i = start; i < b.size(); ++i) {
        V3& q = b.vertices[i].position;
        const float ang = std::atan2(q.y, q.x);
        const float k = 1.0f + 0.06f * std::cos(ang * 8);
        q.x *= k;
        q.y *= k;
    }
    b.setUvRect(0, 0.9f, 1, 1);
    if (carveStage < 1) b.cylinder(V3(0, 0, -0.7357f + 0.68f), 0.04f, 0.12f, 6);
    // Carved holes: dark patches on the face toward -x (seen from the porch side).
    b.setUvRect(0.45f, 0.3f, 0.55f, 0.4f);
    for (int s = 0; s < carveStage && s < 3; ++s) {
        const float y = s == 0 ? 0.15f : s == 1 ? -0.15f : 0.0f, z = s < 2 ? 0.45f : 0.22f;
        b.box(V3(-0.43f, y, -0.7357f + z), V3(0.03f, s < 2 ? 0.06f : 0.15f, s < 2 ? 0.06f : 0.04f));
    }
    if (carveStage >= 4) {
        // The last cut: a nose, and the mouth opened at both corners into a grin.
        b.box(V3(-0.44f, 0, -0.7357f + 0.34f), V3(0.03f, 0.035f, 0.045f));
        b.box(V3(-0.42f, 0.17f, -0.7357f + 0.27f), V3(0.03f, 0.04f, 0.04f));
        b.box(V3(-0.42f, -0.17f, -0.7357f + 0.27f), V3(0.03f, 0.04f, 0.04f));
    }
    // The face (and the painted face of the lit picture) turns to +x, toward
    // the side the pumpkin is reached from.
    b.transform(Transform::rotationZ(180));
    return b;
}

std::vector<uint8_t> litPumpkin(bool leaving) {
    MeshBuilder b = pumpkinShape(4);
    b.assignBone(0);
    const int t0 = int(b.size() / 3);
    b.triangle(V3(0.47f, -0.15f, -0.29f), V3(0.47f, -0.16f, -0.3f), V3(0.47f, -0.14f, -0.3f));
    b.triangle(V3(0.47f, 0.15f, -0.29f), V3(0.47f, 0.14f, -0.3f), V3(0.47f, 0.16f, -0.3f));
    modelkit::placeMarkers(b.vertices, {{1090, t0, 0}, {1092, t0 + 1, 0}}, V3(0, 0, 0));
    Rig rig;
    rig.addBone(-1, V3(0, 0, -0.7357f));
    std::vector<BonePose> a(1), c(1), d(1);
    c[0].scale = V3(1.03f, 1.03f, 0.97f);
    modelkit::PoseKeys keys = {{0, a}, {0.5f, c}, {1.0f, a}};
    if (leaving) {
        d[0].offset = V3(-1.5f, -2.0f, 0.3f);
        d[0].rotation = V3(0, 0, 40);
        std::vector<BonePose> gone = d;
        gone[0].scale = V3(0.01f, 0.01f, 0.01f);
        keys = {{0, a}, {1, c}, {2, a}, {4, d}, {6, gone}, {7, gone}};
    }
    return modelkit::posed(b.vertices, rig, keys);
}

MeshBuilder shed() {
    // Walls around world x -5.95..-3.35, y 38.3..41.3, origin (-4.6528, 39.8).
    MeshBuilder b;
    const float x0 = -1.3f, x1 = 1.3f, y0 = -1.5f, y1 = 1.5f, h = 2.6f, t = 0.1f;
    b.setUvRect(0, 0.5f, 1, 1);
    b.box(V3(0, y1 + t / 2, h / 2), V3(x1 + t, t / 2, h / 2));
    b.box(V3(x0 - t / 2, 0, h / 2), V3(t / 2, y1, h / 2));
    b.box(V3(x1 + t / 2, 0, h / 2), V3(t / 2, y1, h / 2));
    // South wall with the door opening around local x 0 (the door itself closed: planks).
    b.box(V3(-0.85f, y0 - t / 2, h / 2), V3(0.45f + t, t / 2, h / 2));
    b.box(V3(0.85f, y0 - t / 2, h / 2), V3(0.45f + t, t / 2, h / 2));
    b.box(V3(0, y0 - t / 2, 2.3f), V3(0.4f, t / 2, 0.3f));
    b.box(V3(0, y0 - t / 2 - 0.02f, 1.0f), V3(0.4f, 0.02f, 1.0f));
    // Roof.
    b.box(V3(0, 0, h + 0.05f), V3(x1 + 0.3f, y1 + 0.3f, 0.05f));
    // Upright boards on the inside of the walls (gaps between them), a rail
    // round the walls at mid height and rafters under the roof; the door's
    // opening (x -0.42..0.42 in the south wall) is left clear.
    const float bw = 0.2f, gap = 0.018f;
    for (float x = x0 + bw * 0.5f; x < x1; x += bw) {
        b.box(V3(x, y1 - 0.012f, h * 0.5f), V3(bw * 0.5f - gap, 0.012f, h * 0.5f));
        if (std::fabs(x) > 0.42f + bw * 0.5f) b.box(V3(x, y0 + 0.012f, h * 0.5f), V3(bw * 0.5f - gap, 0.012f, h * 0.5f));
    }
    for (float y = y0 + bw * 0.5f; y < y1; y += bw) {
        b.box(V3(x0 + 0.012f, y, h * 0.5f), V3(0.012f, bw * 0.5f - gap, h * 0.5f));
        b.box(V3(x1 - 0.012f, y, h * 0.5f), V3(0.012f, bw * 0.5f - gap, h * 0.5f));
    }
    b.box(V3(x0 + 0.04f, 0, 1.3f), V3(0.025f, y1 - 0.03f, 0.06f));
    b.box(V3(x1 - 0.04f, 0, 1.3f), V3(0.025f, y1 - 0.03f, 0.06f));
    b.box(V3(0, y1 - 0.04f, 1.3f), V3(x1 - 0.03f, 0.025f, 0.06f));
    for (float y = y0 + 0.4f; y < y1; y += 0.7f) b.box(V3(0, y, h - 0.08f), V3(x1, 0.05f, 0.08f));
    return b;
}

}  // namespace

// The flower by the wall: a stem with two leaves and a five-petalled head
// turned a little toward the street, large enough to show through fog.
MeshBuilder flower() {
    MeshBuilder b;
    b.tube({V3(0, 0, 0), V3(0.01f, 0.005f, 0.15f), V3(0.0f, 0.0f, 0.3f)}, 0.01f, 5);
    for (int side = -1; side <= 1; side += 2)
        b.sphere(V3(0.01f, side * 0.04f, 0.1f + 0.04f * side), V3(0.015f, 0.045f, 0.01f), 6, 3);
    const size_t head = b.size();
    for (int i = 0; i < 5; ++i) {
        const float a = i * 1.2566f;
        b.sphere(V3(0.04f * std::cos(a), 0.04f * std::sin(a), 0.01f), V3(0.035f, 0.035f, 0.014f), 7, 4);
    }
    b.sphere(V3(0, 0, 0.02f), V3(0.022f, 0.022f, 0.016f), 6, 4);
    b.transform(Transform::translation(V3(0, 0, 0.3f)) * Transform::rotationY(-15), head);
    return b;
}

// A lumpy field stone, big enough to hide the key under it.
MeshBuilder rock() {
    MeshBuilder b;
    b.sphere(V3(0, 0, 0.07f), V3(0.13f, 0.11f, 0.09f), 12, 8);
    for (MeshVertex& v : b.vertices) {
        const V3 p = v.position;
        const float bump = 1.0f + 0.12f * std::sin(p.x * 41 + p.y * 17) * std::cos(p.y * 37 - p.z * 23) +
                           0.06f * std::sin(p.z * 90 + p.x * 55);
        v.position = V3(p.x * bump, p.y * bump, std::max(0.0f, 0.07f + (p.z - 0.07f) * bump));
    }
    b.flatNormals();
    return b;
}

// An old iron key lying flat: a round bow, a long shank and a toothed bit.
MeshBuilder key() {
    MeshBuilder b;
    std::vector<V3> bow;
    for (int k = 0; k <= 12; ++k) {
        const float a = k * 0.5236f;
        bow.push_back(V3(-0.05f + 0.022f * std::cos(a), 0.022f * std::sin(a), 0.006f));
    }
    b.tube(bow, 0.006f, 5);
    const size_t shank = b.size();
    b.cylinder(V3(-0.028f, 0, 0.006f), 0.005f, 0.08f, 6, true);
    b.transform(Transform::rotateAbout(V3(-0.028f, 0, 0.006f), V3(0, 90, 0)), shank);
    b.box(V3(0.04f, -0.012f, 0.005f), V3(0.008f, 0.012f, 0.004f));
    b.box(V3(0.024f, -0.009f, 0.005f), V3(0.005f, 0.009f, 0.004f));
    return b;
}

// A thick candle with a rim of run wax and a wick, in a small dish.
MeshBuilder candle() {
    MeshBuilder b;
    b.lathe({{0.0f, 0.0f}, {0.03f, 0.0f}, {0.032f, 0.008f}, {0.018f, 0.01f}, {0.0f, 0.01f}}, V3(0, 0, 0), 12);
    b.cylinder(V3(0, 0, 0.008f), 0.015f, 0.095f, 10, true);
    b.sphere(V3(0.004f, 0.012f, 0.095f), V3(0.005f, 0.005f, 0.012f), 5, 3);
    b.cylinder(V3(0, 0, 0.103f), 0.0025f, 0.015f, 4, false);
    return b;
}

// A snake asleep in a coil: one body winding inward and upward from the thin
// tail on the ground, the last turn crossing the top of the pile to the
// wedge-shaped head that rests on it. The coil is oval, centred at y 0.15.
MeshBuilder sleepingSnake() {
    MeshBuilder b;
    std::vector<V3> path;
    const int steps = 40;
    for (int k = 0; k <= steps; ++k) {
        const float t = float(k) / steps, a = t * 2.4f * 6.2832f, r = 0.2f - 0.12f * t;
        path.push_back(V3(r * std::cos(a), 0.15f + 0.6f * r * std::sin(a), 0.028f + 0.085f * t * t));
    }
    // The body thickens from the tail over the first turn, then stays full.
    const float radii[5] = {0.01f, 0.018f, 0.026f, 0.032f, 0.032f};
    for (int part = 0; part < 5; ++part) {
        const int k0 = part * steps / 5, k1 = (part + 1) * steps / 5;
        b.tube(std::vector<V3>(path.begin() + k0, path.begin() + k1 + 1), radii[part], 7);
    }
    // The neck lies across the coil to the head, turned out along +x.
    const V3 end = path.back(), head(0.14f, 0.13f, 0.13f);
    b.tube({end, (end + head) * 0.5f + V3(0, 0, 0.012f), head}, 0.026f, 7);
    b.sphere(head + V3(0.035f, 0, 0), V3(0.055f, 0.038f, 0.022f), 9, 6);
    b.sphere(head + V3(0.07f, 0, -0.002f), V3(0.025f, 0.026f, 0.016f), 7, 4);
    b.smoothNormals();
    return b;
}

// A rope tied to the well's pole (its axis 0.3 along +y, 0.08 thick): three
// turns round the pole under a knot, a short loose end, and the length
// that runs out and down into the well.
MeshBuilder ropeOnPole() {
    MeshBuilder b;
    const V3 pole(0, 0.3f, 0);
    std::vector<V3> turns;
    for (int k = 0; k <= 36; ++k) {
        const float a = -1.5708f + k * 6.2832f / 12;
        turns.push_back(pole + V3(0.1f * std::cos(a), 0.1f * std::sin(a), 0.54f + 0.0045f * k));
    }
    b.tube(turns, 0.02f, 6);
    const V3 knot = pole + V3(0, -0.11f, 0.6f);
    b.sphere(knot, V3(0.035f, 0.03f, 0.035f), 7, 5);
    b.tube({knot, knot + V3(0.03f, -0.03f, -0.08f), knot + V3(0.02f, -0.02f, -0.17f)}, 0.016f, 5);
    b.tube({knot, V3(0, 0, 0.6f), V3(0, -0.5f, 0.5f), V3(0, -1.2f, 0.2f), V3(0, -1.3f, -2.5f)}, 0.02f, 6);
    return b;
}

// A few coins on the well's floor (base at z -0.1): a short stack, loose
// coins around it and two tipped up on their edges, so that the heap reads
// as coins and catches the light at different angles.
MeshBuilder coinHeap() {
    MeshBuilder b;
    const float r = 0.026f, t = 0.006f, base = -0.1f;
    for (int i = 0; i < 4; ++i) b.cylinder(V3(0.005f * (i % 2) - 0.01f, 0.004f * (i % 3), base + t * i), r, t, 12);
    const float loose[5][2] = {{0.055f, 0.015f}, {-0.06f, 0.03f}, {0.02f, -0.055f}, {-0.035f, -0.05f}, {0.04f, 0.06f}};
    for (const auto& p : loose) b.cylinder(V3(p[0], p[1], base), r, t, 12);
    const float tipped[2][4] = {{0.075f, -0.035f, 75, 30}, {-0.03f, 0.07f, 60, -70}};
    for (const auto& c : tipped) {
        const size_t from = b.size();
        b.cylinder(V3(0, 0, -t * 0.5f), r, t, 12);
        b.transform(Transform::translation(V3(c[0], c[1], base + r * std::sin(c[2] * 0.01745f) * 0.9f)) *
                        Transform::rotationZ(c[3]) * Transform::rotationX(c[2]),
                    from);
    }
    return b;
}

// A dog's bone: a shaft with two round knuckles at each end.
MeshBuilder bone() {
    MeshBuilder b;
    b.tube({V3(-0.12f, 0, 0.028f), V3(0.12f, 0, 0.028f)}, 0.022f, 8);
    for (int end = -1; end <= 1; end += 2)
        for (int side = -1; side <= 1; side += 2)
            b.sphere(V3(end * 0.13f, side * 0.022f, 0.03f), V3(0.032f, 0.032f, 0.028f), 8, 5);
    b.smoothNormals();
    return b;
}

std::vector<uint8_t> outdoorMesh(int n) {
    MeshBuilder b;
    switch (n) {
        case mesh::kStreetWall: return still(wall(false));
        case mesh::kGroundTile: return still(groundTile(false, false));
        case mesh::kGardenWall: return still(wall(false));
        case mesh::kGatewayWall: return still(wall(true));
        case mesh::kCrackTile: return still(groundTile(true, false));
        case mesh::kGroundTileWorn: return still(groundTile(false, true));
        case mesh::kFlower: return still(flower());
        case mesh::kFlowerStalks:
            for (int i = 0; i < 6; ++i) {
                const float a = i * 1.047f;
                b.triangle(V3(0, 0, 0), V3(0.15f * std::cos(a), 0.15f * std::sin(a), 0.18f),
                           V3(0.15f * std::cos(a + 0.3f), 0.15f * std::sin(a + 0.3f), 0.16f));
            }
            b.addBackFaces();
            return still(b);
        case mesh::kRock: return still(rock());
        case mesh::kKey: return still(key());
        case mesh::kHat: return still(hat());
        case mesh::kBroomstick: return still(broomstick(false));
        case mesh::kBristles:
            b.cone(V3(0, 0, 0), 0.12f, 0.3f, 10);
            b.transform(Transform::rotateAbout(V3(0, 0, 0.06f), V3(0, 80, 0)));
            return still(b);
        case mesh::kSleepingSnake: return still(sleepingSnake());
        case mesh::kCoinMachineWall:
            // The wall with two pillars standing out on both sides, framing the door.
            b = wall(false);
            pillar(b, -1.575f, 0.3325f, 0.5f, 1.21f, 23);
            pillar(b, 1.575f, 0.3325f, 0.5f, 1.21f, 24);
            return still(b);
        case mesh::kCoinMachinePanel:
            b.box(V3(0, 0.33f, 0.1f), V3(1.1f, 0.03f, 0.8f));
            b.box(V3(0, 0.37f, 0.1f), V3(0.08f, 0.02f, 0.12f));
            return still(b);
        case mesh::kCoinMachine:
            b.box(V3(0, 0, 0), V3(0.285f, 0.17f, 0.61f));
            b.box(V3(-0.17f, 0.17f, 0.52f), V3(0.05f, 0.01f, 0.015f));
            b.box(V3(0.23f, 0.17f, 0.32f), V3(0.03f, 0.02f, 0.06f));
            b.box(V3(0.03f, 0.17f, 0.32f), V3(0.03f, 0.02f, 0.06f));
            b.box(V3(0.17f, 0.12f, 0.17f), V3(0.08f, 0.06f, 0.02f));
            return still(b);
        case mesh::kCandle: return still(candle());
        case mesh::kLock: return still(gateLeaf());
        case mesh::kLockSwingingOpen: return gateSwing(0, 90, 5.0f, 7.0f);
        case mesh::kLockOpen: {
            MeshBuilder leaf = gateLeaf();
            leaf.transform(Transform::translation(V3(-0.7f, 0, 0)) * Transform::rotationZ(90) *
                           Transform::translation(V3(0.7f, 0, 0)));
            return still(leaf);
        }
        case mesh::kDogHouse: return still(dogHouse());
        case mesh::kRainBarrel:  // a rain barrel by the porch, hooped
            b.lathe({{0.0f, 0.0f}, {0.42f, 0.0f}, {0.5f, 0.55f}, {0.42f, 1.1f}, {0.0f, 1.1f}}, V3(0, 0, -0.547f), 14);
            for (float z : {0.15f, 0.95f}) b.cylinder(V3(0, 0, -0.547f + z), 0.47f, 0.04f, 14, false);
            return still(b);
        case mesh::kHedge: return still(hedge(1.4f, 1.4f, 2.05f, 102));  // sprigs reach 0.08 further
        case mesh::kHedgeEnd: return still(hedge(0.52f, 1.22f, 1.8f, 103));
        case mesh::kBareTree:  // a bare old tree, branches reaching out
            b.lathe({{0.3f, -1.0f}, {0.2f, -0.7f}, {0.16f, 0.5f}, {0.1f, 2.5f}, {0.0f, 3.6f}}, V3(0, 0, 0), 8);
            // Roots spreading over the ground at the foot of the trunk.
            for (int k = 0; k < 5; ++k) {
                const float a = k * 1.2566f + 0.3f;
                const V3 out(std::cos(a), std::sin(a), 0);
                b.tube({V3(0, 0, -0.6f) + out * 0.1f, V3(0, 0, -0.9f) + out * 0.3f, V3(0, 0, -1.0f) + out * 0.55f}, 0.05f, 5);
            }
            for (int k = 0; k < 7; ++k) {
                const float a = k * 2.4f, z = 0.6f + 0.35f * k, len = 1.3f - 0.12f * k;
                const V3 root(0, 0, z), mid = root + V3(std::cos(a), std::sin(a), 0.5f) * (len * 0.55f);
                const V3 tip = mid + V3(std::cos(a + 0.4f), std::sin(a + 0.4f), 0.2f) * (len * 0.5f);
                b.tube({root, mid, tip}, 0.045f - 0.004f * k, 5);
                b.tube({mid, mid + V3(std::cos(a - 0.7f), std::sin(a - 0.7f), 0.6f) * (len * 0.3f)}, 0.02f, 4);
                // Crooked twigs at the branch's end.
                for (int t = -1; t <= 1; t += 2)
                    b.tube({tip, tip + V3(std::cos(a + 0.9f * t), std::sin(a + 0.9f * t), 0.5f) * (len * 0.2f)}, 0.012f, 3);
            }
            return still(b);
        case mesh::kGardenPost: b.box(V3(0, 0, -0.3f), V3(0.05f, 0.25f, 0.7f)); return still(b);
        case mesh::kWell: return still(wellHead());
        case mesh::kWellPole: b.cylinder(V3(0, 0, -0.75f), 0.08f, 1.54f, 8); return still(b);
        case mesh::kRopeOnPole: return still(ropeOnPole());
        case mesh::kShed: return still(shed());
        case mesh::kShedInside:
            b.setUvRect(0, 0.5f, 1, 1);
            b.box(V3(0, 1.2f, 1.2f), V3(0.8f, 0.15f, 0.03f));
            b.box(V3(0, 1.2f, 1.7f), V3(0.8f, 0.15f, 0.03f));
            b.setUvRect(0, 0, 0.5f, 0.5f);
            for (int i = 0; i < 4; ++i) b.box(V3(-1.0f, -0.8f + i * 0.3f, 0.06f + (i % 2) * 0.12f), V3(0.19f, 0.14f, 0.06f));
            return still(b);
        case mesh::kSwingingLamp: {
            // A lamp swinging on its cord from the roof.
            b.setUvRect(0.5f, 0, 1, 0.5f);
            b.cylinder(V3(0, 0, 1.8f), 0.01f, 0.7f, 4, false);
            b.setUvRect(0, 0, 0.5f, 0.5f);
            b.cone(V3(0, 0, 1.65f), 0.15f, 0.15f, 10);
            Rig rig;
            rig.addBone(-1, V3(0, 0, 2.5f));
            std::vector<BonePose> a(1), c(1), d(1);
            c[0].rotation = V3(8, 0, 0);
            d[0].rotation = V3(-8, 0, 0);
            return modelkit::posed(b.vertices, rig, {{0, c}, {1, a}, {2, d}, {3, a}, {4, c}});
        }
        case mesh::kBroom: {
            MeshBuilder br = broomstick(true);
            br.setUvRect(0, 0.5f, 1, 1);
            br.transform(Transform::translation(V3(0, 0, 0.02f)));
            return still(br);
        }
        case mesh::kBone: return still(bone());
        case mesh::kBoneHoleDug: {  // a hole dug for the bone, and the earth heaped and filled again
            b.sphere(V3(-0.5f, 0, -0.35f), V3(0.25f, 0.25f, 0.08f), 8, 4);
            Rig rig;
            rig.addBone(-1, V3(-0.5f, 0, -0.35f));
            std::vector<BonePose> flat(1), heap(1);
            flat[0].scale = V3(1, 1, 0.1f);
            heap[0].scale = V3(1, 1, 1.5f);
            return modelkit::posed(b.vertices, rig, {{0, flat}, {4, heap}, {9, heap}, {11, flat}, {13, flat}});
        }
        case mesh::kBoneHoleFilled: b.sphere(V3(-0.5f, 0, -0.35f), V3(0.25f, 0.25f, 0.03f), 8, 4); return still(b);
        case mesh::kPumpkinVines:
            for (int i = 0; i < 8; ++i) {
                const float a = i * 0.785f;
                b.tube({V3(0, 0, -0.7f), V3(0.5f * std::cos(a), 0.5f * std::sin(a), -0.68f),
                        V3(0.8f * std::cos(a + 0.4f), 0.8f * std::sin(a + 0.4f), -0.7f)}, 0.02f, 4);
                b.sphere(V3(0.6f * std::cos(a + 0.2f), 0.6f * std::sin(a + 0.2f), -0.66f), V3(0.12f, 0.1f, 0.02f), 6, 3);
            }
            return still(b);
        case mesh::kBigPumpkin: return still(pumpkinShape(0));
        case mesh::kPumpkinFirstCut: {
            // The first cut: the pumpkin rocks under the knife and the piece
            // cut from the eye drops out and rolls to rest in front of it.
            MeshBuilder cut = pumpkinShape(1);
            cut.assignBone(0);
            const size_t piece = cut.size();
            cut.setUvRect(0, 0.9f, 1, 1);
            cut.box(V3(0.46f, -0.15f, -0.7357f + 0.45f), V3(0.03f, 0.055f, 0.055f));
            cut.assignBone(1, piece);
            Rig rig;
            rig.addBone(-1, V3(0, 0, -0.7357f));
            rig.addBone(-1, V3(0.46f, -0.15f, -0.7357f + 0.45f));
            std::vector<BonePose> upright(2), rock(2), out(2), falling(2), rest(2);
            rock[0].rotation = V3(4, 0, 0);
            out[1].offset = V3(0.1f, 0, 0.02f);
            falling[1].offset = V3(0.3f, -0.03f, -0.3f);
            falling[1].rotation = V3(0, 70, 0);
            rest[1].offset = V3(0.42f, -0.05f, -0.41f);
            rest[1].rotation = V3(0, 90, 20);
            return modelkit::posed(cut.vertices, rig,
                                   {{0, upright}, {0.25f, rock}, {0.5f, out}, {0.9f, falling}, {1.3f, rest}, {60, rest}});
        }
        case mesh::kPumpkinStump: b.cylinder(V3(0, 0, -0.7f), 0.2f, 0.06f, 10); return still(b);
        case mesh::kPumpkinSecondCut: return still(pumpkinShape(2));
        case mesh::kPumpkinThirdCut: return still(pumpkinShape(3));
        case mesh::kPumpkinCarved: return still(pumpkinShape(4));
        case mesh::kPumpkinLit: return litPumpkin(false);
        case mesh::kPumpkinLaughing: return litPumpkin(true);
        case mesh::kHouseDoor: b = frontDoor(0); b.sphere(V3(0.55f, -0.07f, -0.1f), V3(0.04f, 0.04f, 0.04f), 6, 4); return still(b);
        case mesh::kHouseDoorOpening: {
            b = frontDoor(0.75f);
            b.sphere(V3(1.3f, -0.07f, -0.1f), V3(0.04f, 0.04f, 0.04f), 6, 4);
            Rig rig;
            rig.addBone(-1, V3(0, 0, 0));
            std::vector<BonePose> c(1), o(1);
            o[0].rotation = V3(0, 0, 100);
            return modelkit::posed(b.vertices, rig, {{0, c}, {1.2f, o}, {50, o}}, Transform::translation(V3(-0.75f, 0, 0)));
        }
        case mesh::kWellShaft: {
            // Pedestal tiers, four pillars, and the round shaft wall.
            b.setUvRect(0, 0, 0.5f, 0.5f);
            b.box(V3(0, 0, 0.45f), V3(0.5f, 0.7f, 0.45f));
            b.box(V3(0, 0, 0.45f), V3(0.7f, 0.5f, 0.45f));
            b.box(V3(0, 0, 0.3f), V3(1.3f, 1.3f, 0.3f));
            b.box(V3(0, 0, 0.15f), V3(1.9f, 1.9f, 0.15f));
            // Round pillars of stone drums on a plinth, under a spreading capital.
            MeshBuilder::Profile column = {{0.35f, 0.0f}, {0.35f, 0.16f}, {0.3f, 0.22f}};
            for (int d = 0; d < 7; ++d) {
                const float z = 0.22f + d * 0.48f;
                column.push_back({0.28f, z + 0.01f});
                column.push_back({0.295f, z + 0.04f});
                column.push_back({0.295f, z + 0.44f});
                column.push_back({0.28f, z + 0.47f});
            }
            for (const auto& p : MeshBuilder::Profile{{0.3f, 3.6f}, {0.34f, 3.72f}, {0.35f, 3.8f}, {0.35f, 4.0f}, {0.0f, 4.0f}})
                column.push_back(p);
            for (int i = 0; i < 4; ++i) b.lathe(column, V3(i % 2 ? 1.55f : -1.55f, i / 2 ? 1.85f : -1.85f, 0), 14);
            // The shaft wall, seen from inside: courses of stone that each
            // bulge in a little between their joints.
            MeshBuilder::Profile courses;
            for (int k = 0; k < 17; ++k) {
                const float z = k * 0.3f;
                courses.push_back({5.5f, z});
                courses.push_back({5.45f, z + 0.04f});
                courses.push_back({5.43f, z + 0.15f});
                courses.push_back({5.45f, z + 0.26f});
            }
            courses.push_back({5.5f, 5.1f});
            const size_t wallStart = b.size();
            b.lathe(courses, V3(0, 0, 0), 40);
            b.flipFaces(wallStart);
            b.cylinder(V3(0, 0.6f, 5.0f), 0.6f, 6.0f, 12, false);
            b.flipFaces(b.size() - 12 * 6);
            return still(b);
        }
        case mesh::kCoins: return still(coinHeap());
        case mesh::kWellRope: b.setUvRect(0.5f, 0, 1, 0.5f); b.cylinder(V3(0, 0, -1.35f), 0.03f, 6.0f, 6, false); return still(b);
        case mesh::kGardenFarWalls: {
            // The garden's far walls and the porch, world = local + (12.5, 7.5, 0).
            const V3 o(12.5f, 7.5f, 0);
            auto at = [&](V3 c, V3 h) { b.box(c - o, h); };
            // The porch: a stone base under a deck of boards along x, two
            // steps up to the door, a rail on three sides between newel
            // posts, and a shallow canopy over the door on two tall posts
            // beside the steps (clear of the hall windows).
            at(V3(12.5f, 28.3f, 0.47f), V3(5.0f, 1.0f, 0.47f));            // base
            for (int k = 0; k < 10; ++k)
                at(V3(12.5f, 27.4f + 0.2f * k, 0.97f), V3(5.05f - 0.01f * (k % 3), 0.095f, 0.03f));  // boards
            at(V3(12.5f, 26.9f, 0.33f), V3(1.2f, 0.4f, 0.33f));            // lower step
            at(V3(12.5f, 27.1f, 0.66f), V3(1.2f, 0.2f, 0.08f));            // upper tread
            for (float x : {11.2f, 13.8f}) at(V3(x, 27.45f, 2.33f), V3(0.08f, 0.08f, 1.33f));  // canopy posts
            for (float x : {7.65f, 17.35f})                                 // newel posts
                for (float y : {27.45f, 29.1f}) at(V3(x, y, 1.5f), V3(0.07f, 0.07f, 0.5f));
            for (float z : {1.9f, 1.35f}) {
                at(V3(9.42f, 27.45f, z), V3(1.7f, 0.04f, 0.04f));              // front rails
                at(V3(15.58f, 27.45f, z), V3(1.7f, 0.04f, 0.04f));
                for (float x : {7.65f, 17.35f}) at(V3(x, 28.27f, z), V3(0.04f, 0.82f, 0.04f));  // side rails
            }
            for (int k = 0; k < 12; ++k) {                                  // balusters
                const float x = k < 6 ? 8.0f + 0.5f * k : 14.2f + 0.5f * (k - 6);
                at(V3(x, 27.45f, 1.45f), V3(0.025f, 0.025f, 0.45f));
            }
            at(V3(12.5f, 27.45f, 3.7f), V3(1.6f, 0.12f, 0.1f));            // beam over the posts
            b.quad(V3(10.6f, 27.1f, 3.8f) - o, V3(14.4f, 27.1f, 3.8f) - o, V3(14.4f, 29.28f, 4.5f) - o,
                   V3(10.6f, 29.28f, 4.5f) - o);                             // canopy, sloping to the wall
            b.addBackFaces(b.size() - 6);
            at(V3(-10.0f, 30.0f, 1.0f), V3(0.3f, 15.0f, 1.0f));            // far west wall
            return still(b);
        }
        case mesh::kGardenTrim: {
            const V3 o(12.5f, 7.5f, 0);
            // Firs round the garden: a trunk under four tiers of drooping
            // boughs, each tier narrower, each tree turned and sized a little
            // differently so the row does not repeat.
            const float trees[6][2] = {{-5, 20}, {0, 15}, {5, 35}, {25, 35}, {28, 25}, {-7, 38}};
            for (int i = 0; i < 6; ++i) {
                const V3 foot = V3(trees[i][0], trees[i][1], 0) - o;
                const float k = 0.9f + 0.07f * (i % 3);
                const size_t from = b.size();
                b.cylinder(V3(0, 0, 0), 0.22f, 1.6f, 8);
                for (int tier = 0; tier < 4; ++tier) {
                    const float r = (1.45f - 0.3f * tier), z = 1.0f + 1.0f * tier;
                    b.lathe({{0.0f, 0.0f}, {r, 0.0f}, {r * 0.55f, 0.55f}, {0.0f, 1.7f - 0.15f * tier}}, V3(0, 0, z), 10);
                }
                b.transform(Transform::translation(foot) * Transform::rotationZ(37.0f * i) * Transform::scaling(V3(k, k, k)),
                            from);
            }
            return still(b);
        }
        case mesh::kHouseFront: {
            // The house's front (faces -y, toward the garden) with its door and
            // window openings, and the roof; textured with 206 / 207.
            const V3 o(12.5f, 7.5f, 0);
            b.wallWithHoles(house::kFrontY, 1.5f, 23.5f, 0.0f, 12.0f, house::frontOpenings(), true);
            b.planarUv(V3(1.0f / 22, 0, 0), -1.5f / 22, V3(0, 0, 1.0f / 12), 0);
            // Nothing stands out in front of the wall's face: the openings get
            // reveals through the wall's thickness and the windows glazing
            // bars just behind the face, in the picture's light boards.
            b.setUvRect(0.02f, 0.45f, 0.04f, 0.47f);
            const std::vector<MeshBuilder::Hole> open = house::frontOpenings();
            const float y0 = house::kFrontY, y1 = house::kInsideFrontY;
            for (size_t k = 0; k < open.size(); ++k) {
                const MeshBuilder::Hole& h = open[k];
                b.quad(V3(h.x0, y0, h.z0), V3(h.x1, y0, h.z0), V3(h.x1, y1, h.z0), V3(h.x0, y1, h.z0));  // sill
                b.quad(V3(h.x1, y0, h.z1), V3(h.x0, y0, h.z1), V3(h.x0, y1, h.z1), V3(h.x1, y1, h.z1));  // head
                b.quad(V3(h.x0, y0, h.z1), V3(h.x0, y0, h.z0), V3(h.x0, y1, h.z0), V3(h.x0, y1, h.z1));  // jambs
                b.quad(V3(h.x1, y0, h.z0), V3(h.x1, y0, h.z1), V3(h.x1, y1, h.z1), V3(h.x1, y1, h.z0));
                if (k == 0) continue;  // the door opening stays clear
                const float cx = (h.x0 + h.x1) * 0.5f, cz = (h.z0 + h.z1) * 0.5f, y = y0 + 0.03f;
                b.box(V3(cx, y, cz), V3(0.05f, 0.02f, (h.z1 - h.z0) * 0.5f));
                b.box(V3(cx, y, cz), V3((h.x1 - h.x0) * 0.5f, 0.02f, 0.05f));
                for (float f : {0.25f, 0.75f})
                    b.box(V3(h.x0 + (h.x1 - h.x0) * f, y, cz), V3(0.03f, 0.015f, (h.z1 - h.z0) * 0.5f));
            }
            // The roof: the old flat top under a pitched roof rising from the
            // front eave to a ridge along x, gable ends, and a chimney.
            b.setUvRect(0, 0, 1, 0.03f);
            b.box(V3(12.5f, 37.39f, 12.2f), V3(11.6f, 8.11f, 0.2f));
            const size_t roof = b.size();
            b.quad(V3(0.9f, y0, 12.0f), V3(24.1f, y0, 12.0f), V3(24.1f, 37.39f, 15.5f), V3(0.9f, 37.39f, 15.5f));
            b.quad(V3(24.1f, 45.5f, 12.0f), V3(0.9f, 45.5f, 12.0f), V3(0.9f, 37.39f, 15.5f), V3(24.1f, 37.39f, 15.5f));
            for (float x : {1.5f, 23.5f}) b.triangle(V3(x, y0, 12.0f), V3(x, 45.5f, 12.0f), V3(x, 37.39f, 15.5f));
            b.addBackFaces(roof);
            b.box(V3(12.5f, y0 + 0.05f, 12.3f), V3(11.65f, 0.05f, 0.14f));  // fascia along the eave
            b.box(V3(18.5f, 40.5f, 15.0f), V3(0.55f, 0.55f, 1.8f));          // chimney
            b.box(V3(18.5f, 40.5f, 16.85f), V3(0.65f, 0.65f, 0.08f));
            b.transform(Transform::translation(o * -1.0f));
            return still(b);
        }
        case mesh::kHouseWindows: {
            // Glass in every front opening but the door, seen from both sides.
            const V3 o(12.5f, 7.5f, 0);
            std::vector<MeshBuilder::Hole> open = house::frontOpenings();
            for (size_t k = 1; k < open.size(); ++k) {
                const MeshBuilder::Hole& h = open[k];
                const float y = house::kFrontY + 0.05f;
                b.quad(V3(h.x0, y, h.z0), V3(h.x1, y, h.z0), V3(h.x1, y, h.z1), V3(h.x0, y, h.z1));
            }
            b.addBackFaces();
            b.transform(Transform::translation(o * -1.0f));
            return still(b);
        }
        case mesh::kGrassTuft: {
            // A grass tuft: blades that bend flat when disturbed (t 0 rest, 1 flat).
            for (int i = 0; i < 5; ++i) {
                const float a = i * 1.2566f;
                b.quad(V3(0.05f * std::cos(a), 0.05f * std::sin(a), 0), V3(0.05f * std::cos(a + 0.8f), 0.05f * std::sin(a + 0.8f), 0),
                       V3(0.02f * std::cos(a + 0.8f), 0.02f * std::sin(a + 0.8f), 0.25f), V3(0.02f * std::cos(a), 0.02f * std::sin(a), 0.25f));
            }
            b.addBackFaces();
            Rig rig;
            rig.addBone(-1, V3(0, 0, 0));
            std::vector<BonePose> rest(1), flat(1);
            flat[0].scale = V3(1.6f, 1.6f, 0.3f);
            return modelkit::posed(b.vertices, rig, {{0, rest}, {1, flat}, {2, flat}});
        }
        default: return {};
    }
}
