// The inside of the house (rooms 4 to 6): its shell, pictures, furniture and the letter.
#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
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
// Floorboards along y over x0..x1, y0..y1 at floor height z: boards 0.25
// wide in lengths of 4, the joints staggered, each a little proud of the floor.
void floorboards(MeshBuilder& b, float x0, float x1, float y0, float y1, float z, uint32_t seed) {
    MeshBuilder f;
    // course, block, relief, bevel, joint, jitter, seed
    const modelkit::Courses c{0.25f, 4.0f, 0.012f, 0.01f, 0.012f, 0.0f, seed};
    // Courses run along x in the kit; build across and turn a quarter.
    modelkit::stoneCourses(f, y0, y1, -x1, -x0, c);
    f.transform(Transform::translation(V3(0, 0, z)) * Transform::rotationZ(90));
    b.merge(f);
}

// A skirting board along a wall: from (x0, y0) to (x1, y1) (along x or y),
// standing out toward `inward` from the wall face, 0.16 high over floor z.
void skirting(MeshBuilder& b, V3 from, V3 to, V3 inward, float z) {
    const V3 mid = (from + to) * 0.5f, half = (to - from) * 0.5f;
    const V3 h(std::fabs(half.x) + std::fabs(inward.x) * 0.02f, std::fabs(half.y) + std::fabs(inward.y) * 0.02f, 0.08f);
    b.box(V3(mid.x, mid.y, z + 0.08f) + inward * 0.02f, h);
    b.box(V3(mid.x, mid.y, z + 0.165f) + inward * 0.012f,
          V3(std::max(h.x - std::fabs(inward.x) * 0.008f, 0.012f), std::max(h.y - std::fabs(inward.y) * 0.008f, 0.012f), 0.008f));
}

// Panelling below a dado rail along a wall from `from` to `to` (along x or
// y) over floor z: upright stiles every 0.8 between the skirting and the
// rail, the rail itself and a picture rail `picture` above the floor.
void panelling(MeshBuilder& b, V3 from, V3 to, V3 inward, float z, float picture) {
    const V3 along = normalized(to - from);
    const float len = length(to - from);
    auto strip = [&](float z0, float z1, float depth) {
        const V3 mid = (from + to) * 0.5f + inward * (depth * 0.5f);
        b.box(V3(mid.x, mid.y, (z0 + z1) * 0.5f),
              V3(std::fabs(along.x) * len * 0.5f + std::fabs(inward.x) * depth * 0.5f,
                 std::fabs(along.y) * len * 0.5f + std::fabs(inward.y) * depth * 0.5f, (z1 - z0) * 0.5f));
    };
    strip(z + 0.92f, z + 0.98f, 0.035f);
    strip(z + 0.98f, z + 1.0f, 0.02f);
    strip(z + picture, z + picture + 0.05f, 0.03f);
    for (float t = 0.4f; t < len - 0.2f; t += 0.8f) {
        const V3 at = from + along * t + inward * 0.01f;
        b.box(V3(at.x, at.y, z + 0.56f), V3(std::fabs(along.x) * 0.03f + std::fabs(inward.x) * 0.01f,
                                           std::fabs(along.y) * 0.03f + std::fabs(inward.y) * 0.01f, 0.38f));
    }
}

