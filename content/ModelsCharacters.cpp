// The animated characters: families share one build, so every mesh of a
// family has the same vertex order (cross-fades blend vertex by vertex), and
// the glow points sit at the vertex numbers the game attaches sprites to.
#include "catalog/ResourceCatalog.h"
#include "content/ModelsCharacters.h"

#include "content/Atlas.h"
#include "content/CostumeFigure.h"
#include "content/Figure.h"
#include "content/ModelKit.h"

namespace {

using modelkit::PoseKeys;
typedef std::vector<BonePose> Pose;

// Sitting with the legs turned forward by `legs` degrees and the knees
// bent back by `knees`, the hips lowered by `drop` (onto a chair seat, or
// down to the floor).
Pose sitPose(float drop, float legs = 85, float knees = 0) {
    Pose p(Figure::BoneCount);
    p[Figure::LegL].rotation = V3(0, -legs, 0);
    p[Figure::LegR].rotation = V3(0, -legs, 0);
    p[Figure::ShinL].rotation = V3(0, knees, 0);
    p[Figure::ShinR].rotation = V3(0, knees, 0);
    p[Figure::Root].offset = V3(-0.05f, 0, -drop);
    return p;
}

// Loops of a motion: n poses over the period.
PoseKeys motionLoop(int motion, float period, float amount, bool prop) {
    std::vector<Pose> poses;
    for (int i = 0; i < 4; ++i) {
        const float ph = i / 4.0f;
        Pose p = motion == 0 ? walkPose(ph, 25 * amount) : motion == 1 ? idlePose(ph, amount) : talkPose(ph, amount);
        if (!prop) hideProp(p);
        poses.push_back(p);
    }
    return modelkit::loop(poses, period);
}

std::vector<uint8_t> finishFigure(Figure f, const std::vector<std::pair<int, int>>& markers,
                                  const PoseKeys& keys, float yaw) {
    std::vector<Marker> list;
    for (const auto& m : markers) {
        const int which = m.second;
        const int tri = which < 2 ? f.eyeTriangle[which] : f.extraTriangle[which - 2];
        list.push_back({m.first, tri, 0});
    }
    modelkit::placeMarkers(f.mesh.vertices, list, V3(0, 0, 0));
    return modelkit::posed(f.mesh.vertices, f.rig, keys, Transform::rotationZ(yaw));
}

FigureStyle moniqueStyle() {
    FigureStyle s;
    s.height = 1.65f;
    s.girth = 1.15f;
    s.dress = true;
    s.hat = true;
    s.flower = true;
    s.pointedHat = false;
    s.longHair = true;
    s.skin = atlas::Skin;
    s.main = atlas::Dress;
    s.second = atlas::Dress;
    s.hatCell = atlas::Hat;
    s.dark = atlas::Hair;
    return s;
}

// Monique: her hat on its bone (gone once she has given it away), the
// flower on the prop bone (shown once she has it).
std::vector<uint8_t> monique(int n) {
    Figure f = buildFigure(moniqueStyle());
    const bool flower = n == mesh::kMoniqueWalkingWithFlower || n == mesh::kMoniqueStandingWithFlower || n == mesh::kMoniqueTalkingWithFlower;
    PoseKeys keys;
    switch (n) {
        case mesh::kMoniqueWalking: case mesh::kMoniqueWalkingWithFlower: keys = motionLoop(0, 1.2f, 0.8f, flower); break;
        case mesh::kMoniqueStanding: case mesh::kMoniqueStandingWithFlower: keys = motionLoop(1, 3.0f, 0.6f, flower); break;
        case mesh::kMoniqueTalkingWithFlower: keys = motionLoop(2, 0.8f, 1.2f, true); break;
        default: {  // 55: takes the flower, her hat comes off; 0..3.5 s, held after
            Pose a = idlePose(0, 0), b = talkPose(0.25f, 1.0f), c = idlePose(0, 0.2f);
            hideProp(a);
            b[Figure::HatBone].offset = V3(-0.1f, 0, 0.15f);
            b[Figure::HatBone].rotation = V3(0, -40, 0);
            hideHat(c);
            keys = {{0, a}, {1.5f, b}, {3.0f, c}, {4.0f, c}};
        }
    }
    if (flower)
        for (auto& k : keys) hideHat(k.second);
    return finishFigure(f, {{1486, 2}, {1771, 3}, {1918, 0}}, keys, 180);
}

std::vector<uint8_t> leader(int n) {
    FigureStyle s;
    s.height = 1.85f;
    s.girth = 1.3f;
    s.knife = true;
    s.coat = 0.3f;  // a long coat to the knees
    s.skin = atlas::FaceRuddy;
    s.main = atlas::Coat;
    s.second = atlas::Coat;
    s.dark = atlas::Boots;
    Figure f = buildFigure(s);
    const bool knife = n == mesh::kLeaderWalkingWithKnife || n == mesh::kLeaderStandingWithKnife;
    const PoseKeys keys = n == mesh::kLeaderWalkingWithKnife || n == mesh::kLeaderWalking ? motionLoop(0, 1.4f, 0.7f, knife) : motionLoop(1, 3.5f, 0.7f, knife);
    return finishFigure(f, {{1434, 0}, {1437, 1}}, keys, 180);
}

std::vector<uint8_t> skeleton(int n) {
    FigureStyle s;
    s.height = 1.75f;
    s.ground = -1.565f;
    s.head = FigureStyle::Skull;
    s.dress = true;  // the rags it wears, hanging from the hips
    s.skin = 15;
    s.main = 15;
    s.second = 1;
    s.dark = 12;
    Figure f = buildFigure(s);
    const PoseKeys keys = n == mesh::kSkeletonWalking ? motionLoop(0, 1.1f, 0.9f, false) : motionLoop(1, 2.5f, 1.0f, false);
    return finishFigure(f, {{2688, 0}, {2691, 1}}, keys, 0);
}

std::vector<uint8_t> something(int n) {
    FigureStyle s;
    s.height = 2.3f;
    s.girth = 1.6f;
    s.head = FigureStyle::Hood;
    s.dress = true;
    s.skin = 0;
    s.main = 1;
    s.second = 2;
    s.dark = 12;
    Figure f = buildFigure(s);
    const PoseKeys keys = n == mesh::kSomethingWalking ? motionLoop(0, 2.0f, 0.5f, false) : motionLoop(1, 4.0f, 0.6f, false);
    return finishFigure(f, {}, keys, 180);
}

std::vector<uint8_t> witch() {
    FigureStyle s;
    s.height = 1.6f;
    s.ground = -1.6f;
    s.dress = true;
    s.hat = true;
    s.skin = 0;
    s.main = 1;
    s.second = 2;
    s.hatCell = 7;
    s.dark = 12;
    s.longHair = true;
    Figure f = buildFigure(s);
    return finishFigure(f, {{242, 0}, {835, 1}}, motionLoop(1, 2.0f, 1.0f, false), 0);
}

std::vector<uint8_t> goat(int n) {
    FigureStyle s;
    s.height = 1.7f;
    s.ground = 0.0f;  // its places stand on the floors (z 1.0 and 7.31)
    s.head = FigureStyle::Goat;
    s.skin = 0;
    s.main = 1;
    s.second = 2;
    s.dark = 7;
    Figure f = buildFigure(s);
    PoseKeys keys;
    const Pose sit = sitPose(0.72f);  // on the floor, in the dust
    switch (n) {
        case mesh::kGoatPersonBound: {  // sitting bound in the dust
            std::vector<Pose> poses = {sit, sit, sit, sit};
            for (int i = 0; i < 4; ++i) {
                Pose p = idlePose(i / 4.0f, 0.8f);
                p[Figure::LegL] = sit[Figure::LegL];
                p[Figure::LegR] = sit[Figure::LegR];
                p[Figure::Root] = sit[Figure::Root];
                hideProp(p);
                poses[size_t(i)] = p;
            }
            keys = modelkit::loop(poses, 3.0f);
            break;
        }
        case mesh::kGoatPersonPleading: {
            std::vector<Pose> poses;
            for (int i = 0; i < 4; ++i) {
                Pose p = talkPose(i / 4.0f, 1.0f);
                p[Figure::LegL] = sit[Figure::LegL];
                p[Figure::LegR] = sit[Figure::LegR];
                p[Figure::Root] = sit[Figure::Root];
                hideProp(p);
                poses.push_back(p);
            }
            keys = modelkit::loop(poses, 1.5f);
            break;
        }
        case mesh::kGoatPersonRising: {  // rising, relieved; no loop
            Pose stand = idlePose(0, 0);
            Pose arms = talkPose(0.25f, 1.5f);
            hideProp(stand);
            hideProp(arms);
            Pose s0 = sit;
            hideProp(s0);
            keys = {{0, s0}, {3.0f, s0}, {6.0f, stand}, {7.5f, arms}, {9.0f, stand}};
            break;
        }
        default: keys = motionLoop(2, 1.6f, 1.0f, false); break;  // 184, 186, 196
    }
    return finishFigure(f, {{3098, 0}, {6685, 1}}, keys, n == mesh::kGoatPersonFacingAhead ? 0 : 90);
}

std::vector<uint8_t> fishPerson(int n) {
    FigureStyle s;
    s.height = 1.6f;
    s.ground = -1.0f;
    s.head = FigureStyle::Fish;
    s.skin = 1;
    s.main = 0;
    s.second = 2;
    s.dark = 12;
    Figure f = buildFigure(s);
    Pose up = idlePose(0, 0), down = up, talk = talkPose(0.25f, 1.0f);
    down[Figure::Root].offset = V3(0, 0, -1.3f);
    for (Pose* p : {&up, &down, &talk}) hideProp(*p);
    PoseKeys keys;
    switch (n) {
        case mesh::kFishPersonEmerging: keys = {{0, down}, {2.0f, up}, {3.5f, up}, {4.0f, up}}; break;       // emerging
        case mesh::kFishPersonDiving: keys = {{0, up}, {1.0f, down}, {2.0f, down}}; break;                  // diving
        case mesh::kFishPersonDucking: keys = {{0, up}, {0.5f, down}, {1.0f, down}}; break;                  // ducking under
        case mesh::kFishPersonResurfacing: keys = {{0, down}, {0.9f, up}, {1.8f, up}}; break;                    // resurfacing
        case mesh::kFishPersonTalking: keys = motionLoop(2, 1.2f, 1.0f, false); break;
        default: keys = motionLoop(1, 3.0f, 0.8f, false); break;                        // 147
    }
    return finishFigure(f, {{316, 0}, {1013, 1}}, keys, 90);
}

std::vector<uint8_t> person(int n) {
    FigureStyle s;
    s.height = 1.55f;
    s.ground = -1.14f;
    s.girth = 0.85f;
    s.skin = 0;
    s.main = 1;
    s.second = 2;
    s.dark = 11;
    Figure f = buildFigure(s);
    Pose sit = sitPose(0.34f, 86, 84);  // on the chair's seat, feet on the floor
    hideProp(sit);
    PoseKeys keys;
    if (n == mesh::kPersonInChair) {
        std::vector<Pose> poses;
        for (int i = 0; i < 4; ++i) {
            Pose p = idlePose(i / 4.0f, 0.4f);
            for (int b : {Figure::LegL, Figure::LegR, Figure::ShinL, Figure::ShinR, Figure::Root}) p[size_t(b)] = sit[size_t(b)];
            hideProp(p);
            poses.push_back(p);
        }
        keys = modelkit::loop(poses, 5.0f);
    } else {  // 197: slumps and sinks away
        Pose slump = sit;
        slump[Figure::Torso].rotation = V3(0, 25, 0);
        slump[Figure::Head].rotation = V3(0, 35, 0);
        Pose gone = slump;
        for (BonePose& b : gone) b.scale = V3(0.02f, 0.02f, 0.02f);
        keys = {{0, sit}, {6, slump}, {18, slump}, {24, gone}, {26, gone}};
    }
    return finishFigure(f, {{2, 0}, {716, 1}}, keys, 0);
}

// 'you' in the chosen costume performing the trick for the person: feet at
// the origin (the upper floor), facing the person toward -y.
std::vector<uint8_t> costume(int n) {
    Figure f = buildCostumeFigure(n - 192, 1.6f, 0.0f);
    PoseKeys keys;
    Pose rest(Figure::BoneCount);
    std::vector<Pose> trick;
    for (int i = 0; i < 8; ++i) {
        Pose p = talkPose(i / 8.0f, 2.0f);
        p[Figure::ArmL].rotation = V3(0, -60 - 30 * (i % 2), 0);
        p[Figure::Root].offset = V3(0, 0, 0.05f * (i % 2));
        trick.push_back(p);
    }
    keys.push_back({0, rest});
    for (int i = 0; i < 8; ++i) keys.push_back({1.5f + i * 1.5f, trick[size_t(i)]});
    keys.push_back({13.5f, rest});
    for (int i = 0; i < 10; ++i) keys.push_back({16.0f + i * 6.0f, trick[size_t(i % 8)]});
    keys.push_back({80.0f, rest});
    keys.push_back({90.0f, rest});
    return finishFigure(f, {}, keys, -105);
}

}  // namespace

