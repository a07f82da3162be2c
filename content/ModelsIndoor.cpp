// The house inside, the living gate, the tunnel of room 7, the backdrop sky
// and mist, and the meshes of the main menu and the intro.
#include <cmath>

#include "content/CostumeFigure.h"
#include "content/Figure.h"
#include "content/HouseLayout.h"
#include "content/KeyframeMesh.h"
#include "content/MeshWriter.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"

namespace {

using modelkit::held;
using modelkit::still;
typedef std::vector<BonePose> Pose;


// The inside of the house, in world coordinates less (12.5, 7.5, 0): the
// hall (x 1.5-23.5, y 29.5-45.5, floor z 1) with the back room (room 5,
// x 10.3-23.5 behind the far wall at y 41.3), the two flights of stairs and
// the landing, and the upper floor (z 7.31) under a ceiling at 11.5.
MeshBuilder houseShell() {
    MeshBuilder b;
    const V3 o(12.5f, 7.5f, 0);
    const size_t start = b.size();
    auto floorAt = [&](float x0, float y0, float x1, float y1, float z, bool up) {
        if (up) b.quad(V3(x0, y0, z), V3(x1, y0, z), V3(x1, y1, z), V3(x0, y1, z));
        else b.quad(V3(x0, y0, z), V3(x0, y1, z), V3(x1, y1, z), V3(x1, y0, z));
    };
    // Ground floor and the ceiling over it.
    floorAt(1.5f, 29.5f, 23.5f, 45.5f, 1.0f, true);
    floorAt(1.5f, 29.5f, 23.5f, 45.5f, 7.0f, false);
    // Front wall from inside (faces +y) with the door and the windows.
    b.wallWithHoles(house::kInsideFrontY, 1.5f, 23.5f, 1.0f, 7.0f, house::frontOpenings(), false);
    b.wallWithHoles(house::kInsideFrontY, 1.5f, 23.5f, 7.31f, 11.5f, house::frontOpenings(), false);
    // Back wall (faces -y) on both floors.
    b.wallWithHoles(45.5f, 1.5f, 23.5f, 1.0f, 11.5f, {}, true);
    // Side walls: walls along x turned a quarter about Z (x becomes y).
    for (int side = 0; side < 2; ++side) {
        MeshBuilder w;
        w.wallWithHoles(0, 29.5f, 45.5f, 1.0f, 11.5f, {}, side == 0);
        w.transform(Transform::translation(V3(side == 0 ? 1.5f : 23.5f, 0, 0)) * Transform::rotationZ(90));
        b.merge(w);
    }
    // The far wall of the hall (both sides), x 10.3-19.5, with the passage
    // behind the big painting; and the back room's west wall at x 10.3.
    const std::vector<MeshBuilder::Hole> passage = {{13.4f, 1.0f, 14.8f, 4.7f}};
    b.wallWithHoles(41.3f, 10.3f, 19.5f, 1.0f, 7.0f, passage, true);
    b.wallWithHoles(41.3f, 10.3f, 19.5f, 1.0f, 7.0f, passage, false);
    b.box(V3(10.3f, 43.4f, 4.0f), V3(0.05f, 2.1f, 3.0f));
    // First flight: along +y at x 19.5-23.5, steps 0.6 deep and 0.25 high.
    for (int k = 0; k < 10; ++k) {
        const float top = 1.25f + 0.25f * k, y = 35.85f + 0.6f * k;
        b.box(V3(21.5f, y, (1.0f + top) * 0.5f), V3(2.0f, 0.3f, (top - 1.0f) * 0.5f));
    }
    b.box(V3(21.5f, 43.55f, 3.35f), V3(2.0f, 2.0f, 0.15f));  // the landing, top 3.5
    // Second flight: west along y 41.55-45.55 from x 19.2 to 10.8, up to 7.0.
    for (int k = 0; k < 14; ++k) {
        const float top = 3.75f + 0.25f * k, x = 19.2f - 0.6f * (k + 0.5f);
        b.box(V3(x, 43.55f, top - 0.12f), V3(0.3f, 2.0f, 0.12f));
    }
    // Upper floor around the stairwell (x 10.8-19.2, y 41.55-45.55 open).
    floorAt(1.5f, 29.5f, 23.5f, 41.55f, 7.31f, true);
    floorAt(1.5f, 41.55f, 10.8f, 45.5f, 7.31f, true);
    floorAt(19.2f, 41.55f, 23.5f, 45.5f, 7.31f, true);
    floorAt(1.5f, 29.5f, 23.5f, 45.5f, 11.5f, false);
    b.transform(Transform::translation(o * -1.0f), start);
    b.box(V3(1.5f, 42.75f, 1.0f) - o, V3(0.7f, 1.0f, 2.0f));           // planks
    b.box(V3(3.5f, 43.0f, 1.005f) - o, V3(0.5f, 0.5f, 0.005f));        // trapdoor
    b.box(V3(11.0f, 40.6f, 7.97f) - o, V3(0.8f, 0.5f, 0.66f));         // the desk, top 8.63
    b.box(V3(19.25f, 41.1f, 5.2f) - o, V3(0.3f, 0.2f, 0.04f));         // the crystal ball's shelf
    return b;
}

// The living gate in the street (origin 0.62 above the ground): two side
// walls along the passage (world y 3.6-4.0 and 6.0-6.4), a lintel with a
// pointed roof above the doors, the dark way into the tunnel behind. Its
// doors face +x, the street.
MeshBuilder gateBody() {
    MeshBuilder b;
    const float g = -0.62f;
    b.box(V3(-1.05f, -1.2f, g + 1.8f), V3(1.0f, 0.2f, 1.8f));
    b.box(V3(-1.05f, 1.2f, g + 1.8f), V3(1.0f, 0.2f, 1.8f));
    b.box(V3(-0.2f, -1.25f, g + 1.9f), V3(0.18f, 0.3f, 1.9f));  // door posts
    b.box(V3(-0.2f, 1.25f, g + 1.9f), V3(0.18f, 0.3f, 1.9f));
    b.box(V3(-0.6f, 0, g + 3.1f), V3(0.55f, 1.55f, 0.25f));      // lintel
    // Pointed roof over the lintel.
    const V3 apex(-0.6f, 0, g + 4.3f);
    b.triangle(V3(-0.05f, -1.6f, g + 3.35f), V3(-0.05f, 1.6f, g + 3.35f), apex + V3(0.55f, 0, 0));
    b.quad(V3(-1.15f, -1.6f, g + 3.35f), V3(-0.05f, -1.6f, g + 3.35f), apex + V3(0.55f, 0, 0), apex + V3(-0.55f, 0, 0));
    b.quad(V3(-0.05f, 1.6f, g + 3.35f), V3(-1.15f, 1.6f, g + 3.35f), apex + V3(-0.55f, 0, 0), apex + V3(0.55f, 0, 0));
    b.box(V3(-2.29f, 0, g + 1.6f), V3(0.5f, 0.8f, 1.6f));        // the dark way behind
    return b;
}

std::vector<uint8_t> gate(int n) {
    MeshBuilder b = gateBody();
    b.assignBone(0);
    const size_t doorStart = b.size();
    b.box(V3(-0.25f, -0.5f, 0.8f), V3(0.05f, 0.5f, 1.4f));
    b.assignBone(1, doorStart);
    const size_t door2 = b.size();
    b.box(V3(-0.25f, 0.5f, 0.8f), V3(0.05f, 0.5f, 1.4f));
    b.assignBone(2, door2);
    // Padding with dense detail so the eye points fall where the game expects.
    const int tA = int(b.size() / 3);
    b.setBone(0);
    // The gate's eyes: two points on the lintel's face.
    b.triangle(V3(-0.03f, -0.6f, 2.5f), V3(-0.03f, -0.65f, 2.45f), V3(-0.03f, -0.55f, 2.45f));
    b.triangle(V3(-0.03f, 0.6f, 2.5f), V3(-0.03f, 0.55f, 2.45f), V3(-0.03f, 0.65f, 2.45f));
    b.assignBone(0, b.size() - 6);
    modelkit::placeMarkers(b.vertices, {{7584, tA, 0}, {7338, tA + 1, 0}}, V3(-1.0f, 0, 1.0f));
    Rig rig;
    rig.addBone(-1, V3(0, 0, 0));
    rig.addBone(0, V3(-0.25f, -1.0f, 0));
    rig.addBone(0, V3(-0.25f, 1.0f, 0));
    Pose closed(3), open(3), breathe(3);
    open[1].rotation = V3(0, 0, -80);
    open[2].rotation = V3(0, 0, 80);
    breathe[0].scale = V3(1.0f, 1.01f, 1.01f);
    modelkit::PoseKeys keys;
    if (n == 208) keys = {{0, closed}, {1.0f, closed}, {6.0f, open}, {8.0f, open}};
    else if (n == 210) keys = {{0, closed}, {2, breathe}, {4, closed}};
    else {
        Pose ob = open;
        ob[0] = breathe[0];
        keys = {{0, open}, {2, ob}, {4, open}};
    }
    return modelkit::posed(b.vertices, rig, keys);
}

MeshBuilder frameWithPicture(float w, float h, float depth) {
    MeshBuilder b;
    b.quad(V3(-w / 2, -depth, -h / 2), V3(w / 2, -depth, -h / 2), V3(w / 2, -depth, h / 2), V3(-w / 2, -depth, h / 2));
    b.setUvRect(0, 0, 0.05f, 0.05f);
    b.box(V3(0, 0, h / 2 + 0.03f), V3(w / 2 + 0.06f, 0.03f, 0.03f));
    b.box(V3(0, 0, -h / 2 - 0.03f), V3(w / 2 + 0.06f, 0.03f, 0.03f));
    b.box(V3(-w / 2 - 0.03f, 0, 0), V3(0.03f, 0.03f, h / 2));
    b.box(V3(w / 2 + 0.03f, 0, 0), V3(0.03f, 0.03f, h / 2));
    return b;
}

MeshBuilder cellQuad(V3 c, float w, float h, float u0, float v0, float u1, float v1) {
    MeshBuilder b;
    b.setUvRect(u0, v0, u1, v1);
    b.quad(c + V3(-w / 2, -0.02f, -h / 2), c + V3(w / 2, -0.02f, -h / 2), c + V3(w / 2, -0.02f, h / 2),
           c + V3(-w / 2, -0.02f, h / 2));
    return b;
}

MeshBuilder chair(bool wheels) {
    MeshBuilder b;
    b.box(V3(0, 0, 0.45f), V3(0.25f, 0.25f, 0.03f));
    for (int i = 0; i < 4; ++i) b.box(V3(i % 2 ? 0.22f : -0.22f, i / 2 ? 0.22f : -0.22f, 0.22f), V3(0.025f, 0.025f, 0.22f));
    b.box(V3(-0.23f, 0, 0.8f), V3(0.02f, 0.25f, 0.35f));
    if (wheels)
        for (int s = -1; s <= 1; s += 2) {
            b.cylinder(V3(0, s * 0.3f, 0.3f), 0.3f, 0.03f, 16);
            b.transform(Transform::rotateAbout(V3(0, s * 0.3f, 0.3f), V3(90, 0, 0)), b.size() - 16 * 3 * 4);
        }
    return b;
}

MeshBuilder table(float w, float d, float h) {
    MeshBuilder b;
    b.box(V3(0, 0, h - 0.03f), V3(w / 2, d / 2, 0.03f));
    for (int i = 0; i < 4; ++i) b.box(V3((i % 2 ? 1 : -1) * (w / 2 - 0.05f), (i / 2 ? 1 : -1) * (d / 2 - 0.05f), h / 2), V3(0.04f, 0.04f, h / 2));
    return b;
}

MeshBuilder tunnelRing() {
    MeshBuilder b;
    // An arch of planks around the axis, 1.5 long along x.
    for (int i = 0; i < 12; ++i) {
        const float a = i * 0.5236f;
        const size_t s = b.size();
        b.box(V3(0, 0, 1.3f), V3(0.7f, 0.36f, 0.05f));
        b.transform(Transform::rotationX(a * 57.2958f), s);
    }
    b.flipFaces(0);
    b.addBackFaces();
    return b;
}

MeshBuilder sky() {
    MeshBuilder b;
    b.sphere(V3(0, 0, 0), V3(26, 26, 26), 24, 12);
    b.flipFaces(0);
    for (MeshVertex& v : b.vertices) {
        v.u *= 4;
        v.v *= 2;
    }
    return b;
}

MeshBuilder mist() {
    MeshBuilder b;
    for (int layer = 0; layer < 3; ++layer) {
        const float z = 0.2f + layer * 0.4f;
        for (int i = -2; i < 2; ++i)
            for (int j = -2; j < 2; ++j) {
                const float x0 = i * 12.0f, y0 = j * 12.0f;
                b.quad(V3(x0, y0, z), V3(x0 + 12, y0, z), V3(x0 + 12, y0 + 12, z), V3(x0, y0 + 12, z));
            }
    }
    b.planarUv(V3(1.0f / 12, 0, 0), 0, V3(0, 1.0f / 12, 0), 0);
    b.addBackFaces();
    return b;
}

MeshBuilder room7(int n) {
    MeshBuilder b;
    switch (n) {
        case 223:  // the ground of one period
            for (int i = 0; i < 6; ++i)
                for (int j = -9; j < 3; ++j)
                    b.quad(V3(-30.0f + i * 5, j * 5.0f, 0), V3(-25.0f + i * 5, j * 5.0f, 0),
                           V3(-25.0f + i * 5, j * 5.0f + 5, 0), V3(-30.0f + i * 5, j * 5.0f + 5, 0));
            b.planarUv(V3(0.2f, 0, 0), 0, V3(0, 0.2f, 0), 0);
            break;
        case 224:  // the tunnel's post rows
            for (int k = 0; k < 20; ++k)
                for (float y : {3.85f, 6.15f}) b.box(V3(1.0f - 1.5f * k, y, 1.2f), V3(0.25f, 0.25f, 1.2f));
            break;
        case 225:  // the hall: walls with the north doorway
            b.box(V3(-11.175f, -4.98f, 1.5f), V3(2.525f, 0.1f, 1.5f));
            b.box(V3(-13.7f, -3.53f, 1.5f), V3(0.1f, 1.45f, 1.5f));
            b.box(V3(-8.65f, -3.53f, 1.5f), V3(0.1f, 1.45f, 1.5f));
            b.box(V3(-13.15f, -2.08f, 1.5f), V3(0.55f, 0.1f, 1.5f));
            b.box(V3(-10.07f, -2.08f, 1.5f), V3(1.43f, 0.1f, 1.5f));
            b.box(V3(-11.175f, -3.53f, 3.05f), V3(2.6f, 1.55f, 0.05f));
            break;
        case 226:  // far ridges north
            for (int i = 0; i < 6; ++i) b.box(V3(-27.5f + i * 5, 14.0f + (i % 2), 1.5f), V3(2.5f, 1.5f, 1.5f + (i % 3)));
            break;
        case 237:  // stones to the south, periodic in 5 along y
            for (int j = 0; j < 9; ++j)
                for (int i = 0; i < 6; ++i) b.sphere(V3(-27.0f + i * 5 + (j % 2), -2.0f - j * 5.0f, 0.1f), V3(0.4f, 0.3f, 0.25f), 6, 3);
            break;
        default:  // 239: dead trees
            for (int i = 0; i < 4; ++i) {
                const float x = -26.0f + i * 7.5f, y = i % 2 ? -12.0f : 9.0f;
                b.cylinder(V3(x, y, 0), 0.15f, 3.0f, 6);
                b.tube({V3(x, y, 2.0f), V3(x + 0.6f, y + 0.3f, 2.8f), V3(x + 1.0f, y + 0.2f, 3.2f)}, 0.05f, 4);
            }
            break;
    }
    return b;
}

// Two huge eyes north of the tunnel, facing the hall's doorway (-y): each
// an ellipsoid turned so that its picture's centre (the iris) looks south.
MeshBuilder eyesShape() {
    MeshBuilder b;
    for (float x : {-14.0f, -10.2f}) {
        const size_t from = b.size();
        b.sphere(V3(0, 0, 0), V3(0.35f, 1.3f, 0.8f), 20, 10);
        b.transform(Transform::translation(V3(x, 10.0f, 3.0f)) * Transform::rotationZ(90), from);
    }
    return b;
}

// The main menu's title scene, seen from x 0.5 looking along -x (fog ends
// 1.1 away, so everything lies at x > -0.52): fog hills below, the house on
// its hill, bare trees at the sides, a garland and a fence drifting across,
// and sweets in front.
std::vector<uint8_t> menuLayer(int n) {
    MeshBuilder b;
    Rig rig;
    rig.addBone(-1, V3(-0.5f, 0, 0));
    Pose a(1), c(1);
    switch (n) {
        case 68: {  // rolling fog hills; s runs along y (period 1.6) for the scrolled picture
            const int nx = 8, ny = 32;
            auto height = [](float x, float y, float phase) {
                return -0.42f + 0.05f * std::sin(y * 3.1f + phase) * std::cos(x * 5.0f) + 0.1f * (x + 0.5f) * -0.5f;
            };
            std::vector<MeshVertex> rest, moved;
            for (int pass = 0; pass < 2; ++pass) {
                MeshBuilder g;
                const float phase = pass * 3.14159f;
                for (int i = 0; i < nx; ++i)
                    for (int j = 0; j < ny; ++j) {
                        const float x0 = -0.5f + 0.8f * i / nx, x1 = -0.5f + 0.8f * (i + 1) / nx;
                        const float y0 = -1.6f + 3.2f * j / ny, y1 = -1.6f + 3.2f * (j + 1) / ny;
                        g.quad(V3(x1, y0, height(x1, y0, phase)), V3(x1, y1, height(x1, y1, phase)),
                               V3(x0, y1, height(x0, y1, phase)), V3(x0, y0, height(x0, y0, phase)));
                    }
                g.planarUv(V3(0, 1.0f / 1.6f, 0), 0, V3(1.25f, 0, 0), 0.6f);
                g.smoothNormals();
                (pass ? moved : rest) = g.vertices;
            }
            KeyframeMesh m;
            m.setBase(rest);
            m.addFrame(0, rest);
            m.addFrame(2.5f, moved);
            m.addFrame(5.0f, rest);
            return encodeMesh(m);
        }
        case 70: {  // a sagging garland with a paper lantern, one unit long
            std::vector<V3> rope;
            for (int k = 0; k <= 10; ++k) {
                const float y = k / 10.0f;
                rope.push_back(V3(-0.25f, y, 0.5f - 0.08f * std::sin(3.14159f * y)));
            }
            b.tube(rope, 0.004f, 5);
            b.cylinder(V3(-0.25f, 0.5f, 0.37f), 0.002f, 0.05f, 4, false);
            b.lathe({{0.0f, 0.0f}, {0.03f, 0.01f}, {0.04f, 0.04f}, {0.03f, 0.07f}, {0.0f, 0.08f}}, V3(-0.25f, 0.5f, 0.29f), 10);
            return still(b);
        }
        case 71: {  // a picket fence, one unit long
            b.box(V3(-0.2f, 0.5f, -0.36f), V3(0.004f, 0.5f, 0.006f));
            b.box(V3(-0.2f, 0.5f, -0.42f), V3(0.004f, 0.5f, 0.006f));
            for (int k = 0; k < 5; ++k) {
                const float y = 0.1f + 0.2f * k;
                b.box(V3(-0.2f, y, -0.4f), V3(0.006f, 0.025f, 0.07f));
                b.cone(V3(-0.2f, y, -0.33f), 0.025f, 0.03f, 4);
            }
            return still(b);
        }
        case 73: {  // the house on its hill
            const V3 o(-0.45f, 0.74f, -0.27f);
            b.box(o + V3(0, 0, 0.11f), V3(0.1f, 0.17f, 0.11f));
            b.box(o + V3(0, 0.12f, 0.27f), V3(0.02f, 0.015f, 0.06f));  // chimney
            // The roof: two slopes.
            b.quad(o + V3(0.11f, -0.19f, 0.22f), o + V3(0.11f, 0.19f, 0.22f), o + V3(0, 0.19f, 0.34f), o + V3(0, -0.19f, 0.34f));
            b.quad(o + V3(-0.11f, 0.19f, 0.22f), o + V3(-0.11f, -0.19f, 0.22f), o + V3(0, -0.19f, 0.34f), o + V3(0, 0.19f, 0.34f));
            b.triangle(o + V3(0.11f, -0.17f, 0.22f), o + V3(0, -0.17f, 0.34f), o + V3(-0.11f, -0.17f, 0.22f));
            b.triangle(o + V3(-0.11f, 0.17f, 0.22f), o + V3(0, 0.17f, 0.34f), o + V3(0.11f, 0.17f, 0.22f));
            // Windows and door on the front (+x).
            for (int w = 0; w < 2; ++w) b.box(o + V3(0.1f, -0.09f + 0.18f * w, 0.14f), V3(0.004f, 0.03f, 0.03f));
            b.box(o + V3(0.1f, 0, 0.05f), V3(0.004f, 0.025f, 0.05f));
            b.sphere(V3(-0.45f, 0.74f, -0.47f), V3(0.3f, 0.5f, 0.21f), 12, 6);  // the hill
            b.planarUv(V3(0, 2.0f, 0), 0.5f, V3(0, 0, 2.0f), 0.5f);
            c[0].rotation = V3(0.5f, 0, 0);
            return modelkit::posed(b.vertices, rig, {{0, a}, {3, c}, {6, a}});
        }
        case 75: {  // bare trees swaying at the sides
            Rig trees;
            trees.addBone(-1, V3(-0.4f, -0.95f, -0.5f));
            trees.addBone(-1, V3(-0.4f, 1.05f, -0.5f));
            for (int t = 0; t < 2; ++t) {
                const float y = t ? 1.05f : -0.95f, dir = t ? -1.0f : 1.0f;
                b.setBone(t);
                b.lathe({{0.03f, 0.0f}, {0.02f, 0.4f}, {0.0f, 0.8f}}, V3(-0.4f, y, -0.5f), 7);
                for (int k = 0; k < 5; ++k) {
                    const float z = -0.2f + 0.12f * k, len = 0.25f - 0.03f * k;
                    b.tube({V3(-0.4f, y, z), V3(-0.4f, y + dir * len * 0.6f, z + len * 0.4f),
                            V3(-0.4f, y + dir * len, z + len * 0.5f + 0.03f * (k % 2))}, 0.006f, 4);
                    b.tube({V3(-0.4f, y, z + 0.05f), V3(-0.4f, y - dir * len * 0.4f, z + 0.05f + len * 0.35f)}, 0.005f, 4);
                }
            }
            b.planarUv(V3(0, 0, 0), 0.5f, V3(0, 0, 1.0f), 0.5f);
            Pose p0(2), p1(2), p2(2);
            p1[0].rotation = V3(2, 0, 0);
            p1[1].rotation = V3(-1.5f, 0, 0);
            p2[0].rotation = V3(-1.5f, 0, 0);
            p2[1].rotation = V3(2, 0, 0);
            return modelkit::posed(b.vertices, trees, {{0, p0}, {2, p1}, {4, p0}, {6, p2}, {8, p0}});
        }
        case 78: {  // wrapped sweets in front, left and right of the title
            const float spots[6][2] = {{-0.55f, -0.3f}, {-0.45f, -0.31f}, {-0.62f, -0.29f},
                                       {0.5f, -0.3f}, {0.6f, -0.31f}, {0.42f, -0.29f}};
            for (int i = 0; i < 6; ++i) {
                const V3 cpos(-0.05f, spots[i][0], spots[i][1]);
                const size_t from = b.size();
                b.sphere(cpos, V3(0.012f, 0.018f, 0.012f), 10, 6);
                b.cone(cpos + V3(0, 0.016f, 0), 0.011f, 0.016f, 6);
                b.transform(Transform::rotateAbout(cpos + V3(0, 0.016f, 0), V3(-90, 0, 0)), b.size() - 36);
                b.cone(cpos - V3(0, 0.016f, 0), 0.011f, 0.016f, 6);
                b.transform(Transform::rotateAbout(cpos - V3(0, 0.016f, 0), V3(90, 0, 0)), b.size() - 36);
                b.transform(Transform::rotateAbout(cpos, V3(0, 0, 25.0f * i)), from);
            }
            return still(b);
        }
        case 80: case 81: case 82: {  // the invitation card (80: folded paper)
            b.setUvRect(0, 0, 1, 1);
            // A square card facing +x (the camera), the picture upright on it;
            // the back face shows it mirrored, as paper held to the light.
            b.quad(V3(-0.1f, -0.25f, -0.25f), V3(-0.1f, 0.25f, -0.25f), V3(-0.1f, 0.25f, 0.25f), V3(-0.1f, -0.25f, 0.25f));
            b.addBackFaces();
            for (MeshVertex& v : b.vertices) {
                v.u = (v.position.y + 0.25f) / 0.5f;
                v.v = (v.position.z + 0.25f) / 0.5f;
            }
            c[0].rotation = V3(0, 0, n == 80 ? 8.0f : 6.0f);
            Pose d(1);
            d[0].rotation = V3(0, 0, -6.0f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {1, c}, {2, d}, {3, a}});
        }
        default: return {};
    }
}

