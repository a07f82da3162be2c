#include "content/Figure.h"

#include <cmath>

#include "content/Atlas.h"

namespace {

const float kTwoPi = 6.2831853f;

void useCell(MeshBuilder& m, int cell) {
    float r[4];
    atlas::cell(cell, r);
    m.setUvRect(r[0], r[1], r[2], r[3]);
}

int eyeAt(MeshBuilder& m, V3 p, float s) {
    const int tri = int(m.size() / 3);
    m.triangle(p, p + V3(0, -s, -s), p + V3(0, s, -s));
    return tri;
}

void setupRig(Figure& f, float h, float ground) {
    Rig& r = f.rig;
    const float hip = ground + 0.5f * h, shoulder = ground + 0.8f * h, neck = ground + 0.86f * h;
    r.addBone(-1, V3(0, 0, hip));                       // Root
    r.addBone(Figure::Root, V3(0, 0, hip));             // Torso
    r.addBone(Figure::Torso, V3(0, 0, neck));           // Head
    r.addBone(Figure::Torso, V3(0, 0.2f * h, shoulder));  // ArmL
    r.addBone(Figure::Torso, V3(0, -0.2f * h, shoulder)); // ArmR
    r.addBone(Figure::Root, V3(0, 0.08f * h, hip));     // LegL
    r.addBone(Figure::Root, V3(0, -0.08f * h, hip));    // LegR
    r.addBone(Figure::ArmR, V3(0.05f * h, -0.22f * h, ground + 0.5f * h));  // Prop (hand)
    r.addBone(Figure::Root, V3(-0.1f * h, 0, hip));     // Tail
    r.addBone(Figure::Head, V3(0, 0, ground + 1.0f * h));  // HatBone (hat's brim)
}

}  // namespace

