#include "content/Figure.h"

#include <cmath>

#include "content/Atlas.h"
#include "content/FigureHeads.h"
#include "content/FigureKit.h"

using figurekit::drape;
using figurekit::limb;
using figurekit::ring;

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

// Joint positions of a standing figure (shares of the height above ground).
struct Joints {
    float h, g;
    V3 shoulder(int side) const { return V3(0, side * 0.165f * h, g + 0.8f * h); }
    V3 elbow(int side) const { return V3(-0.015f * h, side * 0.19f * h, g + 0.645f * h); }
    V3 wrist(int side) const { return V3(0.03f * h, side * 0.2f * h, g + 0.525f * h); }
    V3 hand(int side) const { return V3(0.045f * h, side * 0.205f * h, g + 0.49f * h); }
    V3 hip(int side) const { return V3(0, side * 0.075f * h, g + 0.49f * h); }
    V3 knee(int side) const { return V3(0.012f * h, side * 0.078f * h, g + 0.27f * h); }
    V3 ankle(int side) const { return V3(0, side * 0.08f * h, g + 0.055f * h); }
};

void setupRig(Figure& f, const Joints& j) {
    Rig& r = f.rig;
    const float h = j.h, g = j.g;
    const float hip = g + 0.5f * h, neck = g + 0.86f * h;
    r.addBone(-1, V3(0, 0, hip));                           // Root
    r.addBone(Figure::Root, V3(0, 0, hip));                 // Torso
    r.addBone(Figure::Torso, V3(0, 0, neck));               // Head
    r.addBone(Figure::Torso, j.shoulder(1));                // ArmL
    r.addBone(Figure::Torso, j.shoulder(-1));               // ArmR
    r.addBone(Figure::Root, V3(0, 0.075f * h, hip));        // LegL
    r.addBone(Figure::Root, V3(0, -0.075f * h, hip));       // LegR
    r.addBone(Figure::ArmR, j.hand(-1));                    // Prop (hand)
    r.addBone(Figure::Root, V3(-0.1f * h, 0, hip));         // Tail
    r.addBone(Figure::Head, V3(0, 0, g + 1.0f * h));        // HatBone (hat's brim)
    r.addBone(Figure::ArmL, j.elbow(1));                    // ForearmL
    r.addBone(Figure::ArmR, j.elbow(-1));                   // ForearmR
    r.addBone(Figure::LegL, j.knee(1));                     // ShinL
    r.addBone(Figure::LegR, j.knee(-1));                    // ShinR
    r.reparent(Figure::Prop, Figure::ForearmR);
}

// Legs: thighs, knees, shins and shoes (bare bones for a skeleton).
void addLegs(MeshBuilder& m, const FigureStyle& s, const Joints& j) {
    const float h = j.h, w = s.girth;
    const bool bony = s.head == FigureStyle::Skull;
    for (int side = 1; side >= -1; side -= 2) {
        const V3 hip = j.hip(side), knee = j.knee(side), ankle = j.ankle(side);
        m.setBone(side > 0 ? Figure::LegL : Figure::LegR);
        useCell(m, s.main);
        if (bony)
            limb(m, hip, knee, 0.018f * h, 0.02f * h, 6);
        else
            limb(m, hip + V3(0, 0, 0.02f * h), knee, 0.062f * h * w, 0.044f * h * std::sqrt(w), 9);
        m.setBone(side > 0 ? Figure::ShinL : Figure::ShinR);
        if (bony) {
            m.sphere(knee, V3(0.026f, 0.026f, 0.026f) * h, 6, 4);
            limb(m, knee, ankle, 0.017f * h, 0.014f * h, 6);
        } else {
            limb(m, knee, ankle, 0.043f * h * std::sqrt(w), 0.03f * h, 9);
        }
        // Shoe (or the bones of a foot): rounded, toe forward.
        useCell(m, bony ? s.skin : s.dark);
        const V3 foot = ankle + V3(0.035f * h, 0, -0.03f * h);
        if (bony) {
            m.sphere(foot, V3(0.055f, 0.022f, 0.014f) * h, 7, 4);
        } else {
            m.sphere(foot, V3(0.075f, 0.036f, 0.03f) * h, 10, 6);
            m.box(foot + V3(0, 0, -0.022f * h), V3(0.07f * h, 0.034f * h, 0.006f * h));  // sole
        }
    }
}