std::vector<uint8_t> characterMesh(int n) {
    switch (n) {
        case mesh::kMoniqueWalking: case mesh::kMoniqueWalkingWithFlower: case mesh::kMoniqueStanding: case mesh::kMoniqueStandingWithFlower: case mesh::kMoniqueTakingFlower: case mesh::kMoniqueTalkingWithFlower: return monique(n);
        case mesh::kLeaderWalkingWithKnife: case mesh::kLeaderWalking: case mesh::kLeaderStandingWithKnife: case mesh::kLeaderStanding: return leader(n);
        case mesh::kSkeletonWalking: case mesh::kSkeletonStanding: return skeleton(n);
        case mesh::kSomethingWalking: case mesh::kSomethingStanding: return something(n);
        case mesh::kWitch: return witch();
        case mesh::kGoatPersonBound: case mesh::kGoatPersonPleading: case mesh::kGoatPersonRising: case mesh::kGoatPersonThanking: case mesh::kGoatPersonTeaching: case mesh::kGoatPersonFacingAhead: return goat(n);
        case mesh::kFishPersonFloating: case mesh::kFishPersonEmerging: case mesh::kFishPersonDiving: case mesh::kFishPersonTalking: case mesh::kFishPersonDucking: case mesh::kFishPersonResurfacing: return fishPerson(n);
        case mesh::kPersonInChair: case mesh::kPersonPassing: return person(n);
        case mesh::kCostumeDeath: case mesh::kCostumeGhost: case mesh::kCostumeWerewolf: return costume(n);
        default: return {};
    }
}
