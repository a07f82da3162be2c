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
            const bool cat = kind == Creature::Cat;
            m.setBone(Figure::Torso);
            m.sphere(V3(0, 0, bodyZ), V3(0.45f * s, (cat ? 0.14f : 0.18f) * s, (cat ? 0.15f : 0.18f) * s), 12, 7);
            const int legs[4] = {Figure::ArmL, Figure::ArmR, Figure::LegL, Figure::LegR};
            for (int i = 0; i < 4; ++i) {
                m.setBone(legs[i]);
                const float x = i < 2 ? 0.3f * s : -0.3f * s, y = (i % 2 ? -0.1f : 0.1f) * s;
                m.cylinder(V3(x, y, ground), 0.05f * s, bodyZ - ground, 6);
            }
            m.setBone(Figure::Head);
            if (kind == Creature::Rat) hr = 0.1f * s;
            headC = V3(0.5f * s, 0, bodyZ + (cat ? 0.12f : 0.15f) * s);
            m.sphere(headC, V3(hr, hr * 0.9f, hr * 0.9f), 10, 6);
            m.setBone(Figure::Prop);
            cellOf(darkCell);
            m.sphere(headC + V3(hr * (cat ? 0.7f : 1.1f), 0, -hr * 0.3f),
                     V3(hr * (cat ? 0.3f : 0.6f), hr * 0.4f, hr * 0.35f), 8, 5);
            m.setBone(Figure::Head);
            for (int side = -1; side <= 1; side += 2) {
                if (cat || kind == Creature::Rat)
                    m.cone(headC + V3(-hr * 0.1f, side * hr * 0.5f, hr * 0.6f), hr * 0.3f, hr * 0.6f, 5);
                else
                    m.sphere(headC + V3(-hr * 0.2f, side * hr * 0.8f, hr * 0.1f), V3(hr * 0.25f, hr * 0.1f, hr * 0.5f), 6, 4);
            }
            m.setBone(Figure::Tail);
            cellOf(mainCell);
            m.tube({V3(-0.42f * s, 0, bodyZ), V3(-0.6f * s, 0, bodyZ + (cat ? 0.3f : 0.1f) * s),
                    V3(-0.7f * s, 0, bodyZ + (cat ? 0.5f : 0.2f) * s)}, 0.03f * s, 5);
            break;
        }
        case Creature::Bird: {
            m.setBone(Figure::Torso);
            m.sphere(V3(0, 0, bodyZ), V3(0.25f * s, 0.2f * s, 0.3f * s), 10, 7);
            m.setBone(Figure::ArmL);
            m.sphere(V3(-0.02f * s, 0.2f * s, bodyZ), V3(0.22f * s, 0.04f * s, 0.2f * s), 8, 5);
            m.setBone(Figure::ArmR);
            m.sphere(V3(-0.02f * s, -0.2f * s, bodyZ), V3(0.22f * s, 0.04f * s, 0.2f * s), 8, 5);
            m.setBone(Figure::Head);
            headC = V3(0.12f * s, 0, bodyZ + 0.38f * s);
            m.sphere(headC, V3(hr, hr, hr), 10, 6);
            cellOf(darkCell);
            m.cone(headC + V3(hr * 0.8f, 0, 0), hr * 0.35f, hr * 0.9f, 6);
            m.transform(Transform::rotateAbout(headC + V3(hr * 0.8f, 0, 0), V3(0, 90, 0)), m.size() - 6 * 3 * 2);
            m.setBone(Figure::LegL);
            m.box(V3(0.05f * s, 0.08f * s, ground + 0.03f * s), V3(0.06f * s, 0.03f * s, 0.03f * s));
            m.setBone(Figure::LegR);
            m.box(V3(0.05f * s, -0.08f * s, ground + 0.03f * s), V3(0.06f * s, 0.03f * s, 0.03f * s));
            m.setBone(Figure::Tail);
            cellOf(mainCell);
            m.box(V3(-0.3f * s, 0, bodyZ - 0.15f * s), V3(0.12f * s, 0.1f * s, 0.02f * s));
            break;
        }
        case Creature::Spider: {
            m.setBone(Figure::Torso);
            m.sphere(V3(-0.1f * s, 0, bodyZ + 0.05f * s), V3(0.16f * s, 0.14f * s, 0.12f * s), 8, 6);
            m.setBone(Figure::Head);
            headC = V3(0.1f * s, 0, bodyZ + 0.03f * s);
            hr = 0.08f * s;
            m.sphere(headC, V3(hr, hr, hr * 0.8f), 8, 5);
            for (int i = 0; i < 8; ++i) {
                const int side = i < 4 ? 1 : -1;
                const float x = (0.12f - 0.08f * (i % 4)) * s;
                m.setBone(i % 2 ? (side > 0 ? Figure::ArmL : Figure::ArmR) : (side > 0 ? Figure::LegL : Figure::LegR));
                m.tube({V3(x, side * 0.05f * s, bodyZ), V3(x * 1.3f, side * 0.2f * s, bodyZ + 0.1f * s),
                        V3(x * 1.6f, side * 0.3f * s, ground)}, 0.012f * s, 4);
            }
            break;
        }
        case Creature::Bat: {
            // Hanging upside down: feet up at the origin, body below.
            m.setBone(Figure::Torso);
            m.sphere(V3(0, 0, -0.25f * s), V3(0.1f * s, 0.08f * s, 0.18f * s), 8, 6);
            m.setBone(Figure::ArmL);
            m.sphere(V3(0, 0.1f * s, -0.25f * s), V3(0.05f * s, 0.1f * s, 0.2f * s), 6, 5);
            m.setBone(Figure::ArmR);
            m.sphere(V3(0, -0.1f * s, -0.25f * s), V3(0.05f * s, 0.1f * s, 0.2f * s), 6, 5);
            m.setBone(Figure::Head);
            headC = V3(0, 0, -0.48f * s);
            hr = 0.07f * s;
            m.sphere(headC, V3(hr, hr, hr), 8, 5);
            for (int side = -1; side <= 1; side += 2) m.cone(headC + V3(0, side * hr * 0.5f, -hr * 0.6f), hr * 0.3f, -hr * 0.7f, 4);
            m.setBone(Figure::LegL);
            m.cylinder(V3(0, 0.02f * s, -0.1f * s), 0.01f * s, 0.1f * s, 4);
            m.setBone(Figure::LegR);
            m.cylinder(V3(0, -0.02f * s, -0.1f * s), 0.01f * s, 0.1f * s, 4);
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

