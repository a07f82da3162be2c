// Animals and small creatures: the dog, the shady cat, the stone birds, the
// spider, the bat and the rat.
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "content/Atlas.h"
#include "content/Figure.h"
#include "content/ModelKit.h"
#include "content/ModelsCharacters.h"

namespace {

using modelkit::PoseKeys;
typedef std::vector<BonePose> Pose;

std::vector<uint8_t> finish(Figure f, const std::vector<std::pair<int, int>>& markers, const PoseKeys& keys,
                            float yaw) {
    std::vector<Marker> list;
    for (const auto& m : markers) {
        const int which = m.second;
        list.push_back({m.first, which < 2 ? f.eyeTriangle[which] : f.extraTriangle[which - 2], 0});
    }
    modelkit::placeMarkers(f.mesh.vertices, list, V3(0, 0, 0));
    return modelkit::posed(f.mesh.vertices, f.rig, keys, Transform::rotationZ(yaw));
}

PoseKeys breathe(float period, float amount) {
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) poses.push_back(idlePose(i / 4.0f, amount));
    return modelkit::loop(poses, period);
}

Pose lying() {
    Pose p(Figure::BoneCount);
    p[Figure::Root].offset = V3(0, 0, -0.2f);
    for (int leg : {Figure::ArmL, Figure::ArmR, Figure::LegL, Figure::LegR}) p[size_t(leg)].rotation = V3(0, 80, 0);
    p[Figure::Head].rotation = V3(0, 20, 0);
    return p;
}

std::vector<uint8_t> dog(int n) {
    Figure f = buildCreature(Creature::Dog, 1.0f, -0.357f, atlas::DogFur, atlas::DogDark);
    PoseKeys keys;
    Pose stand(Figure::BoneCount);
    switch (n) {
        case mesh::kDogAsleep: {
            MeshBuilder plainDog = f.mesh;
            plainDog.vertices = f.rig.apply(f.mesh.vertices, lying());
            return modelkit::held(plainDog, 2.0f);
        }
        case mesh::kDogWaking: keys = {{0, lying()}, {2.0f, stand}, {10.0f, stand}, {11.0f, stand}}; break;
        case mesh::kDogSniffing: {
            std::vector<Pose> poses(4, stand);
            poses[1][Figure::Prop].rotation = V3(0, 30, 0);
            poses[1][Figure::Head].rotation = V3(0, -15, 0);
            poses[3][Figure::Prop].rotation = V3(0, 25, 0);
            keys = modelkit::loop(poses, 0.8f);
            break;
        }
        case mesh::kDogEatingBone: {  // eats the bone, lies down content
            Pose eat = stand;
            eat[Figure::Head].rotation = V3(0, 35, 0);
            Pose chew = eat;
            chew[Figure::Prop].rotation = V3(0, 20, 0);
            keys = {{0, stand}, {2, eat}, {3, chew}, {4, eat}, {5, chew}, {6, eat}, {8, chew}, {10, lying()}, {13, lying()}};
            break;
        }
        case mesh::kDogChewing: {
            Figure small = buildCreature(Creature::Dog, 1.0f, -0.357f, atlas::DogFur, atlas::DogDark);
            std::vector<Pose> poses;
            for (int i = 0; i < 4; ++i) {
                Pose p = lying();
                p[Figure::Tail].rotation = V3(0, 0, i % 2 ? 25.0f : -25.0f);
                poses.push_back(p);
            }
            // A lighter dog: the glow points near the start of the list.
            return finish(small, {{76, 0}, {374, 1}}, modelkit::loop(poses, 1.0f), 90);
        }
        default: keys = breathe(2.5f, 0.8f); break;  // 122 guarding
    }
    return finish(f, {{505, 0}, {2162, 1}}, keys, n == mesh::kDogWaking || n == mesh::kDogGuarding || n == mesh::kDogSniffing ? 90 : 0);
}

