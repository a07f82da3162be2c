// The meshes of the main menu and the intro.
#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "content/CostumeFigure.h"
#include "content/Figure.h"
#include "content/KeyframeMesh.h"
#include "content/MeshWriter.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"

namespace {

using modelkit::still;
typedef std::vector<BonePose> Pose;

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
        case mesh::kMenuFogHills: {  // rolling fog hills; s runs along y (period 1.6) for the scrolled picture
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
        case mesh::kMenuGarland: {  // a sagging garland with a paper lantern, one unit long
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
        case mesh::kMenuFence: {  // a picket fence, one unit long
            b.box(V3(-0.2f, 0.5f, -0.36f), V3(0.004f, 0.5f, 0.006f));
            b.box(V3(-0.2f, 0.5f, -0.42f), V3(0.004f, 0.5f, 0.006f));
            for (int k = 0; k < 5; ++k) {
                const float y = 0.1f + 0.2f * k;
                b.box(V3(-0.2f, y, -0.4f), V3(0.006f, 0.025f, 0.07f));
                b.cone(V3(-0.2f, y, -0.33f), 0.025f, 0.03f, 4);
            }
            return still(b);
        }
        case mesh::kMenuHouse: {  // the house on its hill
            const V3 o(-0.4f, 0.74f, -0.27f);
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
            b.sphere(V3(-0.4f, 0.74f, -0.47f), V3(0.12f, 0.5f, 0.21f), 12, 6);  // the hill
            b.planarUv(V3(0, 2.0f, 0), 0.5f, V3(0, 0, 2.0f), 0.5f);
            c[0].rotation = V3(0.5f, 0, 0);
            return modelkit::posed(b.vertices, rig, {{0, a}, {3, c}, {6, a}});
        }
        case mesh::kMenuTrees: {  // bare trees swaying at the sides
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
        case mesh::kMenuSweets: {  // wrapped sweets in front, left and right of the title
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
        case mesh::kIntroPaper: {  // the paper slipped under the door: a letter folded in three
            // It lies on the floor 0.35 in front of the camera, in the lower
            // half of the view under the page's text, which stands in the
            // middle (the screen draws it moved by (0, 0.3, -0.2) and scaled
            // by 0.6).
            const V3 centre(0.25f, -0.5f, 0.133f);
            const float halfWidth = 0.1f, third = 0.09f;
            // Lean back from upright (degrees) of the near, middle and far
            // thirds: the sheet lies flat, the middle third still raised by
            // its folds.
            const float lean[3] = {72.0f, 52.0f, 68.0f};
            const int rows = 12, columns = 4;
            std::vector<V3> spine(rows + 1);
            V3 at(0, 0, 0);
            for (int r = 0; r <= rows; ++r) {
                spine[size_t(r)] = at;
                const float angle = lean[std::min(2, r * 3 / rows)] * 3.14159f / 180.0f;
                at = at + V3(-std::sin(angle), 0, std::cos(angle)) * (3 * third / float(rows));
            }
            const V3 middle = (spine.front() + spine.back()) * 0.5f;
            auto point = [&](int r, int c) {
                const float s = -1 + 2 * float(c) / float(columns);
                const V3 p = spine[size_t(r)] - middle;
                return centre + V3(p.x + 0.012f * s * s, s * halfWidth, p.z);
            };
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    b.quad(point(r, c), point(r, c + 1), point(r + 1, c + 1), point(r + 1, c));
            b.flatNormals();
            b.addBackFaces();
            // The paper's grain is sampled small, so it reads as smooth paper;
            // the sheen picture laid over it runs from its bright spot at the
            // near edge to grey at the far one, as if lit from the door.
            for (MeshVertex& v : b.vertices) {
                v.u = 0.325f + (v.position.y - centre.y) / halfWidth * 0.02f;
                v.v = 0.725f + (v.position.x - centre.x) / (1.5f * third) * 0.1f;
            }
            Rig sheet;
            sheet.addBone(-1, centre);
            Pose still0(1), sway(1), back(1);
            sway[0].rotation = V3(0, 0, 3.0f);
            back[0].rotation = V3(0, -3.0f, -2.0f);
            return modelkit::posed(b.vertices, sheet, {{0, still0}, {2, sway}, {4, back}, {6, still0}});
        }
        case mesh::kIntroCard: case mesh::kIntroCardBack: {  // the invitation card
            b.setUvRect(0, 0, 1, 1);
            // A square card facing +x (the camera), the picture upright on it;
            // the back face shows it mirrored, as paper held to the light.
            b.quad(V3(-0.1f, -0.25f, -0.25f), V3(-0.1f, 0.25f, -0.25f), V3(-0.1f, 0.25f, 0.25f), V3(-0.1f, -0.25f, 0.25f));
            b.addBackFaces();
            for (MeshVertex& v : b.vertices) {
                v.u = (v.position.y + 0.25f) / 0.5f;
                v.v = (v.position.z + 0.25f) / 0.5f;
            }
            c[0].rotation = V3(0, 0, 6.0f);
            Pose d(1);
            d[0].rotation = V3(0, 0, -6.0f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {1, c}, {2, d}, {3, a}});
        }
        default: return {};
    }
}

// Where the intro screen draws the costume figure: moved by (0.1, 0.055,
// -0.1) and turned 15 degrees about z, seen from (0.5, 0, 0) along -x with a
// 70 degree view. The figure must stand inside the view on a 4:3 screen and
// below the costume line, whose lower edge lies at 0.6 of the half-height
// above the middle.
const float kCostumeAt[3] = {0.1f, 0.055f, -0.1f};
const float kCostumeTurn = 15.0f * 3.14159265f / 180.0f;
const float kCostumeTop = 0.45f, kCostumeBottom = -0.94f, kCostumeSide = 0.9f;

// The largest scale (about the figure's origin) and the lift that keep every
// vertex of every frame inside those bounds; false when even a small figure
// would not fit.
bool fitCostume(const std::vector<std::vector<MeshVertex>>& frames, float& scale, float& lift) {
    const float tanHalf = std::tan(35.0f * 3.14159265f / 180.0f);
    const float c = std::cos(kCostumeTurn), s = std::sin(kCostumeTurn);
    for (float k = 1.0f; k > 0.3f; k -= 0.01f) {
        float low = -1e9f, high = 1e9f;
        bool sidesFit = true;
        for (const std::vector<MeshVertex>& frame : frames)
            for (const MeshVertex& v : frame) {
                const V3 p = v.position * k;
                const float depth = 0.5f - (kCostumeAt[0] + c * p.x - s * p.y);
                const float across = kCostumeAt[1] + s * p.x + c * p.y;
                if (depth <= 0.02f || std::fabs(across) > kCostumeSide * depth * tanHalf * 4.0f / 3.0f) sidesFit = false;
                high = std::min(high, kCostumeTop * depth * tanHalf - kCostumeAt[2] - p.z);
                low = std::max(low, kCostumeBottom * depth * tanHalf - kCostumeAt[2] - p.z);
            }
        if (sidesFit && low <= high) {
            scale = k;
            lift = (low + high) * 0.5f;
            return true;
        }
    }
    return false;
}

// The intro's costume figure: death at 0, ghost at 1, werewolf at 2 (and
// again at 3, so the shown costume 2 is not the wrapped time 0); between the
// keys one costume morphs into the next. Scaled and lifted to fit the page.
std::vector<uint8_t> introCostume() {
    const float h = 0.5f, g = -0.25f;
    Figure shapes[3] = {buildCostumeFigure(0, h, g), buildCostumeFigure(1, h, g), buildCostumeFigure(2, h, g)};
    std::vector<std::vector<MeshVertex>> frames;
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
        frames.push_back(f.rig.apply(f.mesh.vertices, p, Transform::rotationZ(-15)));
    }
    float scale = 1, lift = 0;
    if (!fitCostume(frames, scale, lift)) return {};
    for (std::vector<MeshVertex>& frame : frames)
        for (MeshVertex& v : frame) v.position = v.position * scale + V3(0, 0, lift);
    KeyframeMesh mesh;
    mesh.setBase(frames[0]);
    const float times[4] = {0, 1, 2, 3};
    for (int k = 0; k < 4; ++k)
        if (!mesh.addFrame(times[k], frames[size_t(k)])) return {};
    return encodeMesh(mesh);
}

}  // namespace

std::vector<uint8_t> screenMesh(int n) {
    switch (n) {
        case mesh::kIntroCostume: return introCostume();
        default: return menuLayer(n);
    }
}