// The intro's costume figure: death at 0, ghost at 1, werewolf at 2 (and
// again at 3, so the shown costume 2 is not the wrapped time 0); between the
// keys one costume morphs into the next.
std::vector<uint8_t> introCostume() {
    const float h = 0.5f, g = -0.25f;
    Figure shapes[3] = {buildCostumeFigure(0, h, g), buildCostumeFigure(1, h, g), buildCostumeFigure(2, h, g)};
    KeyframeMesh mesh;
    mesh.setBase(shapes[0].mesh.vertices);
    const float times[4] = {0, 1, 2, 3};
    for (int k = 0; k < 4; ++k) {
        const Figure& f = shapes[k < 3 ? k : 2];
        Pose p(Figure::BoneCount);
        if (k == 1) {  // the ghost lifts its arms
            p[Figure::ArmL].rotation = V3(0, -90, 0);
            p[Figure::ArmR].rotation = V3(0, -90, 0);
        } else if (k >= 2) {  // the werewolf hunches and claws
            p[Figure::Torso].rotation = V3(0, 15, 0);
            p[Figure::ArmL].rotation = V3(0, -45, 0);
            p[Figure::ArmR].rotation = V3(0, -45, 0);
        }
        if (!mesh.addFrame(times[k], f.rig.apply(f.mesh.vertices, p, Transform::rotationZ(-15)))) return {};
    }
    return encodeMesh(mesh);
}

}  // namespace

