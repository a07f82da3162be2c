#include "content/CostumeFigure.h"

#include <algorithm>
#include <cmath>

#include "content/Atlas.h"
#include "content/FigureKit.h"

using figurekit::drape;
using figurekit::limb;
using figurekit::ring;

namespace {

// Every costume builds the same primitives in the same order; only their
// sizes differ, so the triangle lists match vertex by vertex. A size of
// zero is kept just above zero so no triangle degenerates differently.
struct Shape {
    float drapeTop, drapeBottom, drapeRadius, hemRadius;  // body cloth (shares of the height)
    float foldDepth, ragged;  // how deep its folds, how torn its hem
    float chest[3];   // chest radii (x, y, z)
    float head;       // head radius
    float snout;      // muzzle length
    float ears;       // ear size
    float hood;       // hood size (0 none)
    float holes;      // eye-hole size (the ghost's sheet; the hood's dark)
    float scythe;     // scythe size (1 shown, 0 gone)
    float arm;        // arm thickness
    float sleeve;     // wide sleeve opening
    float hand;       // hand size
    float claws;      // claw size
    float legs;       // leg thickness
    float tail;       // tail size
};

const Shape kShapes[3] = {
    // Death: a long black robe, wide sleeves, bone hands, a deep hood, the scythe.
    {0.82f, 0.0f, 0.13f, 0.24f, 0.14f, 0.04f, {0.09f, 0.15f, 0.1f}, 0.07f, 0.0f, 0.0f, 0.13f, 0.0f, 1.0f,
     0.032f, 0.06f, 0.8f, 0.0f, 0.03f, 0.0f},
    // Ghost: one sheet over the head to the ground, two black eye holes.
    {0.93f, 0.0f, 0.125f, 0.3f, 0.22f, 0.1f, {0.11f, 0.17f, 0.13f}, 0.13f, 0.0f, 0.0f, 0.0f, 0.035f, 0.0f,
     0.04f, 0.0f, 0.0f, 0.0f, 0.03f, 0.0f},
    // Werewolf: shaggy fur on a broad chest, muzzle, tall ears, claws, tail.
    {0.8f, 0.42f, 0.15f, 0.14f, 0.18f, 0.35f, {0.11f, 0.17f, 0.13f}, 0.085f, 0.1f, 0.055f, 0.0f, 0.012f, 0.0f,
     0.045f, 0.0f, 1.0f, 1.0f, 0.055f, 1.0f},
};

float atLeast(float v) { return std::max(v, 0.0005f); }

void useCell(MeshBuilder& m, int cell) {
    float r[4];
    atlas::cell(cell, r);
    m.setUvRect(r[0], r[1], r[2], r[3]);
}

}  // namespace