// The trunk: one smooth shape from the hips to the neck, wider across the
// shoulders than deep, with a belt; a rib cage and spine for a skeleton.
void addTrunk(MeshBuilder& m, const FigureStyle& s, const Joints& j) {
    const float h = j.h, g = j.g, w = s.girth;
    m.setBone(Figure::Torso);
    useCell(m, s.main);
    if (s.head == FigureStyle::Skull) {
        // Pelvis, spine and ribs.
        m.sphere(V3(0, 0, g + 0.52f * h), V3(0.06f, 0.1f, 0.045f) * h, 8, 5);
        limb(m, V3(-0.03f * h, 0, g + 0.52f * h), V3(-0.03f * h, 0, g + 0.86f * h), 0.014f * h, 0.012f * h, 6);
        for (int i = 0; i < 6; ++i) {
            const float z = g + (0.62f + i * 0.036f) * h, r = (0.085f + 0.012f * std::sin(i * 0.7f)) * h;
            ring(m, V3(-0.005f * h, 0, z), r, 0.008f * h, 0.7f, 14);
        }
        m.sphere(V3(0.05f * h, 0, g + 0.72f * h), V3(0.012f, 0.02f, 0.08f) * h, 5, 4);  // breastbone
        limb(m, j.shoulder(1), j.shoulder(-1), 0.013f * h, 0.013f * h, 6);             // collarbones
        return;
    }
    const float base = g + 0.44f * h;
    const size_t from = m.size();
    m.lathe({{0.0f, 0.0f}, {0.1f * w * h, 0.005f * h}, {0.13f * w * h, 0.05f * h}, {0.125f * w * h, 0.13f * h},
             {0.118f * w * h, 0.17f * h}, {0.135f * w * h, 0.25f * h}, {0.15f * std::sqrt(w) * h, 0.32f * h},
             {0.145f * std::sqrt(w) * h, 0.355f * h}, {0.1f * h, 0.39f * h}, {0.045f * h, 0.405f * h},
             {0.0f, 0.41f * h}},
            V3(0, 0, base), 14);
    m.transform(Transform::scaling(V3(0.62f, 1, 1)), from);  // flatter front to back
    m.smoothNormals(from);
    // Shoulder caps join the arms to the trunk.
    for (int side = 1; side >= -1; side -= 2) {
        m.setBone(side > 0 ? Figure::ArmL : Figure::ArmR);
        useCell(m, s.head == FigureStyle::Sheet ? s.main : s.second);
        m.sphere(j.shoulder(side) + V3(0, -side * 0.012f * h, -0.012f * h), V3(0.042f, 0.04f, 0.042f) * h * std::sqrt(w),
                 8, 6);
    }
    m.setBone(Figure::Torso);
    useCell(m, s.dark);
    ring(m, V3(0, 0, g + 0.6f * h), 0.119f * w * h, 0.012f * h, 0.64f, 16);  // belt
    useCell(m, s.second);
    // Collar, and buttons down the front.
    ring(m, V3(0, 0, g + 0.842f * h), 0.05f * h, 0.012f * h, 0.8f, 12);
    useCell(m, s.dark);
    for (int i = 0; i < 3; ++i)
        m.sphere(V3(0.09f * h * std::sqrt(w), 0, g + (0.66f + 0.05f * i) * h), V3(0.006f, 0.008f, 0.008f) * h, 4, 3);
}