Figure buildFigure(const FigureStyle& s) {
    Figure f;
    MeshBuilder& m = f.mesh;
    const float h = s.height, g = s.ground, w = s.girth;
    setupRig(f, h, g);
    const int seg = 10;
    const bool bony = s.head == FigureStyle::Skull;
    // Legs.
    for (int side = 0; side < 2; ++side) {
        const float y = (side ? -0.08f : 0.08f) * h;
        m.setBone(side ? Figure::LegR : Figure::LegL);
        useCell(m, s.main);
        m.cylinder(V3(0, y, g + 0.05f * h), (bony ? 0.025f : 0.045f) * h * w, 0.45f * h, seg / 2 + 2);
        useCell(m, s.dark);
        m.box(V3(0.03f * h, y, g + 0.025f * h), V3(0.07f * h, 0.04f * h, 0.025f * h));
    }
    // Body.
    m.setBone(Figure::Torso);
    useCell(m, s.main);
    if (s.head == FigureStyle::Sheet) {
        m.lathe({{0.22f * h * w, -0.5f * h}, {0.2f * h * w, -0.1f * h}, {0.15f * h * w, 0.2f * h},
                 {0.14f * h, 0.35f * h}, {0.1f * h, 0.45f * h}, {0.0f, 0.48f * h}},
                V3(0, 0, g + 0.5f * h), 14);
    } else if (bony) {
        for (int i = 0; i < 5; ++i)
            m.lathe({{0.0f, 0}, {0.12f * h, 0.01f * h}, {0.12f * h, 0.03f * h}, {0.0f, 0.04f * h}},
                    V3(0, 0, g + (0.56f + i * 0.05f) * h), 8, 0.6f);
        m.cylinder(V3(0, 0, g + 0.5f * h), 0.02f * h, 0.36f * h, 6);
    } else {
        m.lathe({{0.0f, 0}, {0.13f * w * h, 0.0f}, {0.15f * w * h, 0.12f * h}, {0.14f * w * h, 0.26f * h},
                 {0.07f * h, 0.34f * h}, {0.0f, 0.36f * h}},
                V3(0, 0, g + 0.5f * h), seg, 0.75f);
    }
    if (s.dress) {
        useCell(m, s.second);
        m.lathe({{0.0f, 0.0f}, {0.26f * h * w, 0.0f}, {0.09f * h * w, 0.25f * h}, {0.0f, 0.25f * h}},
                V3(0, 0, g + 0.2f * h), seg + 2);
    }
    // Arms.
    for (int side = 0; side < 2; ++side) {
        const float y = (side ? -0.2f : 0.2f) * h;
        m.setBone(side ? Figure::ArmR : Figure::ArmL);
        useCell(m, s.head == FigureStyle::Sheet ? s.main : s.second);
        m.tube({V3(0, y, g + 0.8f * h), V3(0.02f * h, y * 1.1f, g + 0.65f * h), V3(0.04f * h, y * 1.1f, g + 0.52f * h)},
               (bony ? 0.02f : 0.035f) * h, 6);
        useCell(m, s.skin);
        m.sphere(V3(0.05f * h, y * 1.1f, g + 0.5f * h), V3(0.035f, 0.03f, 0.04f) * h, 6, 4);
    }
    // Head.
    m.setBone(Figure::Head);
    const V3 hc(0, 0, g + 0.92f * h);
    const float hr = 0.08f * h;
    V3 eyeL(hr * 0.85f, 0.35f * hr, hc.z + 0.15f * hr), eyeR(hr * 0.85f, -0.35f * hr, hc.z + 0.15f * hr);
    switch (s.head) {
        case FigureStyle::Goat:
            useCell(m, s.skin);
            m.sphere(hc, V3(hr * 1.1f, hr * 0.85f, hr), 10, 7);
            m.sphere(hc + V3(hr * 1.0f, 0, -hr * 0.4f), V3(hr * 0.7f, hr * 0.5f, hr * 0.45f), 8, 5);
            useCell(m, s.dark);
            for (int side = -1; side <= 1; side += 2)
                m.tube({hc + V3(-hr * 0.2f, side * hr * 0.5f, hr * 0.7f), hc + V3(-hr * 0.8f, side * hr * 0.9f, hr * 1.3f),
                        hc + V3(-hr * 1.4f, side * hr * 1.1f, hr * 0.8f)}, hr * 0.15f, 6);
            break;
        case FigureStyle::Fish:
            useCell(m, s.skin);
            m.sphere(hc + V3(hr * 0.2f, 0, 0), V3(hr * 1.5f, hr * 0.9f, hr * 1.1f), 12, 7);
            useCell(m, s.dark);
            m.box(hc + V3(hr * 1.5f, 0, -hr * 0.35f), V3(hr * 0.1f, hr * 0.45f, hr * 0.08f));
            m.cone(hc + V3(-hr * 0.2f, 0, hr * 0.9f), hr * 0.4f, hr * 0.8f, 6);
            eyeL = V3(hr * 1.1f, 0.7f * hr, hc.z + 0.3f * hr);
            eyeR = V3(hr * 1.1f, -0.7f * hr, hc.z + 0.3f * hr);
            break;
        case FigureStyle::Hood:
            useCell(m, s.main);
            m.lathe({{0.0f, -hr * 1.2f}, {hr * 1.4f, -hr * 1.2f}, {hr * 1.3f, hr * 0.4f}, {hr * 0.6f, hr * 1.5f}, {0.0f, hr * 2.0f}},
                    hc, 10);
            useCell(m, s.dark);
            m.sphere(hc + V3(hr * 0.55f, 0, 0), V3(hr * 0.8f, hr * 0.9f, hr * 0.9f), 8, 6);
            break;
        case FigureStyle::Wolf:
            useCell(m, s.main);
            m.sphere(hc, V3(hr * 1.1f, hr, hr), 10, 7);
            m.sphere(hc + V3(hr * 1.1f, 0, -hr * 0.3f), V3(hr * 0.8f, hr * 0.45f, hr * 0.4f), 8, 5);
            for (int side = -1; side <= 1; side += 2) m.cone(hc + V3(-hr * 0.2f, side * hr * 0.55f, hr * 0.7f), hr * 0.3f, hr * 0.7f, 5);
            break;
        case FigureStyle::Sheet:
            eyeL = V3(0.14f * h, 0.05f * h, g + 0.9f * h);
            eyeR = V3(0.14f * h, -0.05f * h, g + 0.9f * h);
            break;
        case FigureStyle::Skull:
            useCell(m, s.skin);
            m.sphere(hc, V3(hr * 0.95f, hr * 0.85f, hr), 10, 7);
            m.box(hc + V3(hr * 0.4f, 0, -hr * 0.9f), V3(hr * 0.45f, hr * 0.5f, hr * 0.2f));
            useCell(m, s.dark);
            m.sphere(eyeL + V3(-0.02f * hr, 0, 0), V3(hr * 0.2f, hr * 0.22f, hr * 0.22f), 6, 4);
            m.sphere(eyeR + V3(-0.02f * hr, 0, 0), V3(hr * 0.2f, hr * 0.22f, hr * 0.22f), 6, 4);
            break;
        default:
            useCell(m, s.skin);
            m.sphere(hc, V3(hr, hr * 0.9f, hr * 1.1f), 10, 7);
            m.sphere(hc + V3(hr * 0.95f, 0, -hr * 0.1f), V3(hr * 0.2f, hr * 0.15f, hr * 0.25f), 5, 4);
            useCell(m, s.dark);
            m.sphere(hc + V3(-hr * 0.2f, 0, hr * 0.3f), V3(hr * 0.95f, hr * 0.95f, hr * 0.9f), 8, 5);
            break;
    }
    if (s.hat) {
        m.setBone(Figure::HatBone);
        useCell(m, s.hatCell);
        m.cylinder(hc + V3(0, 0, hr * 0.8f), hr * 2.0f, hr * 0.08f, 12);
        if (s.pointedHat)
            m.lathe({{hr * 0.9f, 0}, {hr * 0.6f, hr * 1.2f}, {hr * 0.2f, hr * 2.4f}, {0.0f, hr * 2.8f}},
                    hc + V3(-hr * 0.1f, 0, hr * 0.85f), 10);
        else
            m.lathe({{hr * 0.95f, 0}, {hr * 0.9f, hr * 0.7f}, {hr * 0.6f, hr * 1.1f}, {0.0f, hr * 1.2f}},
                    hc + V3(0, 0, hr * 0.85f), 12);
    }
    m.setBone(Figure::Head);
    useCell(m, 13);
    f.eyeTriangle[0] = eyeAt(m, eyeL + V3(0.01f * h, 0, 0), 0.006f * h);
    f.eyeTriangle[1] = eyeAt(m, eyeR + V3(0.01f * h, 0, 0), 0.006f * h);
    // Held things on the prop bone at the right hand.
    m.setBone(Figure::Prop);
    const V3 hand(0.05f * h, -0.22f * h, g + 0.5f * h);
    if (s.knife) {
        // A long knife held low, its blade pointing back and up past the hip
        // (the 'knife' target lies beside and behind the figure).
        const V3 tip = hand + V3(-0.24f * h, -0.04f * h, 0.14f * h);
        useCell(m, atlas::Metal);
        m.tube({hand + V3(-0.02f * h, 0, 0.01f * h), tip}, 0.008f * h, 4);
        useCell(m, atlas::DogDark);
        m.tube({hand + V3(0.02f * h, 0, -0.01f * h), hand + V3(-0.02f * h, 0, 0.01f * h)}, 0.012f * h, 5);
    }
    if (s.flower) {
        useCell(m, atlas::Leaf);
        m.cylinder(hand, 0.005f * h, 0.14f * h, 4, false);
        useCell(m, atlas::FlowerRed);
        m.sphere(hand + V3(0, 0, 0.15f * h), V3(0.03f, 0.03f, 0.02f) * h, 6, 4);
    }
    f.extraTriangle[0] = eyeAt(m, hand + V3(0, 0, 0.16f * h), 0.004f * h);
    m.setBone(Figure::Torso);
    f.extraTriangle[1] = eyeAt(m, V3(0.1f * h * w, 0, g + 0.75f * h), 0.004f * h);
    return f;
}

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

