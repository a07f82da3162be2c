#include "content/FigureHeads.h"

#include "content/Atlas.h"
#include "content/FigureKit.h"

using figurekit::limb;
using figurekit::ring;

namespace {

void useCell(MeshBuilder& m, int cell) {
    float r[4];
    atlas::cell(cell, r);
    m.setUvRect(r[0], r[1], r[2], r[3]);
}

// An eye: white ball with a dark pupil looking forward (+X).
void eyeBall(MeshBuilder& m, V3 at, float r, int dark, bool slit) {
    useCell(m, atlas::EyeWhite);
    m.sphere(at, V3(r * 0.7f, r, r * 0.8f), 7, 5);
    useCell(m, dark);
    m.sphere(at + V3(r * 0.55f, 0, 0), slit ? V3(r * 0.25f, r * 0.55f, r * 0.18f) : V3(r * 0.25f, r * 0.42f, r * 0.45f),
             6, 4);
}

// A curled horn: tapering pieces along a curve.
void horn(MeshBuilder& m, V3 hc, float hr, int side) {
    const V3 pts[5] = {hc + V3(0.15f, side * 0.35f, 0.7f) * hr, hc + V3(-0.3f, side * 0.55f, 1.25f) * hr,
                       hc + V3(-0.95f, side * 0.75f, 1.2f) * hr, hc + V3(-1.25f, side * 0.9f, 0.6f) * hr,
                       hc + V3(-1.0f, side * 1.0f, 0.15f) * hr};
    for (int i = 0; i < 4; ++i) limb(m, pts[i], pts[i + 1], hr * (0.22f - 0.04f * i), hr * (0.18f - 0.04f * i), 7);
}

void roundHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    useCell(m, s.skin);
    m.sphere(hc + V3(-0.05f, 0, 0.05f) * hr, V3(1.0f, 0.86f, 1.02f) * hr, 12, 8);
    m.sphere(hc + V3(0.3f, 0, -0.42f) * hr, V3(0.68f, 0.66f, 0.55f) * hr, 10, 6);  // cheeks and chin
    limb(m, hc + V3(0.88f, 0, 0.08f) * hr, hc + V3(1.1f, 0, -0.22f) * hr, 0.11f * hr, 0.15f * hr, 6);  // nose
    for (int side = -1; side <= 1; side += 2)
        m.sphere(hc + V3(-0.05f, side * 0.86f, -0.02f) * hr, V3(0.18f, 0.08f, 0.28f) * hr, 6, 4);  // ears
    for (int side = 0; side < 2; ++side) {
        const float y = side ? -0.36f : 0.36f;
        eyes[side] = hc + V3(0.86f, y, 0.12f) * hr;
        eyeBall(m, eyes[side] + V3(-0.1f, 0, 0) * hr, 0.16f * hr, s.dark, false);
        useCell(m, s.dark);
        m.box(eyes[side] + V3(0.02f, 0, 0.25f) * hr, V3(0.05f, 0.17f, 0.035f) * hr);  // brow
    }
    useCell(m, atlas::FlowerRed);
    m.sphere(hc + V3(0.9f, 0, -0.5f) * hr, V3(0.08f, 0.26f, 0.05f) * hr, 6, 3);  // mouth
    useCell(m, s.dark);
    m.sphere(hc + V3(-0.16f, 0, 0.22f) * hr, V3(0.98f, 0.93f, 0.96f) * hr, 12, 7);  // hair
    if (s.longHair) {
        m.sphere(hc + V3(-0.45f, 0, -0.75f) * hr, V3(0.5f, 0.95f, 1.15f) * hr, 10, 6);
        for (int side = -1; side <= 1; side += 2)
            m.sphere(hc + V3(-0.1f, side * 0.8f, -0.5f) * hr, V3(0.35f, 0.25f, 0.8f) * hr, 6, 5);
    }
}

void skullHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    useCell(m, s.skin);
    m.sphere(hc + V3(-0.05f, 0, 0.1f) * hr, V3(0.95f, 0.82f, 0.95f) * hr, 12, 8);
    m.sphere(hc + V3(0.45f, 0, -0.42f) * hr, V3(0.5f, 0.56f, 0.38f) * hr, 8, 5);  // cheekbones
    m.sphere(hc + V3(0.42f, 0, -0.88f) * hr, V3(0.45f, 0.48f, 0.16f) * hr, 8, 4);  // jaw
    for (int i = -2; i <= 2; ++i)
        m.box(hc + V3(0.86f, i * 0.1f, -0.68f) * hr, V3(0.05f, 0.04f, 0.08f) * hr);  // teeth
    useCell(m, s.dark);
    for (int side = 0; side < 2; ++side) {
        eyes[side] = hc + V3(0.78f, side ? -0.34f : 0.34f, 0.05f) * hr;
        m.sphere(eyes[side], V3(0.16f, 0.22f, 0.24f) * hr, 7, 5);  // sockets
    }
    m.sphere(hc + V3(0.92f, 0, -0.3f) * hr, V3(0.06f, 0.1f, 0.12f) * hr, 5, 3);
}

void goatHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    useCell(m, s.skin);
    m.sphere(hc, V3(0.95f, 0.78f, 0.95f) * hr, 12, 7);
    limb(m, hc + V3(0.3f, 0, -0.05f) * hr, hc + V3(1.45f, 0, -0.7f) * hr, 0.58f * hr, 0.34f * hr, 10);  // muzzle
    for (int side = -1; side <= 1; side += 2)  // ears out to the sides
        limb(m, hc + V3(-0.1f, side * 0.6f, 0.3f) * hr, hc + V3(0.1f, side * 1.3f, -0.3f) * hr, 0.2f * hr,
             0.12f * hr, 6);
    m.cone(hc + V3(1.05f, 0, -0.85f) * hr, 0.22f * hr, -0.7f * hr, 8);  // beard
    useCell(m, s.dark);
    m.sphere(hc + V3(1.72f, 0, -0.78f) * hr, V3(0.12f, 0.22f, 0.12f) * hr, 6, 4);  // nose
    m.box(hc + V3(1.5f, 0, -1.0f) * hr, V3(0.2f, 0.2f, 0.02f) * hr);                 // mouth line
    for (int side = -1; side <= 1; side += 2) horn(m, hc, hr, side);
    for (int side = 0; side < 2; ++side) {
        eyes[side] = hc + V3(0.62f, side ? -0.6f : 0.6f, 0.2f) * hr;
        eyeBall(m, eyes[side] + V3(-0.08f, 0, 0) * hr, 0.17f * hr, s.dark, true);
    }
}

void fishHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    hr *= 1.2f;  // a big fish's head on human shoulders
    hc = hc + V3(0.1f, 0, 0.1f) * hr;
    useCell(m, s.skin);
    m.sphere(hc + V3(0.25f, 0, -0.15f) * hr, V3(1.55f, 0.95f, 1.15f) * hr, 14, 8);
    for (int side = -1; side <= 1; side += 2) {  // side fins where ears would be
        const size_t from = m.size();
        m.cone(V3(0, 0, 0), 0.35f * hr, 0.9f * hr, 6);
        m.transform(Transform::translation(hc + V3(-0.55f, side * 0.8f, -0.25f) * hr) *
                        Transform::rotateXYZ(V3(side * -70.0f, -30, 0)) * Transform::scaling(V3(1, 0.3f, 1)),
                    from);
    }
    // A dorsal fin from the crown down the back of the neck.
    useCell(m, s.second);
    const V3 top = hc + V3(0.6f, 0, 1.0f) * hr;
    for (int i = 0; i < 4; ++i) {
        const float t0 = i / 4.0f, t1 = (i + 1) / 4.0f;
        const V3 a = top + V3(-2.0f * t0, 0, -1.6f * t0 * t0) * hr, b = top + V3(-2.0f * t1, 0, -1.6f * t1 * t1) * hr;
        m.triangle(a, b, lerp(a, b, 0.5f) + V3(-0.2f, 0, 0.55f - 0.1f * i) * hr);
    }
    m.addBackFaces(m.size() - 12);
    useCell(m, s.dark);
    m.sphere(hc + V3(1.7f, 0, -0.5f) * hr, V3(0.2f, 0.6f, 0.2f) * hr, 8, 4);  // wide mouth
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k)  // gill slits
            m.box(hc + V3(-0.3f - 0.2f * k, side * 0.92f, -0.35f) * hr, V3(0.03f, 0.03f, 0.35f) * hr);
    for (int side = 0; side < 2; ++side) {
        eyes[side] = hc + V3(1.1f, side ? -0.72f : 0.72f, 0.3f) * hr;
        eyeBall(m, eyes[side] + V3(-0.12f, side ? 0.08f : -0.08f, 0) * hr, 0.28f * hr, s.dark, false);
    }
}

void hoodHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    // A deep hood with only darkness inside it.
    useCell(m, s.dark);
    m.sphere(hc + V3(0.2f, 0, -0.05f) * hr, V3(0.85f, 0.82f, 0.92f) * hr, 10, 7);
    useCell(m, s.main);
    m.sphere(hc + V3(-0.45f, 0, 0.12f) * hr, V3(1.3f, 1.25f, 1.42f) * hr, 12, 8);
    const size_t rim = m.size();
    ring(m, V3(0, 0, 0), 0.95f * hr, 0.16f * hr, 1.0f, 14);
    m.transform(Transform::translation(hc + V3(0.78f, 0, 0.05f) * hr) * Transform::rotationY(80) *
                    Transform::scaling(V3(1.15f, 1, 1)),
                rim);
    m.cone(hc + V3(-1.0f, 0, 0.9f) * hr, 0.45f * hr, 0.9f * hr, 8);  // the hood's point behind
    for (int side = 0; side < 2; ++side) eyes[side] = hc + V3(0.95f, side ? -0.28f : 0.28f, 0.1f) * hr;
}

void wolfHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, V3 eyes[2]) {
    useCell(m, s.main);
    m.sphere(hc, V3(1.05f, 0.95f, 0.95f) * hr, 12, 7);
    limb(m, hc + V3(0.4f, 0, -0.15f) * hr, hc + V3(1.55f, 0, -0.4f) * hr, 0.5f * hr, 0.25f * hr, 8);
    for (int side = -1; side <= 1; side += 2)
        m.cone(hc + V3(-0.2f, side * 0.55f, 0.7f) * hr, 0.3f * hr, 0.75f * hr, 6);
    useCell(m, s.dark);
    m.sphere(hc + V3(1.78f, 0, -0.4f) * hr, V3(0.12f, 0.16f, 0.12f) * hr, 6, 4);
    for (int side = 0; side < 2; ++side) eyes[side] = hc + V3(0.85f, side ? -0.35f : 0.35f, 0.15f) * hr;
}

}  // namespace

void buildHead(MeshBuilder& m, const FigureStyle& s, V3 hc, float hr, float height, V3 eyes[2]) {
    m.setBone(Figure::Head);
    switch (s.head) {
        case FigureStyle::Goat: goatHead(m, s, hc, hr, eyes); break;
        case FigureStyle::Fish: fishHead(m, s, hc, hr, eyes); break;
        case FigureStyle::Hood: hoodHead(m, s, hc, hr, eyes); break;
        case FigureStyle::Wolf: wolfHead(m, s, hc, hr, eyes); break;
        case FigureStyle::Skull: skullHead(m, s, hc, hr, eyes); break;
        case FigureStyle::Sheet:
            eyes[0] = V3(0.14f * height, 0.05f * height, hc.z - 0.025f * height);
            eyes[1] = V3(0.14f * height, -0.05f * height, hc.z - 0.025f * height);
            break;
        default: roundHead(m, s, hc, hr, eyes); break;
    }
}
