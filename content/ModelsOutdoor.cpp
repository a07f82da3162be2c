// Street, garden, well and shed pieces, placed as the room tables put them.
#include <algorithm>
#include <cmath>

#include "content/HouseLayout.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"

namespace {

using modelkit::held;
using modelkit::still;

MeshBuilder groundTile(bool crack, bool well) {
    MeshBuilder b;
    // Top at z 0, 5 x 5, a few subdivisions for lighting; a thin skirt below.
    // The well's tile is finer so that its opening hugs the rim (radius 1),
    // which hides the ragged edge.
    const int n = well ? 20 : 5;
    const float cell = 5.0f / n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const float x0 = -2.5f + i * cell, y0 = -2.5f + j * cell;
            if (well && std::hypot(x0 + cell * 0.5f + 1.65f, y0 + cell * 0.5f - 1.63f) < 0.8f) continue;
            if (crack && i == 2 && j == 3) continue;
            b.quad(V3(x0, y0, 0), V3(x0 + cell, y0, 0), V3(x0 + cell, y0 + cell, 0), V3(x0, y0 + cell, 0));
        }
    if (crack) {
        // The cell around (-0.5, 1.0): two halves with a slot between, 0.2 deep.
        b.quad(V3(-0.5f, 0.5f, 0), V3(0.5f, 0.5f, 0), V3(0.5f, 0.9f, 0), V3(-0.5f, 0.9f, 0));
        b.quad(V3(-0.5f, 1.1f, 0), V3(0.5f, 1.1f, 0), V3(0.5f, 1.5f, 0), V3(-0.5f, 1.5f, 0));
        b.quad(V3(-0.5f, 0.9f, -0.22f), V3(0.5f, 0.9f, -0.22f), V3(0.5f, 1.1f, -0.22f), V3(-0.5f, 1.1f, -0.22f));
        b.quad(V3(-0.5f, 0.9f, 0), V3(0.5f, 0.9f, 0), V3(0.5f, 0.9f, -0.22f), V3(-0.5f, 0.9f, -0.22f));
        b.quad(V3(0.5f, 1.1f, 0), V3(-0.5f, 1.1f, 0), V3(-0.5f, 1.1f, -0.22f), V3(0.5f, 1.1f, -0.22f));
    }
    if (well) {
        // The shaft opening: a ring hole lined with stone going down.
        b.cylinder(V3(-1.65f, 1.63f, -3.0f), 0.55f, 3.0f, 16, false);
        b.flipFaces(b.size() - 16 * 6);
    }
    // UVs for the shed's wood (upper half of its atlas), one plank set per tile.
    b.planarUv(V3(0.2f, 0, 0), 0.5f, V3(0, 0.1f, 0), 0.75f);
    return b;
}