// Clothes that hang: a dress, a coat's skirt, a robe, or rags.
void addDrapes(MeshBuilder& m, const FigureStyle& s, const Joints& j) {
    const float h = j.h, g = j.g, w = s.girth;
    m.setBone(Figure::Torso);
    if (s.head == FigureStyle::Skull && s.dress) {
        useCell(m, s.second);
        drape(m, V3(0, 0, 0), g + 0.58f * h, g + 0.3f * h, 0.1f * h, 0.17f * h, 6, 0.22f, 0.5f, 0.8f);
        return;
    }
    if (s.head == FigureStyle::Hood) {
        useCell(m, s.main);
        drape(m, V3(0, 0, 0), g + 0.66f * h, g + 0.0f * h, 0.13f * w * h, 0.25f * w * h, 8, 0.14f, 0.06f, 0.8f);
        return;
    }
    if (s.dress) {
        useCell(m, s.second);
        drape(m, V3(0, 0, 0), g + 0.6f * h, g + 0.14f * h, 0.12f * w * h, 0.27f * w * h, 7, 0.16f, 0.0f, 0.85f);
        useCell(m, s.dark);
        ring(m, V3(0, 0, g + 0.6f * h), 0.122f * w * h, 0.013f * h, 0.72f, 16);
        return;
    }
    if (s.coat > 0) {
        useCell(m, s.main);
        drape(m, V3(0, 0, 0), g + 0.6f * h, g + (0.6f - s.coat) * h, 0.125f * w * h, 0.17f * w * h, 6, 0.1f, 0.0f,
              0.7f);
    }
}

// Arms: upper arm, elbow, forearm (sleeve) and a hand with its thumb.
void addArms(MeshBuilder& m, const FigureStyle& s, const Joints& j) {
    const float h = j.h;
    const bool bony = s.head == FigureStyle::Skull, robed = s.head == FigureStyle::Hood;
    const float r = bony ? 0.016f * h : 0.038f * h * std::sqrt(s.girth);
    for (int side = 1; side >= -1; side -= 2) {
        const V3 sh = j.shoulder(side), el = j.elbow(side), wr = j.wrist(side), hand = j.hand(side);
        m.setBone(side > 0 ? Figure::ArmL : Figure::ArmR);
        useCell(m, bony ? s.skin : s.head == FigureStyle::Sheet ? s.main : s.second);
        limb(m, sh, el, r * 1.1f, r * 0.95f, bony ? 6 : 8);
        m.setBone(side > 0 ? Figure::ForearmL : Figure::ForearmR);
        limb(m, el, wr, r * 0.95f, bony ? r * 0.8f : r * 0.85f, bony ? 6 : 8);
        if (robed) m.cone(wr + V3(0.01f * h, 0, 0.05f * h), r * 2.0f, -0.08f * h, 10);  // wide sleeve
        else if (!bony) ring(m, wr + V3(0.004f * h, 0, 0.01f * h), r * 0.9f, 0.006f * h, 1.0f, 10);  // cuff
        useCell(m, robed ? s.dark : s.skin);
        const float k = bony ? 0.7f : 1.0f;
        m.sphere(hand, V3(0.03f, 0.017f, 0.042f) * h * k, 8, 5);
        m.sphere(hand + V3(0.022f * h, -side * 0.006f * h, 0.008f * h), V3(0.012f, 0.01f, 0.02f) * h * k, 5, 4);
    }
}

void addHat(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr) {
    m.setBone(Figure::HatBone);
    useCell(m, s.hatCell);
    if (s.pointedHat) {
        // A witch's hat: wide brim, tall cone whose tip bends back.
        m.cylinder(hc + V3(0, 0, hr * 0.8f), hr * 2.2f, hr * 0.06f, 16);
        m.lathe({{hr * 1.0f, 0}, {hr * 0.75f, hr * 1.0f}, {hr * 0.42f, hr * 2.0f}, {0.0f, hr * 2.3f}},
                hc + V3(-hr * 0.1f, 0, hr * 0.85f), 12);
        const size_t tip = m.size();
        m.cone(V3(0, 0, 0), hr * 0.42f, hr * 1.3f, 10);
        m.transform(Transform::translation(hc + V3(-hr * 0.25f, 0, hr * 2.75f)) * Transform::rotationY(-55), tip);
        useCell(m, s.dark);
        ring(m, hc + V3(-hr * 0.1f, 0, hr * 1.0f), hr * 0.96f, hr * 0.1f, 1.0f, 14);
    } else {
        // A round crown and a wide, soft brim with a band.
        m.lathe({{hr * 2.0f, 0.0f}, {hr * 2.05f, hr * 0.1f}, {hr * 1.3f, hr * 0.06f}, {0.0f, hr * 0.05f}},
                hc + V3(0, 0, hr * 0.75f), 18);
        m.lathe({{hr * 1.3f, -hr * 0.05f}, {hr * 2.0f, 0.0f}, {hr * 0.0f, -hr * 0.04f}}, hc + V3(0, 0, hr * 0.76f), 18);
        m.lathe({{hr * 0.95f, 0}, {hr * 0.93f, hr * 0.7f}, {hr * 0.65f, hr * 1.1f}, {0.0f, hr * 1.2f}},
                hc + V3(0, 0, hr * 0.8f), 14);
        useCell(m, s.second);
        ring(m, hc + V3(0, 0, hr * 0.95f), hr * 0.95f, hr * 0.1f, 1.0f, 14);
    }
}

}  // namespace