// Door and window frames on the inside of the front wall (y 29.5, facing
// +y): a moulded casing round each opening and a sill under the windows.
void frontFrames(MeshBuilder& b) {
    const float y = house::kInsideFrontY;
    for (const MeshBuilder::Hole& h : house::frontOpenings()) {
        const bool door = h.z0 <= 1.0f;
        const float w = 0.12f, d = 0.05f;
        // The door's casing stands on the floor; a window's runs past its sill.
        const float bottom = door ? h.z0 : h.z0 - w, top = h.z1 + w;
        b.box(V3(h.x0 - w * 0.5f, y + d * 0.5f, (bottom + top) * 0.5f), V3(w * 0.5f, d * 0.5f, (top - bottom) * 0.5f));
        b.box(V3(h.x1 + w * 0.5f, y + d * 0.5f, (bottom + top) * 0.5f), V3(w * 0.5f, d * 0.5f, (top - bottom) * 0.5f));
        b.box(V3((h.x0 + h.x1) * 0.5f, y + d * 0.5f, h.z1 + w * 0.5f), V3((h.x1 - h.x0) * 0.5f + w, d * 0.5f, w * 0.5f));
        b.box(V3((h.x0 + h.x1) * 0.5f, y + d * 0.6f, h.z1 + w + 0.03f), V3((h.x1 - h.x0) * 0.5f + w + 0.04f, d * 0.6f, 0.03f));
        if (!door) {
            b.box(V3((h.x0 + h.x1) * 0.5f, y + 0.08f, h.z0 - 0.03f), V3((h.x1 - h.x0) * 0.5f + w + 0.05f, 0.08f, 0.03f));
            b.box(V3((h.x0 + h.x1) * 0.5f, y + d * 0.5f, h.z0 - 0.1f), V3((h.x1 - h.x0) * 0.5f + w, d * 0.5f, 0.05f));
        }
    }
}

// Beams under a ceiling at z, along y from y0 to y1, at the given xs.
void beams(MeshBuilder& b, const std::vector<float>& xs, float y0, float y1, float z) {
    for (float x : xs) b.box(V3(x, (y0 + y1) * 0.5f, z - 0.11f), V3(0.08f, (y1 - y0) * 0.5f, 0.11f));
}