// The shady cat sits upright below its origin (ground at local z -0.6), its
// head at about local z -0.2, facing +x before the turn to the street.
Figure sittingCat() {
    Figure f;
    MeshBuilder& m = f.mesh;
    Rig& r = f.rig;
    r.addBone(-1, V3(0, 0, -0.5f));                 // Root
    r.addBone(Figure::Root, V3(0, 0, -0.5f));       // Torso
    r.addBone(Figure::Torso, V3(0.04f, 0, -0.3f));  // Head
    r.addBone(Figure::Torso, V3(0.07f, 0.04f, -0.45f));   // ArmL
    r.addBone(Figure::Torso, V3(0.07f, -0.04f, -0.45f));  // ArmR
    r.addBone(Figure::Root, V3(-0.05f, 0.06f, -0.55f));   // LegL
    r.addBone(Figure::Root, V3(-0.05f, -0.06f, -0.55f));  // LegR
    r.addBone(Figure::Head, V3(0.12f, 0, -0.24f));        // Prop (jaw)
    r.addBone(Figure::Root, V3(-0.14f, 0, -0.56f));       // Tail
    r.addBone(Figure::Head, V3(0.05f, 0, -0.15f));        // HatBone
    auto cell = [&](int c) {
        float rr[4];
        atlas::cell(c, rr);
        m.setUvRect(rr[0], rr[1], rr[2], rr[3]);
    };
    cell(1);
    m.setBone(Figure::Torso);
    m.sphere(V3(-0.04f, 0, -0.5f), V3(0.12f, 0.1f, 0.1f), 12, 7);
    m.sphere(V3(0.03f, 0, -0.38f), V3(0.07f, 0.075f, 0.13f), 10, 7);
    for (int side = 0; side < 2; ++side) {
        const float y = side ? -0.04f : 0.04f;
        m.setBone(side ? Figure::ArmR : Figure::ArmL);
        m.cylinder(V3(0.08f, y, -0.6f), 0.022f, 0.18f, 6);
        m.setBone(side ? Figure::LegR : Figure::LegL);
        m.sphere(V3(0.02f, y * 1.8f, -0.58f), V3(0.06f, 0.025f, 0.02f), 6, 4);
    }
    m.setBone(Figure::Head);
    const V3 hc(0.06f, 0, -0.22f);
    m.sphere(hc, V3(0.065f, 0.07f, 0.06f), 12, 7);
    for (int side = -1; side <= 1; side += 2)
        m.cone(hc + V3(-0.01f, side * 0.04f, 0.04f), 0.025f, 0.055f, 5);
    m.setBone(Figure::Prop);
    cell(7);
    m.sphere(hc + V3(0.055f, 0, -0.02f), V3(0.025f, 0.03f, 0.02f), 6, 4);
    m.setBone(Figure::Tail);
    cell(1);
    std::vector<V3> tail;
    for (int k = 0; k <= 8; ++k) {
        const float a = 3.1416f + k * 0.3f;
        tail.push_back(V3(-0.04f + 0.16f * std::cos(a), 0.16f * std::sin(a) * -1.0f, -0.585f));
    }
    m.tube(tail, 0.018f, 5);
    m.setBone(Figure::Head);
    cell(13);
    const int e0 = int(m.size() / 3);
    const V3 eyeL = hc + V3(0.058f, 0.025f, 0.012f), eyeR = hc + V3(0.058f, -0.025f, 0.012f);
    m.triangle(eyeL, eyeL + V3(0, -0.006f, -0.006f), eyeL + V3(0, 0.006f, -0.006f));
    m.triangle(eyeR, eyeR + V3(0, -0.006f, -0.006f), eyeR + V3(0, 0.006f, -0.006f));
    f.eyeTriangle[0] = e0;
    f.eyeTriangle[1] = e0 + 1;
    // The white light of the shadow scene sits just above the cat's head.
    const int e2 = int(m.size() / 3);
    const V3 spot = hc + V3(0.0f, 0, 0.12f);
    m.triangle(spot, spot + V3(0, -0.004f, -0.004f), spot + V3(0, 0.004f, -0.004f));
    f.extraTriangle[0] = e2;
    f.extraTriangle[1] = e2;
    return f;
}

std::vector<uint8_t> cat(int n) {
    Figure f = sittingCat();
    Pose sit(Figure::BoneCount);
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) {
        Pose p = sit;
        p[Figure::Tail].rotation = V3(0, 0, i % 2 ? 12.0f : -12.0f);
        p[Figure::Head].rotation = V3(0, 0, i == 1 ? 12.0f : i == 3 ? -8.0f : 0.0f);
        poses.push_back(p);
    }
    PoseKeys keys = modelkit::loop(poses, 3.0f);
    if (n == mesh::kCatLookingUp) {  // looks up at something above it, then stares
        Pose look = sit;
        look[Figure::Head].rotation = V3(0, -25, 30);
        keys = {{0, sit}, {3, sit}, {5, look}, {7, look}, {8, look}};
    } else if (n == mesh::kCatCowering) {  // shrinks down, ears back, before its shadow
        Pose crouch = sit;
        crouch[Figure::Root].offset = V3(0, 0, -0.03f);
        crouch[Figure::Head].rotation = V3(0, 20, -30);
        keys = {{0, sit}, {1, crouch}, {4, crouch}};
    }
    return finish(f, {{1031, 2}}, keys, 90);
}