std::vector<uint8_t> indoorMesh(int n) {
    MeshBuilder b;
    switch (n) {
        case 156: return still(houseShell());
        case 157: b.cylinder(V3(0, 0, -0.0f), 0.05f, 0.3f, 8); b.cylinder(V3(0, 0, -0.03f), 0.1f, 0.03f, 10); return still(b);
        case 159: return still(chair(false));
        case 187: {
            MeshBuilder c = chair(true);
            c.transform(Transform::translation(V3(0, 0, -1.14f)));
            return still(c);
        }
        case 160: b.sphere(V3(0, 0, 0), V3(0.18f, 0.18f, 0.18f), 16, 10); b.cylinder(V3(0, 0, -0.22f), 0.1f, 0.06f, 10); return still(b);
        case 162: return still(frameWithPicture(1.3f, 3.6f, 0.0f));
        case 170: {
            b = frameWithPicture(1.3f, 3.6f, 0.0f);
            b.addBackFaces();
            Rig rig;
            rig.addBone(-1, V3(-0.7f, 0, 0));
            Pose shut(1), open(1);
            open.front().rotation = V3(0, 0, 95);
            return modelkit::posed(b.vertices, rig, {{0, shut}, {5, open}, {7, open}});
        }
        case 163:
            b.merge(cellQuad(V3(-0.3f, 0, 0.1f), 0.5f, 0.7f, 0, 0.52f, 0.24f, 0.98f));
            b.merge(cellQuad(V3(0.3f, 0, 0.1f), 0.5f, 0.7f, 0.26f, 0.52f, 0.49f, 0.98f));
            return still(b);
        case 164:
            b.merge(cellQuad(V3(-0.2f, 0, 0), 0.35f, 0.35f, 0.01f, 0.02f, 0.24f, 0.24f));
            b.merge(cellQuad(V3(0.2f, 0, 0), 0.35f, 0.35f, 0.26f, 0.02f, 0.49f, 0.24f));
            return still(b);
        case 165: b.merge(cellQuad(V3(0, 0, 0), 0.3f, 0.3f, 0.53f, 0.03f, 0.97f, 0.47f)); return still(b);
        case 168: b.merge(cellQuad(V3(0, 0, 0), 1.2f, 0.5f, 0, 0, 1, 1)); return still(b);
        case 171: b.box(V3(0, 0, 0), V3(0.8f, 0.8f, 0.8f)); return still(b);
        case 176: {
            b.quad(V3(-0.7f, -0.7f, 0.005f), V3(0.7f, -0.7f, 0.005f), V3(0.7f, 0.7f, 0.005f), V3(-0.7f, 0.7f, 0.005f));
            return still(b);
        }
        case 177: case 178: {
            MeshBuilder t = table(2.0f, 1.2f, 0.9f);
            t.transform(Transform::translation(V3(0, 0, -1.0f)));
            return still(t);
        }
        case 188:
            b.box(V3(0, 0, -0.4f), V3(0.9f, 0.3f, 0.75f));
            b.box(V3(0.4f, 0, 0.5f), V3(0.3f, 0.2f, 0.15f));
            b.planarUv(V3(0.5f, 0, 0), 0.5f, V3(0, 0, 0.5f), 0.5f);
            return still(b);
        case 198: {
            FigureStyle s;
            s.height = 1.55f;
            s.ground = -1.14f;
            s.head = FigureStyle::Skull;
            s.skin = 15;
            s.main = 15;
            Figure f = buildFigure(s);
            Pose sit(Figure::BoneCount);
            sit[Figure::LegL].rotation = V3(0, -85, 0);
            sit[Figure::LegR].rotation = V3(0, -85, 0);
            sit[Figure::Root].offset = V3(-0.05f, 0, -0.35f);
            Pose nod = sit;
            nod[Figure::Head].rotation = V3(0, 15, 0);
            return modelkit::posed(f.mesh.vertices, f.rig, {{0, sit}, {2, nod}, {4, sit}});
        }
        case 201: case 204: {
            // A square sheet 10 above the origin, read from above with +y up the page.
            b.quad(V3(-0.24f, -0.24f, 10.0f), V3(0.24f, -0.24f, 10.0f), V3(0.24f, 0.24f, 10.0f), V3(-0.24f, 0.24f, 10.0f));
            if (n == 201) return still(b);
            Rig rig;
            rig.addBone(-1, V3(0, 0, 10.0f));
            Pose lie(1), lift(1), away(1);
            lift.front().offset = V3(0, 0, 0.2f);
            lift.front().rotation = V3(20, 0, 0);
            away.front().offset = V3(0, 0.3f, 0.5f);
            away.front().scale = V3(0.05f, 0.05f, 0.05f);
            return modelkit::posed(b.vertices, rig, {{0, lie}, {4, lift}, {9, away}, {10, away}});
        }
        case 202:
            b.sphere(V3(0, 0, 0.03f), V3(0.04f, 0.03f, 0.03f), 8, 5);
            b.cone(V3(0.035f, 0, 0.03f), 0.025f, 0.04f, 6);
            b.transform(Transform::rotateAbout(V3(0.035f, 0, 0.03f), V3(0, 90, 0)), b.size() - 36);
            return still(b);
        case 208: case 210: case 211: return gate(n);
        case 223: case 224: case 225: case 226: case 237: case 239: return still(room7(n));
        case 227: {
            // Drawn rotated 180 about X: the floor (world z 0) is local z +1.
            for (int i = 0; i < 20; ++i)
                b.quad(V3(-1.5f * i - 0.75f, 1.0f, 1.0f), V3(-1.5f * i + 0.75f, 1.0f, 1.0f), V3(-1.5f * i + 0.75f, -1.0f, 1.0f),
                       V3(-1.5f * i - 0.75f, -1.0f, 1.0f));
            b.planarUv(V3(1.0f / 1.5f, 0, 0), 0, V3(0, 0.5f, 0), 0);
            b.addBackFaces();
            return still(b);
        }
        case 228: return still(mist());
        case 229: return still(sky());
        case 241: {
            b.quad(V3(-0.75f, -1.0f, -1.0f), V3(0.75f, -1.0f, -1.0f), V3(0.75f, 1.0f, -1.0f), V3(-0.75f, 1.0f, -1.0f));
            b.planarUv(V3(1.0f / 1.5f, 0, 0), 0.5f, V3(0, 0.5f, 0), 0.5f);
            Rig rig;
            rig.addBone(-1, V3(0, 0, -1.0f));
            Pose a(1), c(1);
            c.front().offset = V3(0, 0, 0.03f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {1, c}, {2, a}});
        }
        case 242: return still(tunnelRing());
        case 245: {
            b = tunnelRing();
            Rig rig;
            rig.addBone(-1, V3(0, 0, 0));
            Pose a(1), shut(1);
            shut.front().scale = V3(1, 0.05f, 0.05f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {12, a}, {28, shut}, {30, shut}});
        }
        case 246: b.box(V3(0, 0, 0.5f), V3(10.6f, 1.0f, 1.5f)); return still(b);  // seen from outside
        case 247: b.box(V3(-10.65f, 0, 0.5f), V3(0.05f, 1.0f, 1.5f)); return still(b);
        case 248: case 251: {
            b = eyesShape();
            Rig rig;
            rig.addBone(-1, V3(-12.1f, 10.0f, 3.0f));
            Pose shut(1), open(1), half(1);
            shut.front().scale = V3(1, 1, 0.05f);
            half.front().scale = V3(1, 1, 0.85f);
            if (n == 248) return modelkit::posed(b.vertices, rig, {{0, shut}, {5, open}, {6, open}});
            return modelkit::posed(b.vertices, rig, {{0, open}, {3, half}, {6, open}});
        }
        case 253: {
            // A figure in a costume (which one the backdrop's picture decides),
            // standing north of the hall's doorway, facing the ending camera.
            Figure f = buildCostumeFigure(0, 1.7f, 0.0f);
            MeshBuilder fig = f.mesh;
            fig.transform(Transform::translation(V3(-12.1f, 2.0f, 0)) * Transform::rotationZ(-90));
            return still(fig);
        }
        case 87: return introCostume();
        default: return menuLayer(n);
    }
}