Figure buildCostumeFigure(int costume, float h, float g) {
    const Shape& s = kShapes[costume < 0 ? 0 : costume > 2 ? 2 : costume];
    Figure f;
    MeshBuilder& m = f.mesh;
    Rig& r = f.rig;
    const float hip = g + 0.5f * h, shoulder = g + 0.8f * h, neck = g + 0.86f * h;
    r.addBone(-1, V3(0, 0, hip));
    r.addBone(Figure::Root, V3(0, 0, hip));
    r.addBone(Figure::Torso, V3(0, 0, neck));
    r.addBone(Figure::Torso, V3(0, 0.15f * h, shoulder));
    r.addBone(Figure::Torso, V3(0, -0.15f * h, shoulder));
    r.addBone(Figure::Root, V3(0, 0.06f * h, hip));
    r.addBone(Figure::Root, V3(0, -0.06f * h, hip));
    r.addBone(Figure::ArmR, V3(0.06f * h, -0.2f * h, g + 0.52f * h));
    r.addBone(Figure::Root, V3(-0.1f * h, 0, hip));
    r.addBone(Figure::Head, V3(0, 0, g + h));
    // Legs: the werewolf's bent, furred legs and clawed feet show below its
    // fur; the others' stay hidden inside the robe or sheet.
    for (int side = 1; side >= -1; side -= 2) {
        m.setBone(side > 0 ? Figure::LegL : Figure::LegR);
        useCell(m, atlas::Dress);
        const float y = side * 0.07f * h;
        const V3 hipAt(0, y, g + 0.5f * h), knee(0.05f * h, y, g + 0.27f * h), ankle(-0.03f * h, y, g + 0.06f * h);
        limb(m, hipAt, knee, atLeast(s.legs * 1.3f * h), atLeast(s.legs * h), 8);
        limb(m, knee, ankle, atLeast(s.legs * h), atLeast(s.legs * 0.6f * h), 8);
        useCell(m, atlas::Hair);
        m.sphere(ankle + V3(0.05f * h, 0, -0.035f * h), V3(0.07f, 0.04f, 0.025f) * h, 8, 4);
        for (int k = -1; k <= 1; ++k) {  // toes, clawed for the wolf
            const V3 toe = ankle + V3(0.09f * h, k * 0.02f * h, -0.045f * h);
            limb(m, toe, toe + V3(0.035f, 0, -0.01f) * h * atLeast(s.claws), atLeast(0.01f * h * s.claws),
                 atLeast(0.002f * h * s.claws), 4);
        }
    }
    // The body: robe, sheet or fur, falling in folds, over a chest.
    m.setBone(Figure::Torso);
    useCell(m, atlas::Dress);
    m.sphere(V3(0, 0, g + 0.72f * h), V3(s.chest[0], s.chest[1], s.chest[2]) * h, 12, 7);
    drape(m, V3(0, 0, 0), g + s.drapeTop * h, g + s.drapeBottom * h, s.drapeRadius * h, s.hemRadius * h,
          7, s.foldDepth, s.ragged, 0.8f);
    // Arms with sleeves and hands (bone white for death, claws for the wolf).
    for (int side = 1; side >= -1; side -= 2) {
        m.setBone(side > 0 ? Figure::ArmL : Figure::ArmR);
        useCell(m, atlas::Dress);
        const float y = side * 0.16f * h;
        const V3 sh(0, y, shoulder - 0.01f * h), el(-0.01f * h, y * 1.12f, g + 0.65f * h),
            wr(0.05f * h, y * 1.18f, g + 0.53f * h);
        m.sphere(sh, V3(1, 1, 1) * atLeast(s.arm * 1.35f * h), 8, 5);
        limb(m, sh, el, atLeast(s.arm * h), atLeast(s.arm * 0.95f * h), 8);
        limb(m, el, wr, atLeast(s.arm * 0.95f * h), atLeast(s.arm * 0.85f * h), 8);
        const size_t sleeve = m.size();
        m.cone(V3(0, 0, 0), atLeast(s.sleeve * h), atLeast(0.12f * h * (s.sleeve > 0 ? 1.0f : 0.01f)), 10);
        m.transform(figurekit::frameAlong(wr + V3(-0.02f, 0, 0.05f) * h, el), sleeve);
        m.flipFaces(sleeve);
        m.addBackFaces(sleeve);
        useCell(m, atlas::Skin);
        const V3 hand = wr + V3(0.02f * h, 0, -0.03f * h);
        m.sphere(hand, V3(0.025f, 0.015f, 0.035f) * atLeast(s.hand) * h, 7, 4);
        for (int k = 0; k < 3; ++k)  // fingers (bony for death, claws for the wolf)
            limb(m, hand + V3(0.01f, (k - 1) * 0.008f, -0.02f) * h,
                 hand + V3(0.015f + 0.02f * s.claws, (k - 1) * 0.012f, -0.06f - 0.01f * s.claws) * h,
                 atLeast(0.006f * h * s.hand), atLeast(0.003f * h * s.hand), 4);
    }
    // Tail (only the werewolf's has a size).
    m.setBone(Figure::Tail);
    useCell(m, atlas::Dress);
    const V3 t0(-0.1f * h, 0, g + 0.48f * h), t1(-0.25f * h, 0, g + 0.4f * h), t2(-0.36f * h, 0, g + 0.44f * h);
    limb(m, t0, t0 + (t1 - t0) * atLeast(s.tail), atLeast(0.035f * h * s.tail), atLeast(0.05f * h * s.tail), 7);
    limb(m, t0 + (t1 - t0) * atLeast(s.tail), t0 + (t2 - t0) * atLeast(s.tail), atLeast(0.05f * h * s.tail),
         atLeast(0.02f * h * s.tail), 7);
    // Head with hood, muzzle, ears and the dark of the face.
    m.setBone(Figure::Head);
    const V3 hc(0.01f * h, 0, g + 0.92f * h);
    useCell(m, atlas::Dress);
    m.sphere(hc, V3(s.head, s.head * 0.88f, s.head) * h, 12, 7);
    limb(m, hc + V3(s.head * 0.4f, 0, -0.015f) * h, hc + V3(s.head * 0.4f + atLeast(s.snout), 0, -0.035f) * h,
         atLeast(s.snout * 0.45f * h), atLeast(s.snout * 0.25f * h), 8);
    for (int side = -1; side <= 1; side += 2)
        m.cone(hc + V3(-0.01f * h, side * 0.045f * h, s.head * h * 0.7f), atLeast(s.ears * 0.45f * h),
               atLeast(s.ears * 1.5f * h), 5);
    // The hood: a shell behind the face, its rim and its point.
    m.sphere(hc + V3(-0.35f, 0, 0.1f) * atLeast(s.hood) * h, V3(1.2f, 1.15f, 1.3f) * atLeast(s.hood) * h * 0.75f, 12, 7);
    const size_t rim = m.size();
    ring(m, V3(0, 0, 0), atLeast(s.hood * 0.7f * h), atLeast(s.hood * 0.12f * h), 1.0f, 12);
    m.transform(Transform::translation(hc + V3(0.45f * s.hood * h, 0, 0)) * Transform::rotationY(80), rim);
    m.cone(hc + V3(-0.8f, 0, 0.55f) * atLeast(s.hood) * h, atLeast(s.hood * 0.35f * h), atLeast(s.hood * 0.6f * h), 6);
    useCell(m, atlas::Boots);
    // The dark: death's face is a void inside the hood; the ghost's two holes;
    // the werewolf's nose.
    const float voidSize = atLeast(s.hood * 0.62f);
    m.sphere(hc + V3(0.2f * s.hood, 0, -0.05f * s.hood) * h, V3(0.9f, 0.85f, 0.95f) * voidSize * h, 8, 5);
    for (int side = -1; side <= 1; side += 2)
        m.sphere(hc + V3(s.head * 0.93f, side * 0.045f, 0.01f) * h, V3(0.4f, 0.8f, 1.1f) * atLeast(s.holes) * h, 7, 5);
    m.sphere(hc + V3(s.head * 0.4f + s.snout, 0, -0.03f) * h, V3(1, 1, 0.8f) * atLeast(s.snout * 0.22f) * h, 6, 4);
    // The scythe in the right hand: a long bent shaft and a curved blade.
    m.setBone(Figure::Prop);
    const V3 hand(0.07f * h, -0.19f * h, g + 0.5f * h);
    const float k = atLeast(s.scythe);
    useCell(m, atlas::Hair);
    const V3 butt = hand + V3(0, 0, -0.48f) * h * k, bend = hand + V3(-0.01f, 0, 0.3f) * h * k,
             head = hand + V3(-0.05f, 0, 0.58f) * h * k;
    limb(m, butt, bend, 0.011f * h * k, 0.011f * h * k, 6);
    limb(m, bend, head, 0.011f * h * k, 0.01f * h * k, 6);
    useCell(m, atlas::Metal);
    const size_t blade = m.size();
    for (int i = 0; i < 6; ++i) {  // the blade sweeps forward and down from the top
        auto edge = [&](float t, float w) {
            const float a = 1.6f * t;
            return head + V3(0.36f * std::sin(a), 0, -0.1f * (1 - std::cos(a)) * 2.2f + w) * h * k;
        };
        const float t0 = i / 6.0f, t1 = (i + 1) / 6.0f;
        const float w0 = 0.06f * (1 - t0), w1 = 0.06f * (1 - t1);
        m.quad(edge(t0, 0), edge(t1, 0), edge(t1, w1), edge(t0, w0));
    }
    m.addBackFaces(blade);
    // Eye points.
    m.setBone(Figure::Head);
    const V3 eyeL = hc + V3(s.head * h * 0.95f, 0.035f * h, 0.01f * h);
    const V3 eyeR = hc + V3(s.head * h * 0.95f, -0.035f * h, 0.01f * h);
    f.eyeTriangle[0] = int(m.size() / 3);
    m.triangle(eyeL, eyeL + V3(0, -0.008f * h, -0.008f * h), eyeL + V3(0, 0.008f * h, -0.008f * h));
    f.eyeTriangle[1] = int(m.size() / 3);
    m.triangle(eyeR, eyeR + V3(0, -0.008f * h, -0.008f * h), eyeR + V3(0, 0.008f * h, -0.008f * h));
    f.extraTriangle[0] = f.eyeTriangle[0];
    f.extraTriangle[1] = f.eyeTriangle[1];
    return f;
}