Figure buildFigure(const FigureStyle& s) {
    Figure f;
    MeshBuilder& m = f.mesh;
    const float h = s.height, g = s.ground;
    const Joints j{h, g};
    setupRig(f, j);
    addLegs(m, s, j);
    addTrunk(m, s, j);
    addDrapes(m, s, j);
    addArms(m, s, j);
    // Neck and head.
    m.setBone(Figure::Head);
    const V3 hc(0, 0, g + 0.925f * h);
    const float hr = 0.075f * h;
    if (s.head != FigureStyle::Hood && s.head != FigureStyle::Sheet) {
        useCell(m, s.skin);
        if (s.head == FigureStyle::Skull)
            limb(m, V3(-0.02f * h, 0, g + 0.83f * h), V3(-0.01f * h, 0, g + 0.9f * h), 0.014f * h, 0.014f * h, 6);
        else
            limb(m, V3(0, 0, g + 0.82f * h), V3(0.005f * h, 0, g + 0.89f * h), 0.034f * h, 0.032f * h, 8);
    }
    V3 eyes[2];
    buildHead(m, s, hc, hr, h, eyes);
    if (s.hat) addHat(m, s, hc, hr);
    m.setBone(Figure::Head);
    useCell(m, atlas::EyeWhite);
    f.eyeTriangle[0] = eyeAt(m, eyes[0] + V3(0.01f * h, 0, 0), 0.006f * h);
    f.eyeTriangle[1] = eyeAt(m, eyes[1] + V3(0.01f * h, 0, 0), 0.006f * h);
    // Held things on the prop bone at the right hand.
    m.setBone(Figure::Prop);
    const V3 hand = j.hand(-1);
    if (s.knife) {
        // A long knife held low, its blade pointing back and up past the hip
        // (the 'knife' target lies beside and behind the figure).
        const V3 tip = hand + V3(-0.24f * h, -0.04f * h, 0.14f * h);
        const V3 guard = hand + V3(-0.025f * h, -0.004f * h, 0.015f * h);
        useCell(m, atlas::Metal);
        const size_t blade = m.size();
        limb(m, guard, tip, 0.012f * h, 0.002f * h, 4);
        m.flatNormals(blade);  // a faceted, glinting blade
        useCell(m, atlas::DogDark);
        limb(m, hand + V3(0.025f * h, 0.004f * h, -0.015f * h), guard, 0.011f * h, 0.011f * h, 6);
        m.box(guard, V3(0.006f, 0.022f, 0.006f) * h);
    }
    if (s.flower) {
        useCell(m, atlas::Leaf);
        m.cylinder(hand, 0.005f * h, 0.14f * h, 4, false);
        m.sphere(hand + V3(0.01f * h, 0, 0.08f * h), V3(0.018f, 0.006f, 0.008f) * h, 5, 3);
        useCell(m, atlas::FlowerRed);
        for (int i = 0; i < 5; ++i) {
            const float a = i * kTwoPi / 5;
            m.sphere(hand + V3(0.022f * h * std::cos(a), 0.022f * h * std::sin(a), 0.15f * h),
                     V3(0.018f, 0.018f, 0.008f) * h, 6, 3);
        }
        useCell(m, atlas::Hat);
        m.sphere(hand + V3(0, 0, 0.155f * h), V3(0.01f, 0.01f, 0.008f) * h, 5, 3);
    }
    f.extraTriangle[0] = eyeAt(m, hand + V3(0, 0, 0.16f * h), 0.004f * h);
    m.setBone(Figure::Torso);
    f.extraTriangle[1] = eyeAt(m, V3(0.1f * h * s.girth, 0, g + 0.75f * h), 0.004f * h);
    return f;
}