std::vector<uint8_t> bird(int n) {
    // Origin 0.08 below the post top: the feet stand on it.
    Figure f = buildCreature(Creature::Bird, 0.5f, 0.08f, atlas::StoneGrey, atlas::Metal);
    Pose asleep(Figure::BoneCount);
    asleep[Figure::Head].rotation = V3(0, 30, 0);
    asleep[Figure::Head].offset = V3(0, 0, -0.05f);
    if (n == mesh::kLeftBirdStatue || n == mesh::kRightBirdStatue) {
        MeshBuilder still = f.mesh;
        still.vertices = f.rig.apply(f.mesh.vertices, asleep, Transform::rotationZ(-90));
        return modelkit::still(still);
    }
    Pose awake(Figure::BoneCount);
    Pose guard(Figure::BoneCount);
    guard[Figure::ArmL].rotation = V3(-70, 0, 0);
    guard[Figure::ArmR].rotation = V3(70, 0, 0);
    guard[Figure::Head].rotation = V3(0, -15, 0);
    const PoseKeys keys = {{0, asleep}, {2.5f, awake}, {3.0f, guard}, {3.5f, guard}};
    if (n == mesh::kLeftBirdAwake) return finish(f, {{1433, 0}, {1043, 1}}, keys, -90);
    return finish(f, {{363, 0}, {1063, 1}}, keys, -90);
}

std::vector<uint8_t> spider() {
    Figure f = buildCreature(Creature::Spider, 0.25f, 0.0f, 1, 7);
    // A web above and ahead of the spider (threads in the fibre texture).
    MeshBuilder& m = f.mesh;
    m.setBone(Figure::Root);
    for (int i = 0; i < 8; ++i) {
        const float a = i * 0.785f;
        m.tube({V3(0.05f, 0, 0.15f), V3(0.05f + 0.35f * std::cos(a) * 0.3f, 0.35f * std::cos(a), 0.15f + 0.35f * std::sin(a) + 0.2f)}, 0.003f, 3);
    }
    const int extra[8] = {182, 403, 197, 421, 206, 430, 188, 412};
    std::vector<Marker> list;
    // Four pairs of tiny eyes on the head.
    for (int i = 0; i < 8; ++i) {
        const int tri = int(m.size() / 3);
        m.setBone(Figure::Head);
        const V3 p(0.03f + 0.005f * (i / 2), (i % 2 ? -0.01f : 0.01f) * (1 + i / 2), 0.05f + 0.004f * (i / 2));
        m.triangle(p, p + V3(0, -0.002f, -0.002f), p + V3(0, 0.002f, -0.002f));
        list.push_back({extra[i], tri, 0});
    }
    modelkit::placeMarkers(m.vertices, list, V3(0, 0, 0));
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) {
        Pose p(Figure::BoneCount);
        p[Figure::ArmL].rotation = V3(i % 2 ? 10.0f : -10.0f, 0, 0);
        p[Figure::LegR].rotation = V3(i % 2 ? -10.0f : 10.0f, 0, 0);
        p[Figure::Head].rotation = V3(0, 0, i == 2 ? 8.0f : 0.0f);
        poses.push_back(p);
    }
    return modelkit::posed(m.vertices, f.rig, modelkit::loop(poses, 2.0f), Transform::rotationZ(90));
}

std::vector<uint8_t> bat() {
    Figure f = buildCreature(Creature::Bat, 0.5f, 0.0f, 7, 12);
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) {
        Pose p(Figure::BoneCount);
        p[Figure::Root].rotation = V3(i % 2 ? 4.0f : -4.0f, 0, 0);
        poses.push_back(p);
    }
    return modelkit::posed(f.mesh.vertices, f.rig, modelkit::loop(poses, 3.0f));
}

std::vector<uint8_t> rat() {
    Figure f = buildCreature(Creature::Rat, 0.3f, 0.0f, 11, 12);
    // The ledge it runs along, outside the upper floor; on no bone, so it stays.
    f.mesh.setBone(-1);
    f.mesh.box(V3(0, 0, -0.04f), V3(0.8f, 0.14f, 0.04f));
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) poses.push_back(walkPose(i / 4.0f, 30));
    return modelkit::posed(f.mesh.vertices, f.rig, modelkit::loop(poses, 0.4f));
}

}  // namespace

std::vector<uint8_t> creatureMesh(int n) {
    switch (n) {
        case mesh::kDogAsleep: case mesh::kDogWaking: case mesh::kDogGuarding: case mesh::kDogSniffing: case mesh::kDogEatingBone: case mesh::kDogChewing: return dog(n);
        case mesh::kShadyCat: case mesh::kCatLookingUp: case mesh::kCatCowering: return cat(n);
        case mesh::kLeftBirdStatue: case mesh::kRightBirdStatue: case mesh::kLeftBirdAwake: case mesh::kRightBirdAwake: return bird(n);
        case mesh::kSpider: return spider();
        case mesh::kBat: return bat();
        case mesh::kRat: return rat();
        default: return {};
    }
}