// The finish of the house in world coordinates: floorboards, skirting,
// the front's frames, the beams and the first flight's stringer and rail.
void houseJoinery(MeshBuilder& b) {
    floorboards(b, 1.5f, 23.5f, 29.5f, 45.5f, 1.0f, 156);
    floorboards(b, 1.5f, 23.5f, 29.5f, 41.5f, 7.31f, 157);
    for (float z : {1.0f, 7.31f}) {
        skirting(b, V3(1.5f, 29.5f, 0), V3(1.5f, 45.5f, 0), V3(1, 0, 0), z);
        skirting(b, V3(23.5f, 29.5f, 0), V3(23.5f, 45.5f, 0), V3(-1, 0, 0), z);
        skirting(b, V3(1.5f, 45.5f, 0), V3(23.5f, 45.5f, 0), V3(0, -1, 0), z);
    }
    skirting(b, V3(1.5f, 29.5f, 0), V3(11.6f, 29.5f, 0), V3(0, 1, 0), 1.0f);
    skirting(b, V3(13.4f, 29.5f, 0), V3(23.5f, 29.5f, 0), V3(0, 1, 0), 1.0f);
    skirting(b, V3(1.5f, 29.5f, 0), V3(23.5f, 29.5f, 0), V3(0, 1, 0), 7.31f);
    skirting(b, V3(10.3f, 41.3f, 0), V3(13.4f, 41.3f, 0), V3(0, -1, 0), 1.0f);
    skirting(b, V3(14.8f, 41.3f, 0), V3(19.5f, 41.3f, 0), V3(0, -1, 0), 1.0f);
    panelling(b, V3(1.5f, 29.5f, 0), V3(1.5f, 45.5f, 0), V3(1, 0, 0), 1.0f, 4.6f);
    panelling(b, V3(23.5f, 29.5f, 0), V3(23.5f, 35.4f, 0), V3(-1, 0, 0), 1.0f, 4.6f);
    panelling(b, V3(1.5f, 45.5f, 0), V3(10.3f, 45.5f, 0), V3(0, -1, 0), 1.0f, 4.6f);
    panelling(b, V3(10.3f, 41.3f, 0), V3(13.4f, 41.3f, 0), V3(0, -1, 0), 1.0f, 4.6f);
    panelling(b, V3(14.8f, 41.3f, 0), V3(19.5f, 41.3f, 0), V3(0, -1, 0), 1.0f, 4.6f);
    panelling(b, V3(1.5f, 29.5f, 0), V3(1.5f, 45.5f, 0), V3(1, 0, 0), 7.31f, 3.0f);
    panelling(b, V3(23.5f, 29.5f, 0), V3(23.5f, 41.5f, 0), V3(-1, 0, 0), 7.31f, 3.0f);
    panelling(b, V3(1.5f, 45.5f, 0), V3(10.8f, 45.5f, 0), V3(0, -1, 0), 7.31f, 3.0f);
    frontFrames(b);
    beams(b, {3.0f, 5.5f, 8.0f, 10.5f, 13.0f, 15.5f, 18.0f}, 29.5f, 41.3f, 7.0f);
    beams(b, {3.0f, 5.5f, 8.0f, 10.5f, 13.0f, 15.5f, 18.0f, 20.5f}, 29.5f, 45.5f, 11.5f);
    // The first flight's open side (x 19.5): a sloping stringer (kept above
    // the floor at its foot), posts and a rail.
    const float run = 6.0f, rise = 2.5f, tilt = std::atan2(rise, run) * 57.2958f;
    const size_t from = b.size();
    b.box(V3(0, run * 0.5f, 0), V3(0.04f, run * 0.5f + 0.1f, 0.12f));
    b.box(V3(0, run * 0.5f, 0.95f), V3(0.03f, run * 0.5f + 0.1f, 0.03f));
    b.transform(Transform::translation(V3(19.5f, 35.55f, 1.2f)) * Transform::rotationX(tilt), from);
    for (int k = 0; k <= 5; ++k) {
        const float y = 35.7f + 1.2f * k, z = 1.2f + rise * (y - 35.55f) / run;
        b.box(V3(19.5f, y, z + 0.5f), V3(0.025f, 0.025f, 0.46f));
    }
}

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
    houseJoinery(b);
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
    // A wooden chair, its back to -x: a seat, four legs with stretchers,
    // the back legs running up into posts joined by a top rail and slats.
    b.box(V3(0, 0, 0.45f), V3(0.25f, 0.25f, 0.03f));
    for (int i = 0; i < 4; ++i) {
        const bool back = i % 2 == 0;
        const float x = back ? -0.22f : 0.22f, y = i / 2 ? 0.22f : -0.22f, top = back ? 1.0f : 0.42f;
        b.box(V3(x, y, top * 0.5f), V3(0.025f, 0.025f, top * 0.5f));
    }
    b.box(V3(0, -0.22f, 0.14f), V3(0.2f, 0.015f, 0.015f));
    b.box(V3(0, 0.22f, 0.14f), V3(0.2f, 0.015f, 0.015f));
    b.box(V3(0, 0, 0.2f), V3(0.015f, 0.2f, 0.015f));
    b.box(V3(-0.22f, 0, 0.93f), V3(0.022f, 0.2f, 0.05f));
    b.box(V3(-0.22f, 0, 0.56f), V3(0.018f, 0.2f, 0.025f));
    for (float y : {-0.1f, 0.0f, 0.1f}) b.box(V3(-0.22f, y, 0.74f), V3(0.012f, 0.03f, 0.17f));
    if (wheels)
        for (int s = -1; s <= 1; s += 2) {
            b.cylinder(V3(0, s * 0.3f, 0.3f), 0.3f, 0.03f, 16);
            b.transform(Transform::rotateAbout(V3(0, s * 0.3f, 0.3f), V3(90, 0, 0)), b.size() - 16 * 3 * 4);
        }
    return b;
}

// A table: a top with a moulded edge, an apron under it and turned legs.
MeshBuilder table(float w, float d, float h) {
    MeshBuilder b;
    b.box(V3(0, 0, h - 0.03f), V3(w / 2, d / 2, 0.03f));
    b.box(V3(0, 0, h - 0.065f), V3(w / 2 - 0.02f, d / 2 - 0.02f, 0.008f));
    b.box(V3(0, d / 2 - 0.08f, h - 0.13f), V3(w / 2 - 0.1f, 0.02f, 0.06f));
    b.box(V3(0, -d / 2 + 0.08f, h - 0.13f), V3(w / 2 - 0.1f, 0.02f, 0.06f));
    b.box(V3(w / 2 - 0.08f, 0, h - 0.13f), V3(0.02f, d / 2 - 0.1f, 0.06f));
    b.box(V3(-w / 2 + 0.08f, 0, h - 0.13f), V3(0.02f, d / 2 - 0.1f, 0.06f));
    for (int i = 0; i < 4; ++i) {
        const V3 at((i % 2 ? 1 : -1) * (w / 2 - 0.08f), (i / 2 ? 1 : -1) * (d / 2 - 0.08f), 0);
        b.box(at + V3(0, 0, h - 0.13f), V3(0.045f, 0.045f, 0.07f));
        b.lathe({{0.025f, 0.0f}, {0.035f, 0.05f}, {0.028f, 0.12f}, {0.04f, 0.3f}, {0.03f, 0.5f}, {0.045f, 0.6f},
                 {0.035f, h - 0.2f}},
                at, 8);
    }
    return b;
}

