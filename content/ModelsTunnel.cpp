// The living gate in the street and room 7: the tunnel, the hall, the eyes, and the backdrop sky and mist.
#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "content/CostumeFigure.h"
#include "content/Figure.h"
#include "content/ModelKit.h"
#include "content/ModelsWorld.h"

namespace {

using modelkit::still;
typedef std::vector<BonePose> Pose;

// The living gate in the street (origin 0.62 above the ground): two side
// walls along the passage (world y 3.6-4.0 and 6.0-6.4), a lintel with a
// pointed roof above the doors, the dark way into the tunnel behind. Its
// doors face +x, the street.
MeshBuilder gateBody() {
    MeshBuilder b;
    const float g = -0.62f;
    b.box(V3(-1.05f, -1.2f, g + 1.8f), V3(1.0f, 0.2f, 1.8f));
    b.box(V3(-1.05f, 1.2f, g + 1.8f), V3(1.0f, 0.2f, 1.8f));
    b.box(V3(-0.2f, -1.25f, g + 1.9f), V3(0.18f, 0.3f, 1.9f));  // door posts
    b.box(V3(-0.2f, 1.25f, g + 1.9f), V3(0.18f, 0.3f, 1.9f));
    b.box(V3(-0.6f, 0, g + 3.1f), V3(0.55f, 1.55f, 0.25f));      // lintel
    // Pointed roof over the lintel.
    const V3 apex(-0.6f, 0, g + 4.3f);
    b.triangle(V3(-0.05f, -1.6f, g + 3.35f), V3(-0.05f, 1.6f, g + 3.35f), apex + V3(0.55f, 0, 0));
    b.quad(V3(-1.15f, -1.6f, g + 3.35f), V3(-0.05f, -1.6f, g + 3.35f), apex + V3(0.55f, 0, 0), apex + V3(-0.55f, 0, 0));
    b.quad(V3(-0.05f, 1.6f, g + 3.35f), V3(-1.15f, 1.6f, g + 3.35f), apex + V3(-0.55f, 0, 0), apex + V3(0.55f, 0, 0));
    b.box(V3(-2.29f, 0, g + 1.6f), V3(0.5f, 0.8f, 1.6f));        // the dark way behind
    return b;
}

std::vector<uint8_t> gate(int n) {
    MeshBuilder b = gateBody();
    b.assignBone(0);
    const size_t doorStart = b.size();
    b.box(V3(-0.25f, -0.5f, 0.8f), V3(0.05f, 0.5f, 1.4f));
    b.assignBone(1, doorStart);
    const size_t door2 = b.size();
    b.box(V3(-0.25f, 0.5f, 0.8f), V3(0.05f, 0.5f, 1.4f));
    b.assignBone(2, door2);
    // Padding with dense detail so the eye points fall where the game expects.
    const int tA = int(b.size() / 3);
    b.setBone(0);
    // The gate's eyes: two points on the lintel's face.
    b.triangle(V3(-0.03f, -0.6f, 2.5f), V3(-0.03f, -0.65f, 2.45f), V3(-0.03f, -0.55f, 2.45f));
    b.triangle(V3(-0.03f, 0.6f, 2.5f), V3(-0.03f, 0.55f, 2.45f), V3(-0.03f, 0.65f, 2.45f));
    b.assignBone(0, b.size() - 6);
    modelkit::placeMarkers(b.vertices, {{7584, tA, 0}, {7338, tA + 1, 0}}, V3(-1.0f, 0, 1.0f));
    Rig rig;
    rig.addBone(-1, V3(0, 0, 0));
    rig.addBone(0, V3(-0.25f, -1.0f, 0));
    rig.addBone(0, V3(-0.25f, 1.0f, 0));
    Pose closed(3), open(3), breathe(3);
    open[1].rotation = V3(0, 0, -80);
    open[2].rotation = V3(0, 0, 80);
    breathe[0].scale = V3(1.0f, 1.01f, 1.01f);
    modelkit::PoseKeys keys;
    if (n == mesh::kGateOpening) keys = {{0, closed}, {1.0f, closed}, {6.0f, open}, {8.0f, open}};
    else if (n == mesh::kGateBreathing) keys = {{0, closed}, {2, breathe}, {4, closed}};
    else {
        Pose ob = open;
        ob[0] = breathe[0];
        keys = {{0, open}, {2, ob}, {4, open}};
    }
    return modelkit::posed(b.vertices, rig, keys);
}

MeshBuilder tunnelRing() {
    MeshBuilder b;
    // An arch of planks around the axis, 1.5 long along x.
    for (int i = 0; i < 12; ++i) {
        const float a = i * 0.5236f;
        const size_t s = b.size();
        b.box(V3(0, 0, 1.3f), V3(0.7f, 0.36f, 0.05f));
        b.transform(Transform::rotationX(a * 57.2958f), s);
    }
    b.flipFaces(0);
    // Ribs: a heavier arch at each end of the segment, standing in from the planks.
    const size_t ribs = b.size();
    for (float x : {-0.68f, 0.68f})
        for (int i = 0; i < 12; ++i) {
            const size_t s = b.size();
            b.box(V3(x, 0, 1.21f), V3(0.06f, 0.36f, 0.07f));
            b.transform(Transform::rotationX(i * 30.0f), s);
        }
    b.flipFaces(ribs);
    b.addBackFaces();
    return b;
}

MeshBuilder sky() {
    MeshBuilder b;
    b.sphere(V3(0, 0, 0), V3(26, 26, 26), 24, 12);
    b.flipFaces(0);
    for (MeshVertex& v : b.vertices) {
        v.u *= 4;
        v.v *= 2;
    }
    return b;
}

MeshBuilder mist() {
    MeshBuilder b;
    for (int layer = 0; layer < 3; ++layer) {
        const float z = 0.2f + layer * 0.4f;
        for (int i = -2; i < 2; ++i)
            for (int j = -2; j < 2; ++j) {
                const float x0 = i * 12.0f, y0 = j * 12.0f;
                b.quad(V3(x0, y0, z), V3(x0 + 12, y0, z), V3(x0 + 12, y0 + 12, z), V3(x0, y0 + 12, z));
            }
    }
    b.planarUv(V3(1.0f / 12, 0, 0), 0, V3(0, 1.0f / 12, 0), 0);
    b.addBackFaces();
    return b;
}

// One wall of room 7's hall, 3 high from the floor, centred at `c` with
// half extents `h` (one of x, y thin): a plinth, pilasters every metre or
// so and a cornice, all within 0.04 of the wall's faces.
void hallWall(MeshBuilder& b, V3 c, V3 h) {
    const bool alongX = h.x > h.y;
    const V3 thick(alongX ? 0 : 0.04f, alongX ? 0.04f : 0, 0);
    b.box(c + V3(0, 0, 1.5f), V3(h.x, h.y, 1.5f));
    b.box(c + V3(0, 0, 0.12f), V3(h.x, h.y, 0.12f) + thick);
    b.box(c + V3(0, 0, 2.82f), V3(h.x, h.y, 0.07f) + thick);
    b.box(c + V3(0, 0, 2.72f), V3(h.x, h.y, 0.03f) + thick * 0.5f);
    const float len = alongX ? h.x : h.y;
    const int count = std::max(1, int(len / 0.6f));
    for (int k = 0; k <= count; ++k) {
        const float t = -len + 0.1f + (2 * len - 0.2f) * k / count;
        const V3 at = c + (alongX ? V3(t, 0, 1.45f) : V3(0, t, 1.45f));
        b.box(at, (alongX ? V3(0.1f, h.y, 1.25f) : V3(h.x, 0.1f, 1.25f)) + thick * 0.7f);
    }
}

MeshBuilder room7(int n) {
    MeshBuilder b;
    switch (n) {
        case mesh::kTunnelGround:  // the ground of one period
            for (int i = 0; i < 6; ++i)
                for (int j = -9; j < 3; ++j)
                    b.quad(V3(-30.0f + i * 5, j * 5.0f, 0), V3(-25.0f + i * 5, j * 5.0f, 0),
                           V3(-25.0f + i * 5, j * 5.0f + 5, 0), V3(-30.0f + i * 5, j * 5.0f + 5, 0));
            b.planarUv(V3(0.2f, 0, 0), 0, V3(0, 0.2f, 0), 0);
            break;
        case mesh::kTunnelPosts:  // the tunnel's post rows
            for (int k = 0; k < 20; ++k)
                for (float y : {3.85f, 6.15f}) b.box(V3(1.0f - 1.5f * k, y, 1.2f), V3(0.25f, 0.25f, 1.2f));
            break;
        case mesh::kTunnelHall:  // the hall: walls with the north doorway
            hallWall(b, V3(-11.175f, -4.98f, 0), V3(2.525f, 0.1f, 0));
            hallWall(b, V3(-13.7f, -3.53f, 0), V3(0.1f, 1.45f, 0));
            hallWall(b, V3(-8.65f, -3.53f, 0), V3(0.1f, 1.45f, 0));
            hallWall(b, V3(-13.15f, -2.08f, 0), V3(0.55f, 0.1f, 0));
            hallWall(b, V3(-10.07f, -2.08f, 0), V3(1.43f, 0.1f, 0));
            b.box(V3(-11.175f, -3.53f, 3.05f), V3(2.6f, 1.55f, 0.05f));
            // Ribs across the ceiling, and a lintel over the doorway.
            for (int k = 0; k < 5; ++k) b.box(V3(-13.2f + k * 1.0f, -3.53f, 2.94f), V3(0.07f, 1.45f, 0.08f));
            b.box(V3(-12.1f, -2.08f, 2.55f), V3(0.55f, 0.13f, 0.12f));
            break;
        case mesh::kTunnelRidges:  // far ridges north
            for (int i = 0; i < 6; ++i) b.box(V3(-27.5f + i * 5, 14.0f + (i % 2), 1.5f), V3(2.5f, 1.5f, 1.5f + (i % 3)));
            break;
        case mesh::kTunnelStones:  // stones to the south, periodic in 5 along y
            for (int j = 0; j < 9; ++j)
                for (int i = 0; i < 6; ++i) b.sphere(V3(-27.0f + i * 5 + (j % 2), -2.0f - j * 5.0f, 0.1f), V3(0.4f, 0.3f, 0.25f), 6, 3);
            break;
        default:  // 239: dead trees
            for (int i = 0; i < 4; ++i) {
                const float x = -26.0f + i * 7.5f, y = i % 2 ? -12.0f : 9.0f;
                b.cylinder(V3(x, y, 0), 0.15f, 3.0f, 6);
                b.tube({V3(x, y, 2.0f), V3(x + 0.6f, y + 0.3f, 2.8f), V3(x + 1.0f, y + 0.2f, 3.2f)}, 0.05f, 4);
            }
            break;
    }
    return b;
}

// Two huge eyes north of the tunnel, facing the hall's doorway (-y): each
// an ellipsoid turned so that its picture's centre (the iris) looks south.
MeshBuilder eyesShape() {
    MeshBuilder b;
    for (float x : {-14.0f, -10.2f}) {
        const size_t from = b.size();
        b.sphere(V3(0, 0, 0), V3(0.35f, 1.3f, 0.8f), 20, 10);
        b.transform(Transform::translation(V3(x, 10.0f, 3.0f)) * Transform::rotationZ(90), from);
    }
    return b;
}

}  // namespace