std::vector<BonePose> walkPose(float phase, float stride) {
    std::vector<BonePose> p(Figure::BoneCount);
    const float s = std::sin(phase * kTwoPi), c = std::cos(phase * kTwoPi * 2);
    p[Figure::LegL].rotation = V3(0, -stride * s, 0);
    p[Figure::LegR].rotation = V3(0, stride * s, 0);
    p[Figure::ArmL].rotation = V3(0, stride * 0.7f * s, 0);
    p[Figure::ArmR].rotation = V3(0, -stride * 0.7f * s, 0);
    p[Figure::Root].offset = V3(0, 0, 0.02f * c);
    p[Figure::Head].rotation = V3(0, 0, 3 * s);
    p[Figure::Tail].rotation = V3(0, 0, 15 * s);
    return p;
}

std::vector<BonePose> idlePose(float phase, float amount) {
    std::vector<BonePose> p(Figure::BoneCount);
    const float s = std::sin(phase * kTwoPi);
    p[Figure::Torso].rotation = V3(0, 2 * amount * s, 0);
    p[Figure::Head].rotation = V3(0, 3 * amount * s, 6 * amount * std::sin(phase * kTwoPi + 1));
    p[Figure::ArmL].rotation = V3(4 * amount * s, 0, 0);
    p[Figure::ArmR].rotation = V3(-4 * amount * s, 0, 0);
    p[Figure::Tail].rotation = V3(0, 0, 10 * amount * s);
    return p;
}

std::vector<BonePose> talkPose(float phase, float amount) {
    std::vector<BonePose> p = idlePose(phase, amount);
    const float s = std::sin(phase * kTwoPi * 2);
    p[Figure::Head].rotation = p[Figure::Head].rotation + V3(0, 8 * amount * s, 0);
    p[Figure::ArmR].rotation = V3(0, -40 * amount * (0.5f + 0.5f * s), 0);
    p[Figure::Prop].rotation = V3(0, 0, 0);
    return p;
}

void hideProp(std::vector<BonePose>& pose) {
    pose.resize(Figure::BoneCount);
    pose[Figure::Prop].scale = V3(0.001f, 0.001f, 0.001f);
}

void hideHat(std::vector<BonePose>& pose) {
    pose.resize(Figure::BoneCount);
    pose[Figure::HatBone].scale = V3(0.001f, 0.001f, 0.001f);
}