// A wooden crate of half size s: a box of boards with battens and corner posts.
MeshBuilder crate(float s) {
    MeshBuilder b;
    b.box(V3(0, 0, 0), V3(s - 0.03f, s - 0.03f, s - 0.03f));
    for (int k = 0; k < 4; ++k) {
        const float x = k % 2 ? s - 0.05f : -s + 0.05f, y = k / 2 ? s - 0.05f : -s + 0.05f;
        b.box(V3(x, y, 0), V3(0.05f, 0.05f, s));
    }
    for (float z : {-s + 0.07f, s - 0.07f}) {
        b.box(V3(0, 0, z), V3(s - 0.04f, s, 0.05f));
        b.box(V3(0, 0, z), V3(s, s - 0.04f, 0.05f));
    }
    // Board joints on the sides and the top.
    for (int k = 1; k < 4; ++k) {
        const float t = -s + 2 * s * k / 4;
        b.box(V3(0, 0, t), V3(s - 0.015f, s - 0.015f, 0.006f));
        b.box(V3(t, 0, s - 0.015f), V3(0.006f, s - 0.03f, 0.015f));
    }
    b.box(V3(0, 0, 0), V3(0.035f, s - 0.02f, 0.7f * s));
    b.transform(Transform::rotateAbout(V3(0, 0, 0), V3(0, 48, 0)), b.size() - 36);
    return b;
}

// The crystal ball on its stand: a smooth glass ball (radius 0.18 about the
// origin) in a turned wooden cup on a stepped foot (down to z -0.22), held by
// three claws curling up round its lower half.
MeshBuilder crystalBall() {
    MeshBuilder b;
    b.sphere(V3(0, 0, 0), V3(0.18f, 0.18f, 0.18f), 22, 14);
    b.lathe({{0.0f, 0.0f}, {0.12f, 0.0f}, {0.12f, 0.02f}, {0.095f, 0.03f}, {0.05f, 0.045f}, {0.045f, 0.055f},
             {0.075f, 0.07f}, {0.1f, 0.09f}, {0.0f, 0.09f}},
            V3(0, 0, -0.22f), 16);
    for (int k = 0; k < 3; ++k) {
        const float a = k * 2.0944f + 0.5f, c = std::cos(a), s = std::sin(a);
        b.tube({V3(0.09f * c, 0.09f * s, -0.135f), V3(0.16f * c, 0.16f * s, -0.1f), V3(0.19f * c, 0.19f * s, -0.03f),
                V3(0.175f * c, 0.175f * s, 0.03f)},
               0.014f, 5);
    }
    return b;
}

// A sweet in a paper wrapper: a round body with the paper twisted tight at
// both ends and fanning out flat beyond the twists.
MeshBuilder wrappedSweet() {
    MeshBuilder b;
    b.sphere(V3(0, 0, 0.03f), V3(0.04f, 0.03f, 0.03f), 10, 6);
    for (int side = -1; side <= 1; side += 2) {
        b.sphere(V3(side * 0.045f, 0, 0.03f), V3(0.012f, 0.009f, 0.009f), 6, 4);
        const size_t fan = b.size();
        b.cone(V3(0, 0, 0), 0.026f, 0.035f, 8);
        b.transform(Transform::translation(V3(side * 0.085f, 0, 0.03f)) * Transform::scaling(V3(1, 1, 0.45f)) *
                        Transform::rotationY(-side * 90.0f),
                    fan);
    }
    return b;
}