MeshBuilder wall(float length, float height, float depth, bool gate) {
    MeshBuilder b;
    if (!gate) {
        b.box(V3(0, 0, 0), V3(length / 2, depth / 2, height / 2));
        b.box(V3(0, 0, height / 2 + 0.04f), V3(length / 2, depth / 2 + 0.05f, 0.04f));
        return b;
    }
    // Segment x 10..15 about 12.5: solid parts, two posts, an arch over the gap.
    b.box(V3(-1.7f, 0, 0), V3(0.8f, depth / 2, height / 2));
    b.box(V3(1.68f, 0, 0), V3(0.82f, depth / 2, height / 2));
    b.box(V3(-0.9f, 0, -0.04f), V3(0.333f, 0.333f, 1.04f));
    b.box(V3(1.2f, 0, -0.04f), V3(0.333f, 0.333f, 1.04f));
    b.box(V3(-0.9f, 0, 0.94f), V3(0.38f, 0.38f, 0.04f));
    b.box(V3(1.2f, 0, 0.94f), V3(0.38f, 0.38f, 0.04f));
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
MeshBuilder hat() {
    MeshBuilder b;
    b.cylinder(V3(0, 0, 0), 0.2f, 0.012f, 16);
    b.lathe({{0.11f, 0.0f}, {0.105f, 0.13f}, {0.07f, 0.19f}, {0.0f, 0.2f}}, V3(0, 0, 0.012f), 14);
    b.cylinder(V3(0, 0, 0.012f), 0.112f, 0.03f, 14, false);
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
        case 7: return still(wall(5, 2, 0.6f, false));
        case 8: return still(groundTile(false, false));
        case 9: return still(wall(5, 2, 0.6f, false));
        case 10: return still(wall(5, 2, 0.6f, true));
        case 11: return still(groundTile(true, false));
        case 107: return still(groundTile(false, true));
        case 12: return still(flower());
        case 32:
            for (int i = 0; i < 6; ++i) {
                const float a = i * 1.047f;
                b.triangle(V3(0, 0, 0), V3(0.15f * std::cos(a), 0.15f * std::sin(a), 0.18f),
                           V3(0.15f * std::cos(a + 0.3f), 0.15f * std::sin(a + 0.3f), 0.16f));
            }
            b.addBackFaces();
            return still(b);
        case 14: return still(rock());
        case 15: return still(key());
        case 18: return still(hat());
        case 21: return still(broomstick(false));
        case 27:
            b.cone(V3(0, 0, 0), 0.12f, 0.3f, 10);
            b.transform(Transform::rotateAbout(V3(0, 0, 0.06f), V3(0, 80, 0)));
            return still(b);
        case 22:
            for (int i = 0; i < 3; ++i) {
                std::vector<V3> path;
                for (int k = 0; k <= 16; ++k) {
                    const float a = k * 0.4f, r = 0.2f - 0.05f * i;
                    path.push_back(V3(r * std::cos(a), 0.15f + r * std::sin(a) * 0.5f, 0.03f + 0.05f * i));
                }
                b.tube(path, 0.03f, 6);
            }
            return still(b);
        case 23:
            b = wall(5, 2, 0.6f, false);
            b.box(V3(-1.575f, 0, 0.21f), V3(0.3325f, 0.5f, 1.21f));
            b.box(V3(1.575f, 0, 0.21f), V3(0.3325f, 0.5f, 1.21f));
            return still(b);
        case 24:
            b.box(V3(0, 0.33f, 0.1f), V3(1.1f, 0.03f, 0.8f));
            b.box(V3(0, 0.37f, 0.1f), V3(0.08f, 0.02f, 0.12f));
            return still(b);
        case 25:
            b.box(V3(0, 0, 0), V3(0.285f, 0.17f, 0.61f));
            b.box(V3(-0.17f, 0.17f, 0.52f), V3(0.05f, 0.01f, 0.015f));
            b.box(V3(0.23f, 0.17f, 0.32f), V3(0.03f, 0.02f, 0.06f));
            b.box(V3(0.03f, 0.17f, 0.32f), V3(0.03f, 0.02f, 0.06f));
            b.box(V3(0.17f, 0.12f, 0.17f), V3(0.08f, 0.06f, 0.02f));
            return still(b);
        case 26: return still(candle());
        case 33: return still(gateLeaf());
        case 34: return gateSwing(0, 90, 5.0f, 7.0f);
        case 36: {
            MeshBuilder leaf = gateLeaf();
            leaf.transform(Transform::translation(V3(-0.7f, 0, 0)) * Transform::rotationZ(90) *
                           Transform::translation(V3(0.7f, 0, 0)));
            return still(leaf);
        }
        case 100:
            b.box(V3(0, 0, 0.5f), V3(0.9f, 0.6f, 0.5f));
            b.box(V3(0, 0.3f, 1.15f), V3(0.95f, 0.35f, 0.03f));
            b.box(V3(0, -0.3f, 1.15f), V3(0.95f, 0.35f, 0.03f));
            b.transform(Transform::rotateAbout(V3(0, 0.3f, 1.15f), V3(20, 0, 0)), b.size() - 72);
            b.transform(Transform::rotateAbout(V3(0, -0.3f, 1.15f), V3(-20, 0, 0)), b.size() - 36);
            b.box(V3(-0.91f, 0, 0.35f), V3(0.01f, 0.25f, 0.3f));
            return still(b);
        case 101:  // a rain barrel by the porch, hooped
            b.lathe({{0.0f, 0.0f}, {0.42f, 0.0f}, {0.5f, 0.55f}, {0.42f, 1.1f}, {0.0f, 1.1f}}, V3(0, 0, -0.547f), 14);
            for (float z : {0.15f, 0.95f}) b.cylinder(V3(0, 0, -0.547f + z), 0.47f, 0.04f, 14, false);
            return still(b);
        case 102: b.box(V3(0, 0, 0.9f), V3(1.5f, 1.5f, 0.95f)); b.sphere(V3(0, 0, 1.85f), V3(1.5f, 1.5f, 0.3f), 10, 4); return still(b);
        case 103: b.box(V3(0, 0, 0.9f), V3(0.6f, 1.3f, 0.95f)); return still(b);
        case 104:  // a bare old tree, branches reaching out
            b.lathe({{0.22f, -1.0f}, {0.16f, 0.5f}, {0.1f, 2.5f}, {0.0f, 3.6f}}, V3(0, 0, 0), 8);
            for (int k = 0; k < 7; ++k) {
                const float a = k * 2.4f, z = 0.6f + 0.35f * k, len = 1.3f - 0.12f * k;
                const V3 root(0, 0, z), mid = root + V3(std::cos(a), std::sin(a), 0.5f) * (len * 0.55f);
                const V3 tip = mid + V3(std::cos(a + 0.4f), std::sin(a + 0.4f), 0.2f) * (len * 0.5f);
                b.tube({root, mid, tip}, 0.045f - 0.004f * k, 5);
                b.tube({mid, mid + V3(std::cos(a - 0.7f), std::sin(a - 0.7f), 0.6f) * (len * 0.3f)}, 0.02f, 4);
            }
            return still(b);
        case 105: b.box(V3(0, 0, -0.3f), V3(0.05f, 0.25f, 0.7f)); return still(b);
        case 106: {
            b.lathe({{0.5f, -0.25f}, {1.0f, -0.25f}, {1.0f, 0.25f}, {0.5f, 0.25f}, {0.5f, -0.25f}}, V3(0, 0, 0), 20);
            return still(b);
        }
        case 108: b.cylinder(V3(0, 0, -0.75f), 0.08f, 1.54f, 8); return still(b);
        case 109:
            b.tube({V3(0, 0, 0.6f), V3(0, -0.5f, 0.5f), V3(0, -1.2f, 0.2f), V3(0, -1.3f, -2.5f)}, 0.02f, 6);
            return still(b);
        case 110: return still(shed());
        case 111:
            b.setUvRect(0, 0.5f, 1, 1);
            b.box(V3(0, 1.2f, 1.2f), V3(0.8f, 0.15f, 0.03f));
            b.box(V3(0, 1.2f, 1.7f), V3(0.8f, 0.15f, 0.03f));
            b.setUvRect(0, 0, 0.5f, 0.5f);
            for (int i = 0; i < 4; ++i) b.box(V3(-1.0f, -0.8f + i * 0.3f, 0.06f + (i % 2) * 0.12f), V3(0.19f, 0.14f, 0.06f));
            return still(b);
        case 112: {
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
        case 114: {
            MeshBuilder br = broomstick(true);
            br.setUvRect(0, 0.5f, 1, 1);
            br.transform(Transform::translation(V3(0, 0, 0.02f)));
            return still(br);
        }
        case 123: return still(bone());
        case 126: {  // a hole dug for the bone, and the earth heaped and filled again
            b.sphere(V3(-0.5f, 0, -0.35f), V3(0.25f, 0.25f, 0.08f), 8, 4);
            Rig rig;
            rig.addBone(-1, V3(-0.5f, 0, -0.35f));
            std::vector<BonePose> flat(1), heap(1);
            flat[0].scale = V3(1, 1, 0.1f);
            heap[0].scale = V3(1, 1, 1.5f);
            return modelkit::posed(b.vertices, rig, {{0, flat}, {4, heap}, {9, heap}, {11, flat}, {13, flat}});
        }
        case 127: b.sphere(V3(-0.5f, 0, -0.35f), V3(0.25f, 0.25f, 0.03f), 8, 4); return still(b);
        case 129:
            for (int i = 0; i < 8; ++i) {
                const float a = i * 0.785f;
                b.tube({V3(0, 0, -0.7f), V3(0.5f * std::cos(a), 0.5f * std::sin(a), -0.68f),
                        V3(0.8f * std::cos(a + 0.4f), 0.8f * std::sin(a + 0.4f), -0.7f)}, 0.02f, 4);
                b.sphere(V3(0.6f * std::cos(a + 0.2f), 0.6f * std::sin(a + 0.2f), -0.66f), V3(0.12f, 0.1f, 0.02f), 6, 3);
            }
            return still(b);
        case 131: return still(pumpkinShape(0));
        case 133: {
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
        case 134: b.cylinder(V3(0, 0, -0.7f), 0.2f, 0.06f, 10); return still(b);
        case 135: return still(pumpkinShape(2));
        case 136: return still(pumpkinShape(3));
        case 137: return still(pumpkinShape(4));
        case 138: return litPumpkin(false);
        case 140: return litPumpkin(true);
        case 141: b.box(V3(0, 0, 0), V3(0.75f, 0.05f, 1.4f)); b.sphere(V3(0.55f, -0.07f, -0.1f), V3(0.04f, 0.04f, 0.04f), 6, 4); return still(b);
        case 142: {
            b.box(V3(0.75f, 0, 0), V3(0.75f, 0.05f, 1.4f));
            b.sphere(V3(1.3f, -0.07f, -0.1f), V3(0.04f, 0.04f, 0.04f), 6, 4);
            Rig rig;
            rig.addBone(-1, V3(0, 0, 0));
            std::vector<BonePose> c(1), o(1);
            o[0].rotation = V3(0, 0, 100);
            return modelkit::posed(b.vertices, rig, {{0, c}, {1.2f, o}, {50, o}}, Transform::translation(V3(-0.75f, 0, 0)));
        }
        case 143: {
            // Pedestal tiers, four pillars, and the round shaft wall.
            b.setUvRect(0, 0, 0.5f, 0.5f);
            b.box(V3(0, 0, 0.45f), V3(0.5f, 0.7f, 0.45f));
            b.box(V3(0, 0, 0.45f), V3(0.7f, 0.5f, 0.45f));
            b.box(V3(0, 0, 0.3f), V3(1.3f, 1.3f, 0.3f));
            b.box(V3(0, 0, 0.15f), V3(1.9f, 1.9f, 0.15f));
            for (int i = 0; i < 4; ++i)
                b.cylinder(V3(i % 2 ? 1.55f : -1.55f, i / 2 ? 1.85f : -1.85f, 0), 0.35f, 4.0f, 12);
            const size_t wallStart = b.size();
            b.cylinder(V3(0, 0, 0), 5.5f, 5.0f, 32, false);
            b.flipFaces(wallStart);
            b.cylinder(V3(0, 0.6f, 5.0f), 0.6f, 6.0f, 12, false);
            b.flipFaces(b.size() - 12 * 6);
            return still(b);
        }
        case 144:
            for (int i = 0; i < 7; ++i) b.cylinder(V3(0.05f * (i % 3) - 0.05f, 0.04f * (i / 3) - 0.04f, -0.1f + 0.01f * i), 0.025f, 0.006f, 10);
            return still(b);
        case 146: b.setUvRect(0.5f, 0, 1, 0.5f); b.cylinder(V3(0, 0, -1.35f), 0.03f, 6.0f, 6, false); return still(b);
        case 88: {
            // The garden's far walls and the porch, world = local + (12.5, 7.5, 0).
            const V3 o(12.5f, 7.5f, 0);
            auto at = [&](V3 c, V3 h) { b.box(c - o, h); };
            at(V3(12.5f, 28.3f, 0.5f), V3(5.0f, 1.0f, 0.5f));              // porch
            at(V3(12.5f, 26.9f, 0.25f), V3(1.2f, 0.4f, 0.25f));            // porch step
            at(V3(-10.0f, 30.0f, 1.0f), V3(0.3f, 15.0f, 1.0f));            // far west wall
            return still(b);
        }
        case 119: {
            const V3 o(12.5f, 7.5f, 0);
            const float trees[6][2] = {{-5, 20}, {0, 15}, {5, 35}, {25, 35}, {28, 25}, {-7, 38}};
            for (const auto& t : trees) {
                b.cylinder(V3(t[0], t[1], 0) - o, 0.25f, 3.0f, 8);
                b.cone(V3(t[0], t[1], 2.0f) - o, 1.4f, 3.5f, 10);
            }
            return still(b);
        }
        case 205: {
            // The house's front (faces -y, toward the garden) with its door and
            // window openings, and the roof; textured with 206 / 207.
            const V3 o(12.5f, 7.5f, 0);
            b.wallWithHoles(house::kFrontY, 1.5f, 23.5f, 0.0f, 12.0f, house::frontOpenings(), true);
            b.planarUv(V3(1.0f / 22, 0, 0), -1.5f / 22, V3(0, 0, 1.0f / 12), 0);
            b.box(V3(12.5f, 37.39f, 12.2f), V3(11.6f, 8.11f, 0.2f));  // the roof, flush with the front
            b.transform(Transform::translation(o * -1.0f));
            return still(b);
        }
        case 90: {
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
        case 89: {
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
