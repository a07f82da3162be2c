#include "content/CostumeFigure.h"

#include <algorithm>
#include <cmath>

namespace {

struct Shape {
    float robe[6];     // body radius at six heights (0 .. 0.85 of the height)
    float head;        // head radius (share of height)
    float snout;       // muzzle length (share of height)
    float ears;        // ear size (share of height)
    float hood;        // hood rim (share of height)
    float scythe;      // scythe size (1 shown, 0 gone)
    float arm;         // arm thickness (share of height)
    float legs;        // leg length shown below the robe (share of height)
};

const Shape kShapes[3] = {
    {{0.2f, 0.17f, 0.14f, 0.12f, 0.12f, 0.07f}, 0.075f, 0.0f, 0.0f, 0.11f, 1.0f, 0.035f, 0.0f},
    {{0.24f, 0.2f, 0.16f, 0.14f, 0.13f, 0.1f}, 0.12f, 0.0f, 0.0f, 0.0f, 0.0f, 0.03f, 0.0f},
    {{0.12f, 0.13f, 0.15f, 0.16f, 0.14f, 0.07f}, 0.085f, 0.09f, 0.05f, 0.0f, 0.0f, 0.045f, 0.3f},
};

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
    r.addBone(Figure::ArmR, V3(0.05f * h, -0.2f * h, g + 0.5f * h));
    r.addBone(Figure::Root, V3(-0.1f * h, 0, hip));
    r.addBone(Figure::Head, V3(0, 0, g + h));
    // Legs (the werewolf's show below a shorter body; others hide inside).
    for (int side = 0; side < 2; ++side) {
        m.setBone(side ? Figure::LegR : Figure::LegL);
        const float y = (side ? -0.06f : 0.06f) * h;
        m.cylinder(V3(0, y, g), 0.04f * h, 0.05f * h + s.legs * h, 6);
    }
    // The body: a robe, a sheet or a furred trunk by its radii.
    m.setBone(Figure::Torso);
    const float bottom = g + s.legs * h;
    MeshBuilder::Profile body = {{0.0f, 0.0f}};
    for (int i = 0; i < 6; ++i) body.push_back({s.robe[i] * h, (0.85f - s.legs * 0.9f) * h * i / 5.0f});
    body.push_back({0.0f, (0.86f - s.legs * 0.9f) * h});
    m.lathe(body, V3(0, 0, bottom), 12, 0.85f);
    // Arms.
    for (int side = 0; side < 2; ++side) {
        m.setBone(side ? Figure::ArmR : Figure::ArmL);
        const float y = (side ? -0.17f : 0.17f) * h;
        m.tube({V3(0, y, shoulder), V3(0.03f * h, y * 1.1f, g + 0.65f * h), V3(0.06f * h, y * 1.15f, g + 0.52f * h)},
               s.arm * h, 6);
    }
    // Head with hood, muzzle and ears (sizes may be zero).
    m.setBone(Figure::Head);
    const V3 hc(0.01f * h, 0, g + 0.92f * h);
    m.sphere(hc, V3(s.head, s.head * 0.9f, s.head) * h, 10, 6);
    const float hood = std::max(s.hood, 0.01f);  // never zero: the triangle list must not change
    m.lathe({{0.0f, -0.05f * h}, {hood * h, -0.05f * h}, {hood * 0.95f * h, 0.06f * h},
             {hood * 0.4f * h, 0.12f * h}, {0.0f, 0.14f * h}},
            hc + V3(-0.02f * h, 0, 0), 10);
    m.sphere(hc + V3(s.head * h * 0.8f + s.snout * h * 0.5f, 0, -0.02f * h),
             V3(s.snout * 0.6f + 0.001f, s.snout * 0.4f + 0.001f, s.snout * 0.35f + 0.001f) * h, 8, 4);
    for (int side = -1; side <= 1; side += 2)
        m.cone(hc + V3(-0.01f * h, side * 0.05f * h, s.head * h * 0.8f), s.ears * 0.5f * h + 0.0005f,
               s.ears * 1.4f * h + 0.001f, 5);
    // The scythe in the right hand.
    m.setBone(Figure::Prop);
    const V3 hand(0.06f * h, -0.2f * h, g + 0.52f * h);
    const float k = s.scythe;
    m.cylinder(hand + V3(0, 0, -0.45f * h * k), 0.01f * h * k + 0.0005f, 1.0f * h * k + 0.001f, 5);
    m.box(hand + V3(0.12f * h * k, 0, 0.52f * h * k), V3(0.12f * h * k + 0.0005f, 0.005f * h, 0.02f * h * k + 0.0005f));
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