// The medical equipment by the sick bed: a trolley on castors (floor at
// z -1.14) with a lower shelf, a cabinet of instruments whose front shows
// the panels of picture 189, a monitor on an arm above it, and a drip stand
// at one end with a bag and its tube. Mapped flat over x and z so the
// panels fall on the cabinet's faces.
MeshBuilder medicalTrolley() {
    MeshBuilder b;
    for (int sx = -1; sx <= 1; sx += 2)
        for (int sy = -1; sy <= 1; sy += 2) {
            b.sphere(V3(sx * 0.8f, sy * 0.24f, -1.1f), V3(0.04f, 0.03f, 0.04f), 8, 4);
            b.box(V3(sx * 0.8f, sy * 0.24f, -0.62f), V3(0.025f, 0.025f, 0.46f));
        }
    b.box(V3(0, 0, -0.93f), V3(0.85f, 0.28f, 0.02f));   // lower shelf
    b.box(V3(0, 0, -0.5f), V3(0.86f, 0.29f, 0.34f));    // the cabinet of instruments
    b.box(V3(0, 0, -0.14f), V3(0.9f, 0.3f, 0.02f));     // its top
    b.box(V3(0.87f, 0, -0.14f), V3(0.04f, 0.2f, 0.015f));  // push handle
    // The monitor on a short arm, its screen tilted toward the room (+y).
    b.cylinder(V3(0.2f, 0, -0.12f), 0.03f, 0.25f, 8);
    const size_t screen = b.size();
    b.box(V3(0, 0, 0), V3(0.32f, 0.09f, 0.2f));
    b.box(V3(0, 0.095f, 0.0f), V3(0.27f, 0.01f, 0.16f));
    b.transform(Transform::translation(V3(0.2f, 0, 0.33f)) * Transform::rotationX(-12), screen);
    // The drip stand: a pole with a hook, the bag and its tube down the side.
    b.cylinder(V3(-0.75f, 0.2f, -0.12f), 0.015f, 0.95f, 6);
    b.box(V3(-0.75f, 0.2f, 0.83f), V3(0.09f, 0.01f, 0.01f));
    b.sphere(V3(-0.82f, 0.2f, 0.7f), V3(0.06f, 0.025f, 0.1f), 8, 5);
    b.tube({V3(-0.82f, 0.2f, 0.6f), V3(-0.85f, 0.24f, 0.2f), V3(-0.8f, 0.3f, -0.1f)}, 0.006f, 4);
    b.planarUv(V3(0.5f, 0, 0), 0.5f, V3(0, 0, 0.5f), 0.5f);
    return b;
}

}  // namespace

