// The inside of the house (rooms 4 to 6): its shell, pictures, furniture and the letter.
#include <cmath>

#include "content/Figure.h"
#include "content/HouseLayout.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"

namespace {

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
    for (int k = 0; k < 5; ++k)                                          // planks against the wall
        b.box(V3(1.62f + 0.02f * (k % 2), 41.95f + 0.4f * k, 2.3f) - o, V3(0.04f, 0.18f, 1.3f));
    b.box(V3(3.5f, 43.0f, 1.005f) - o, V3(0.5f, 0.5f, 0.005f));        // trapdoor
    b.box(V3(11.0f, 40.6f, 7.97f) - o, V3(0.8f, 0.5f, 0.66f));         // the desk, top 8.63
    b.box(V3(19.25f, 41.1f, 5.2f) - o, V3(0.3f, 0.2f, 0.04f));         // the crystal ball's shelf
    return b;
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

}  // namespace

std::vector<uint8_t> houseMesh(int n) {
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
        default: return {};
    }
}