std::vector<uint8_t> tunnelMesh(int n) {
    MeshBuilder b;
    switch (n) {
        case mesh::kGateOpening: case mesh::kGateBreathing: case mesh::kGateOpen: return gate(n);
        case mesh::kTunnelGround: case mesh::kTunnelPosts: case mesh::kTunnelHall: case mesh::kTunnelRidges: case mesh::kTunnelStones: case mesh::kTunnelDeadTrees: return still(room7(n));
        case mesh::kTunnelArch: {
            // Drawn rotated 180 about X: the floor (world z 0) is local z +1.
            for (int i = 0; i < 20; ++i)
                b.quad(V3(-1.5f * i - 0.75f, 1.0f, 1.0f), V3(-1.5f * i + 0.75f, 1.0f, 1.0f), V3(-1.5f * i + 0.75f, -1.0f, 1.0f),
                       V3(-1.5f * i - 0.75f, -1.0f, 1.0f));
            b.planarUv(V3(1.0f / 1.5f, 0, 0), 0, V3(0, 0.5f, 0), 0);
            b.addBackFaces();
            return still(b);
        }
        case mesh::kBackdropMist: return still(mist());
        case mesh::kBackdropSky: return still(sky());
        case mesh::kTunnelFloorStrip: {
            b.quad(V3(-0.75f, -1.0f, -1.0f), V3(0.75f, -1.0f, -1.0f), V3(0.75f, 1.0f, -1.0f), V3(-0.75f, 1.0f, -1.0f));
            b.planarUv(V3(1.0f / 1.5f, 0, 0), 0.5f, V3(0, 0.5f, 0), 0.5f);
            Rig rig;
            rig.addBone(-1, V3(0, 0, -1.0f));
            Pose a(1), c(1);
            c.front().offset = V3(0, 0, 0.03f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {1, c}, {2, a}});
        }
        case mesh::kTunnelRing: return still(tunnelRing());
        case mesh::kTunnelRingMoving: {
            b = tunnelRing();
            Rig rig;
            rig.addBone(-1, V3(0, 0, 0));
            Pose a(1), shut(1);
            shut.front().scale = V3(1, 0.05f, 0.05f);
            return modelkit::posed(b.vertices, rig, {{0, a}, {12, a}, {28, shut}, {30, shut}});
        }
        case mesh::kTunnelStart: {
            // Seen from outside; the west end (toward the hall) shows a
            // bricked-up arch: voussoirs, jambs and a sill standing out of a
            // face set back 0.1, so the stones stay inside the collision box.
            b.box(V3(0.05f, 0, 0.5f), V3(10.55f, 1.0f, 1.5f));
            const float x = -10.55f;
            for (int k = 0; k < 9; ++k) {
                const float a = 3.14159f * (k + 0.5f) / 9;
                const size_t from = b.size();
                b.box(V3(0, 0, 0.78f), V3(0.05f, 0.075f, 0.12f));
                b.transform(Transform::translation(V3(x, 0, 0.35f)) * Transform::rotationX(90.0f - a * 57.2958f), from);
            }
            for (float y : {-0.78f, 0.78f}) b.box(V3(x, y, -0.2f), V3(0.05f, 0.12f, 0.55f));
            b.box(V3(x, 0, -0.93f), V3(0.05f, 0.98f, 0.06f));
            return still(b);
        }
        case mesh::kTunnelStartEnd: b.box(V3(-10.65f, 0, 0.5f), V3(0.05f, 1.0f, 1.5f)); return still(b);
        case mesh::kEyesOpening: case mesh::kEyesOpen: {
            b = eyesShape();
            Rig rig;
            rig.addBone(-1, V3(-12.1f, 10.0f, 3.0f));
            Pose shut(1), open(1), half(1);
            shut.front().scale = V3(1, 1, 0.05f);
            half.front().scale = V3(1, 1, 0.85f);
            if (n == mesh::kEyesOpening) return modelkit::posed(b.vertices, rig, {{0, shut}, {5, open}, {6, open}});
            return modelkit::posed(b.vertices, rig, {{0, open}, {3, half}, {6, open}});
        }
        case mesh::kBackdropCostume: {
            // A figure in a costume (which one the backdrop's picture decides),
            // standing north of the hall's doorway, facing the ending camera.
            Figure f = buildCostumeFigure(0, 1.7f, 0.0f);
            MeshBuilder fig = f.mesh;
            fig.transform(Transform::translation(V3(-12.1f, 2.0f, 0)) * Transform::rotationZ(-90));
            return still(fig);
        }
        default: return {};
    }
}