std::vector<uint8_t> houseMesh(int n) {
    MeshBuilder b;
    switch (n) {
        case mesh::kHouseShell: return still(houseShell());
        case mesh::kWallLamp: b.cylinder(V3(0, 0, -0.0f), 0.05f, 0.3f, 8); b.cylinder(V3(0, 0, -0.03f), 0.1f, 0.03f, 10); return still(b);
        case mesh::kChair: return still(chair(false));
        case mesh::kArmchair: {
            MeshBuilder c = chair(true);
            c.transform(Transform::translation(V3(0, 0, -1.14f)));
            return still(c);
        }
        case mesh::kCrystalBall: return still(crystalBall());
        case mesh::kBigPainting: return still(frameWithPicture(1.3f, 3.6f, 0.0f));
        case mesh::kBigPaintingSwinging: {
            b = frameWithPicture(1.3f, 3.6f, 0.0f);
            b.addBackFaces();
            Rig rig;
            rig.addBone(-1, V3(-0.7f, 0, 0));
            Pose shut(1), open(1);
            open.front().rotation = V3(0, 0, 95);
            return modelkit::posed(b.vertices, rig, {{0, shut}, {5, open}, {7, open}});
        }
        case mesh::kSmallPaintings:
            b.merge(cellQuad(V3(-0.3f, 0, 0.1f), 0.5f, 0.7f, 0, 0.52f, 0.24f, 0.98f));
            b.merge(cellQuad(V3(0.3f, 0, 0.1f), 0.5f, 0.7f, 0.26f, 0.52f, 0.49f, 0.98f));
            return still(b);
        case mesh::kRoundDrawings:
            b.merge(cellQuad(V3(-0.2f, 0, 0), 0.35f, 0.35f, 0.01f, 0.02f, 0.24f, 0.24f));
            b.merge(cellQuad(V3(0.2f, 0, 0), 0.35f, 0.35f, 0.26f, 0.02f, 0.49f, 0.24f));
            return still(b);
        case mesh::kInstantPicture: b.merge(cellQuad(V3(0, 0, 0), 0.3f, 0.3f, 0.53f, 0.03f, 0.97f, 0.47f)); return still(b);
        case mesh::kSmallPictures: b.merge(cellQuad(V3(0, 0, 0), 1.2f, 0.5f, 0, 0, 1, 1)); return still(b);
        case mesh::kBox: return still(crate(0.8f));
        case mesh::kDust: {
            b.quad(V3(-0.7f, -0.7f, 0.005f), V3(0.7f, -0.7f, 0.005f), V3(0.7f, 0.7f, 0.005f), V3(-0.7f, 0.7f, 0.005f));
            return still(b);
        }
        case mesh::kTable: case mesh::kTableFar: {
            MeshBuilder t = table(2.0f, 1.2f, 0.9f);
            t.transform(Transform::translation(V3(0, 0, -1.0f)));
            return still(t);
        }
        case mesh::kMedicalEquipment: return still(medicalTrolley());
        case mesh::kHouseFigure: {
            FigureStyle s;
            s.height = 1.55f;
            s.ground = -1.14f;
            s.head = FigureStyle::Skull;
            s.skin = 15;
            s.main = 15;
            Figure f = buildFigure(s);
            // Seated in the wheeled chair: thighs along the seat, knees bent
            // so the shins hang and the feet rest on the floor, the spine
            // slumped a little and the hands lying on the thighs.
            Pose sit(Figure::BoneCount);
            for (int leg : {Figure::LegL, Figure::LegR}) sit[size_t(leg)].rotation = V3(0, -86, 0);
            for (int shin : {Figure::ShinL, Figure::ShinR}) sit[size_t(shin)].rotation = V3(0, 84, 0);
            for (int arm : {Figure::ArmL, Figure::ArmR}) sit[size_t(arm)].rotation = V3(0, -20, 0);
            for (int fore : {Figure::ForearmL, Figure::ForearmR}) sit[size_t(fore)].rotation = V3(0, -55, 0);
            sit[Figure::Torso].rotation = V3(0, 8, 0);
            sit[Figure::Root].offset = V3(-0.05f, 0, -0.34f);
            Pose nod = sit;
            nod[Figure::Head].rotation = V3(0, 15, 0);
            return modelkit::posed(f.mesh.vertices, f.rig, {{0, sit}, {2, nod}, {4, sit}});
        }
        case mesh::kLetter: case mesh::kLetterUnfolding: {
            // A square sheet 10 above the origin, read from above with +y up the page.
            b.quad(V3(-0.24f, -0.24f, 10.0f), V3(0.24f, -0.24f, 10.0f), V3(0.24f, 0.24f, 10.0f), V3(-0.24f, 0.24f, 10.0f));
            if (n == mesh::kLetter) return still(b);
            Rig rig;
            rig.addBone(-1, V3(0, 0, 10.0f));
            Pose lie(1), lift(1), away(1);
            lift.front().offset = V3(0, 0, 0.2f);
            lift.front().rotation = V3(20, 0, 0);
            away.front().offset = V3(0, 0.3f, 0.5f);
            away.front().scale = V3(0.05f, 0.05f, 0.05f);
            return modelkit::posed(b.vertices, rig, {{0, lie}, {4, lift}, {9, away}, {10, away}});
        }
        case mesh::kTreat: return still(wrappedSweet());
        default: return {};
    }
}
