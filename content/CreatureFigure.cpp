// Four-legged animals, birds and small creatures on the figure's bones.
#include <cmath>

#include "content/Atlas.h"
#include "content/Figure.h"
#include "content/FigureKit.h"

namespace {

int eyeAt(MeshBuilder& m, V3 p, float s) {
    const int tri = int(m.size() / 3);
    m.triangle(p, p + V3(0, -s, -s), p + V3(0, s, -s));
    return tri;
}

}  // namespace

Figure buildCreature(Creature kind, float size, float ground, int mainCell, int darkCell) {
    Figure f;
    MeshBuilder& m = f.mesh;
    Rig& r = f.rig;
    const float s = size;
    float bodyZ = ground + 0.45f * s;
    if (kind == Creature::Bird) bodyZ = ground + 0.35f * s;
    if (kind == Creature::Spider || kind == Creature::Rat) bodyZ = ground + 0.12f * s;
    r.addBone(-1, V3(0, 0, bodyZ));                       // Root
    r.addBone(Figure::Root, V3(0, 0, bodyZ));             // Torso
    r.addBone(Figure::Torso, V3(0.4f * s, 0, bodyZ + 0.1f * s));  // Head
    r.addBone(Figure::Torso, V3(0.3f * s, 0.1f * s, bodyZ));      // ArmL (front leg / wing)
    r.addBone(Figure::Torso, V3(0.3f * s, -0.1f * s, bodyZ));     // ArmR
    r.addBone(Figure::Root, V3(-0.3f * s, 0.1f * s, bodyZ));      // LegL
    r.addBone(Figure::Root, V3(-0.3f * s, -0.1f * s, bodyZ));     // LegR
    r.addBone(Figure::Head, V3(0.5f * s, 0, bodyZ));              // Prop (jaw)
    r.addBone(Figure::Root, V3(-0.45f * s, 0, bodyZ));            // Tail
    r.addBone(Figure::Head, V3(0.5f * s, 0, bodyZ));              // HatBone (unused)
    V3 headC(0.5f * s, 0, bodyZ + 0.2f * s);
    float hr = 0.16f * s;
    auto cellOf = [&](int c) {
        float rr[4];
        atlas::cell(c, rr);
        m.setUvRect(rr[0], rr[1], rr[2], rr[3]);
    };
    cellOf(mainCell);
    switch (kind) {
        case Creature::Dog:
        case Creature::Cat:
        case Creature::Rat: {
            using figurekit::limb;
            const bool cat = kind == Creature::Cat, rat = kind == Creature::Rat;
            const float girth = cat ? 0.8f : rat ? 0.85f : 1.0f;
            // Chest and haunches joined by the belly; the chest deeper.
            m.setBone(Figure::Torso);
            m.sphere(V3(0.18f * s, 0, bodyZ + 0.02f * s), V3(0.22f, 0.15f * girth, 0.19f * girth) * s, 12, 7);
            m.sphere(V3(-0.2f * s, 0, bodyZ), V3(0.2f, 0.14f * girth, 0.16f * girth) * s, 10, 6);
            limb(m, V3(-0.2f * s, 0, bodyZ), V3(0.18f * s, 0, bodyZ + 0.01f * s), 0.14f * girth * s,
                 0.16f * girth * s, 10);
            // Legs: upper leg, lower leg and paw, each on its leg bone.
            const int legs[4] = {Figure::ArmL, Figure::ArmR, Figure::LegL, Figure::LegR};
            for (int i = 0; i < 4; ++i) {
                m.setBone(legs[i]);
                const bool front = i < 2;
                const float x = front ? 0.3f * s : -0.3f * s, y = (i % 2 ? -0.1f : 0.1f) * s;
                const V3 top(x - (front ? 0.05f : -0.02f) * s, y, bodyZ - 0.02f * s);
                const V3 joint(x + (front ? 0.0f : -0.06f) * s, y, ground + 0.16f * (bodyZ - ground) / 0.45f);
                const V3 foot(x + 0.01f * s, y, ground + 0.03f * s);
                limb(m, top, joint, (front ? 0.065f : 0.085f) * s * girth, 0.04f * s * girth, 7);
                limb(m, joint, foot, 0.038f * s * girth, 0.032f * s * girth, 6);
                m.sphere(foot + V3(0.03f * s, 0, -0.01f * s), V3(0.06f, 0.045f, 0.028f) * s * girth, 7, 4);
            }
            // Neck, head, ears; the muzzle (a jaw that can open) on the prop bone.
            m.setBone(Figure::Head);
            if (rat) hr = 0.1f * s;
            headC = V3(0.5f * s, 0, bodyZ + (cat ? 0.12f : 0.15f) * s);
            limb(m, V3(0.3f * s, 0, bodyZ + 0.05f * s), headC, 0.11f * s * girth, 0.08f * s * girth, 8);
            m.sphere(headC, V3(hr, hr * 0.9f, hr * 0.9f), 10, 6);
            m.setBone(Figure::Prop);
            const float snout = cat ? 0.35f : rat ? 1.3f : 1.0f;
            limb(m, headC + V3(hr * 0.4f, 0, -hr * 0.2f), headC + V3(hr * (0.6f + snout), 0, -hr * 0.35f),
                 hr * 0.5f, hr * (rat ? 0.15f : 0.32f), 8);
            cellOf(darkCell);
            m.sphere(headC + V3(hr * (0.65f + snout), 0, -hr * 0.25f), V3(hr * 0.14f, hr * 0.18f, hr * 0.13f), 6, 4);
            m.setBone(Figure::Head);
            cellOf(mainCell);
            for (int side = -1; side <= 1; side += 2) {
                if (cat)
                    m.cone(headC + V3(-hr * 0.1f, side * hr * 0.5f, hr * 0.6f), hr * 0.3f, hr * 0.6f, 5);
                else if (rat)
                    m.sphere(headC + V3(-hr * 0.2f, side * hr * 0.65f, hr * 0.7f), V3(hr * 0.12f, hr * 0.4f, hr * 0.4f), 7, 4);
                else  // soft ears hanging beside the head
                    limb(m, headC + V3(-hr * 0.15f, side * hr * 0.75f, hr * 0.5f),
                         headC + V3(-hr * 0.05f, side * hr * 1.0f, -hr * 0.45f), hr * 0.3f, hr * 0.22f, 6);
            }
            cellOf(darkCell);
            for (int side = -1; side <= 1; side += 2)
                m.sphere(headC + V3(hr * 0.75f, side * hr * 0.42f, hr * 0.3f), V3(0.1f, 0.13f, 0.13f) * hr, 5, 4);
            // Tail: raised and curved for the dog, long and thin for the rat.
            m.setBone(Figure::Tail);
            cellOf(mainCell);
            const V3 t0(-0.38f * s, 0, bodyZ + 0.05f * s);
            const V3 t1 = t0 + (rat ? V3(-0.35f, 0, -0.08f) : V3(-0.15f, 0, cat ? 0.3f : 0.15f)) * s;
            const V3 t2 = t1 + (rat ? V3(-0.35f, 0.05f, -0.02f) : V3(-0.1f, 0, cat ? 0.2f : 0.12f)) * s;
            const float tr = rat ? 0.012f * s : 0.035f * s;
            limb(m, t0, t1, tr * 1.2f, tr, 6);
            limb(m, t1, t2, tr, tr * 0.5f, 6);
            break;
        }
        case Creature::Bird: {
            // A stone owl: upright egg of a body, folded wings, a hooked beak,
            // ear tufts, a tail fan and talons gripping the post.
            using figurekit::limb;
            m.setBone(Figure::Torso);
            m.sphere(V3(-0.02f * s, 0, bodyZ), V3(0.2f * s, 0.19f * s, 0.3f * s), 12, 8);
            m.sphere(V3(0.06f * s, 0, bodyZ + 0.02f * s), V3(0.16f * s, 0.16f * s, 0.24f * s), 10, 6);
            for (int side = 0; side < 2; ++side) {
                const float y = side ? -1.0f : 1.0f;
                m.setBone(side ? Figure::ArmR : Figure::ArmL);
                m.sphere(V3(-0.05f * s, y * 0.17f * s, bodyZ + 0.02f * s), V3(0.17f * s, 0.05f * s, 0.27f * s), 9, 6);
                limb(m, V3(-0.1f * s, y * 0.15f * s, bodyZ - 0.1f * s), V3(-0.24f * s, y * 0.09f * s, bodyZ - 0.34f * s),
                     0.07f * s, 0.015f * s, 6);
            }
            m.setBone(Figure::Head);
            headC = V3(0.04f * s, 0, bodyZ + 0.36f * s);
            limb(m, V3(0, 0, bodyZ + 0.2f * s), headC, 0.13f * s, 0.12f * s, 8);
            m.sphere(headC, V3(hr, hr * 1.1f, hr * 0.95f), 10, 6);
            for (int side = -1; side <= 1; side += 2)
                limb(m, headC + V3(0, side * hr * 0.55f, hr * 0.6f), headC + V3(-hr * 0.2f, side * hr * 0.8f, hr * 1.35f),
                     hr * 0.25f, hr * 0.05f, 5);
            cellOf(darkCell);
            limb(m, headC + V3(hr * 0.75f, 0, -hr * 0.05f), headC + V3(hr * 1.25f, 0, -hr * 0.45f), hr * 0.22f,
                 hr * 0.04f, 6);
            for (int side = -1; side <= 1; side += 2)  // eye rings around the glow points
                m.sphere(headC + V3(hr * 0.72f, side * hr * 0.4f, hr * 0.3f), V3(0.12f, 0.28f, 0.28f) * hr, 7, 4);
            cellOf(mainCell);
            for (int side = 0; side < 2; ++side) {
                const float y = side ? -0.07f : 0.07f;
                m.setBone(side ? Figure::LegR : Figure::LegL);
                for (int k = -1; k <= 1; ++k)
                    limb(m, V3(0.03f * s, y * s, ground + 0.05f * s),
                         V3(0.12f * s, (y + k * 0.04f) * s, ground + 0.0f * s), 0.025f * s, 0.01f * s, 5);
            }
            m.setBone(Figure::Tail);
            m.sphere(V3(-0.2f * s, 0, bodyZ - 0.26f * s), V3(0.05f * s, 0.11f * s, 0.14f * s), 7, 4);
            break;
        }
        case Creature::Spider: {
            m.setBone(Figure::Torso);
            m.sphere(V3(-0.14f * s, 0, bodyZ + 0.07f * s), V3(0.2f * s, 0.17f * s, 0.15f * s), 10, 7);
            m.sphere(V3(-0.1f * s, 0, bodyZ + 0.2f * s), V3(0.07f * s, 0.05f * s, 0.03f * s), 6, 3);  // a mark on its back
            m.setBone(Figure::Head);
            headC = V3(0.1f * s, 0, bodyZ + 0.03f * s);
            hr = 0.08f * s;
            m.sphere(headC, V3(hr, hr, hr * 0.8f), 8, 5);
            for (int i = 0; i < 8; ++i) {
                const int side = i < 4 ? 1 : -1;
                const float x = (0.12f - 0.08f * (i % 4)) * s;
                m.setBone(i % 2 ? (side > 0 ? Figure::ArmL : Figure::ArmR) : (side > 0 ? Figure::LegL : Figure::LegR));
                m.tube({V3(x, side * 0.05f * s, bodyZ), V3(x * 1.3f, side * 0.2f * s, bodyZ + 0.1f * s),
                        V3(x * 1.6f, side * 0.3f * s, ground)}, 0.018f * s, 4);
            }
            break;
        }
        case Creature::Bat: {
            // Hanging upside down, feet up at the origin, wrapped in its wings
            // like a cloak; big pointed ears below.
            using figurekit::limb;
            m.setBone(Figure::Torso);
            m.sphere(V3(0, 0, -0.25f * s), V3(0.09f * s, 0.08f * s, 0.16f * s), 9, 6);
            for (int side = 0; side < 2; ++side) {
                const float y = side ? -1.0f : 1.0f;
                m.setBone(side ? Figure::ArmR : Figure::ArmL);
                limb(m, V3(0, y * 0.05f * s, -0.06f * s), V3(0.02f * s, y * 0.07f * s, -0.44f * s), 0.06f * s,
                     0.1f * s, 8);
                for (int k = 0; k < 3; ++k)  // the finger bones under the skin
                    limb(m, V3(0.0f, y * 0.08f * s, -0.06f * s),
                         V3((0.07f - 0.06f * k) * s, y * (0.13f + 0.02f * k) * s, -0.42f * s), 0.012f * s, 0.006f * s,
                         4);
                limb(m, V3(0, y * 0.07f * s, -0.06f * s), V3(0.03f * s, y * 0.09f * s, 0.0f), 0.012f * s, 0.003f * s,
                     4);  // thumb claw
            }
            m.setBone(Figure::Head);
            headC = V3(0.01f * s, 0, -0.47f * s);
            hr = 0.075f * s;
            m.sphere(headC, V3(hr, hr, hr), 9, 6);
            limb(m, headC + V3(hr * 0.5f, 0, 0), headC + V3(hr * 1.2f, 0, -hr * 0.2f), hr * 0.45f, hr * 0.25f, 6);
            for (int side = -1; side <= 1; side += 2)
                limb(m, headC + V3(0, side * hr * 0.45f, -hr * 0.5f), headC + V3(hr * 0.1f, side * hr * 1.0f, -hr * 1.8f),
                     hr * 0.35f, hr * 0.03f, 5);
            for (int side = 0; side < 2; ++side) {
                const float y = side ? -1.0f : 1.0f;
                m.setBone(side ? Figure::LegR : Figure::LegL);
                limb(m, V3(0, y * 0.03f * s, -0.14f * s), V3(0, y * 0.02f * s, -0.01f * s), 0.012f * s, 0.008f * s, 4);
                limb(m, V3(0, y * 0.02f * s, -0.01f * s), V3(0.02f * s, y * 0.02f * s, 0.01f * s), 0.006f * s,
                     0.002f * s, 4);
            }
            break;
        }
    }
    m.setBone(Figure::Head);
    cellOf(13);
    const V3 eyeL = headC + V3(hr * 0.8f, hr * 0.4f, hr * 0.3f), eyeR = headC + V3(hr * 0.8f, -hr * 0.4f, hr * 0.3f);
    f.eyeTriangle[0] = eyeAt(m, eyeL, 0.01f * s);
    f.eyeTriangle[1] = eyeAt(m, eyeR, 0.01f * s);
    m.setBone(Figure::Torso);
    f.extraTriangle[0] = eyeAt(m, V3(0, 0, bodyZ + 0.3f * s), 0.01f * s);
    f.extraTriangle[1] = eyeAt(m, V3(0.1f * s, 0, bodyZ + 0.3f * s), 0.01f * s);
    return f;
}