std::vector<BonePose> walkPose(float phase, float stride) {
    std::vector<BonePose> p(Figure::BoneCount);
    const float a = phase * kTwoPi, s = std::sin(a), c = std::cos(a), c2 = std::cos(2 * a);
    p[Figure::LegL].rotation = V3(0, -stride * s, 0);
    p[Figure::LegR].rotation = V3(0, stride * s, 0);
    // The knee of the leg swinging forward bends; the standing leg stays straight.
    p[Figure::ShinL].rotation = V3(0, stride * 1.4f * std::max(0.0f, c), 0);
    p[Figure::ShinR].rotation = V3(0, stride * 1.4f * std::max(0.0f, -c), 0);
    p[Figure::ArmL].rotation = V3(0, stride * 0.7f * s, 0);
    p[Figure::ArmR].rotation = V3(0, -stride * 0.7f * s, 0);
    p[Figure::ForearmL].rotation = V3(0, -10 - stride * 0.5f * std::max(0.0f, -s), 0);
    p[Figure::ForearmR].rotation = V3(0, -10 - stride * 0.5f * std::max(0.0f, s), 0);
    // The body rises over the straight leg, rolls and turns against the hips.
    p[Figure::Root].offset = V3(0, 0, 0.02f * c2);
    p[Figure::Root].rotation = V3(0.08f * stride * c, 0, 0.15f * stride * s);
    p[Figure::Torso].rotation = V3(-0.06f * stride * c, 2.0f, -0.3f * stride * s);
    p[Figure::Head].rotation = V3(0, -2.0f, 0.15f * stride * s + 3 * s);
    p[Figure::Tail].rotation = V3(0, 0, 15 * s);
    return p;
}

std::vector<BonePose> idlePose(float phase, float amount) {
    std::vector<BonePose> p(Figure::BoneCount);
    const float a = phase * kTwoPi, s = std::sin(a), c = std::cos(a);
    // Weight shifting from foot to foot, breathing, looking about.
    p[Figure::Root].rotation = V3(2.0f * amount * s, 0, 0);
    p[Figure::LegL].rotation = V3(-2.0f * amount * s, 0, 0);
    p[Figure::LegR].rotation = V3(-2.0f * amount * s, 0, 0);
    p[Figure::Torso].rotation = V3(-1.5f * amount * s, 2 * amount * c, 0);
    p[Figure::Torso].scale = V3(1.0f + 0.012f * amount * c, 1.0f + 0.01f * amount * c, 1.0f);
    p[Figure::Head].rotation = V3(0, 3 * amount * s, 10 * amount * std::sin(a + 1));
    p[Figure::ArmL].rotation = V3(4 * amount * s - 3, 0, 0);
    p[Figure::ArmR].rotation = V3(-4 * amount * s + 3, 0, 0);
    p[Figure::ForearmL].rotation = V3(0, -12 - 5 * amount * c, 0);
    p[Figure::ForearmR].rotation = V3(0, -12 + 5 * amount * c, 0);
    p[Figure::ShinL].rotation = V3(0, 4 * amount * std::max(0.0f, s), 0);
    p[Figure::ShinR].rotation = V3(0, 4 * amount * std::max(0.0f, -s), 0);
    p[Figure::Tail].rotation = V3(0, 0, 10 * amount * s);
    return p;
}

std::vector<BonePose> talkPose(float phase, float amount) {
    std::vector<BonePose> p = idlePose(phase, amount);
    const float s = std::sin(phase * kTwoPi * 2), lift = 0.5f + 0.5f * s;
    p[Figure::Head].rotation = p[Figure::Head].rotation + V3(0, 8 * amount * s, 0);
    p[Figure::Torso].rotation = p[Figure::Torso].rotation + V3(0, 3 * amount * lift, 0);
    p[Figure::ArmR].rotation = V3(-6 * amount * lift, -40 * amount * lift, 0);
    p[Figure::ForearmR].rotation = V3(0, -25 * amount * lift - 10, 0);
    p[Figure::ArmL].rotation = V3(6 * amount * (1 - lift), -15 * amount * (1 - lift), 0);
    p[Figure::ForearmL].rotation = V3(0, -30 * amount * (1 - lift) - 10, 0);
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
