// The modelling kit and the mesh writer: what the game's mesh reader sees.
#include <gtest/gtest.h>

#include <cmath>

#include "MshFile.h"
#include "content/KeyframeMesh.h"
#include "content/MarkerLayout.h"
#include "content/MeshBuilder.h"
#include "content/MeshWriter.h"
#include "content/Rig.h"

namespace {

// Every triangle with an area must wind counter-clockwise seen from the side
// its normals point to (the game culls back faces).
int wrongWindings(const std::vector<MeshVertex>& v) {
    int wrong = 0;
    for (size_t i = 0; i + 2 < v.size(); i += 3) {
        const V3 face = cross(v[i + 1].position - v[i].position, v[i + 2].position - v[i].position);
        if (length(face) < 1e-9f) continue;
        const V3 n = v[i].normal + v[i + 1].normal + v[i + 2].normal;
        if (dot(face, n) <= 0) ++wrong;
    }
    return wrong;
}

// The outward direction of a closed shape around centre: normals point away.
int inwardNormals(const std::vector<MeshVertex>& v, V3 centre) {
    int inward = 0;
    for (const MeshVertex& mv : v)
        if (dot(mv.normal, mv.position - centre) < -1e-4f) ++inward;
    return inward;
}

}  // namespace

TEST(MeshKit, PrimitivesWindCounterClockwiseWithOutwardNormals) {
    MeshBuilder box, lathe, sphere, tube, prism;
    box.box(V3(1, 2, 3), V3(0.5f, 1, 2));
    lathe.lathe({{0.0f, 0}, {1.0f, 0}, {1.0f, 2}, {0.5f, 3}, {0.0f, 3}}, V3(0, 0, 0), 12, 0.7f);
    sphere.sphere(V3(0, 0, 1), V3(1, 2, 0.5f), 12, 8);
    tube.tube({V3(0, 0, 0), V3(1, 0, 0), V3(2, 1, 0)}, 0.1f, 8);
    prism.extrude({{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}}, 0, 1);
    for (const MeshBuilder* b : {&box, &lathe, &sphere, &tube, &prism}) {
        ASSERT_GT(b->size(), 0u);
        EXPECT_EQ(b->size() % 3, 0u);
        EXPECT_EQ(wrongWindings(b->vertices), 0);
    }
    EXPECT_EQ(inwardNormals(box.vertices, V3(1, 2, 3)), 0);
    EXPECT_EQ(inwardNormals(sphere.vertices, V3(0, 0, 1)), 0);
    EXPECT_EQ(inwardNormals(prism.vertices, V3(0.5f, 0.5f, 0.5f)), 0);

    // Flipping (for insides) and back faces keep winding and normals agreeing.
    MeshBuilder inside = box;
    inside.flipFaces();
    EXPECT_EQ(wrongWindings(inside.vertices), 0);
    EXPECT_EQ(inwardNormals(inside.vertices, V3(1, 2, 3)), int(inside.size()));
    MeshBuilder both = box;
    both.addBackFaces();
    EXPECT_EQ(both.size(), box.size() * 2);
    EXPECT_EQ(wrongWindings(both.vertices), 0);
}

TEST(MeshKit, TransformsMoveNormalsWithTheGeometry) {
    MeshBuilder b;
    b.box(V3(0, 0, 0), V3(1, 1, 1));
    b.transform(Transform::translation(V3(3, 0, 0)) * Transform::rotationZ(90) * Transform::scaling(V3(2, 1, 1)));
    EXPECT_EQ(wrongWindings(b.vertices), 0);
    EXPECT_EQ(inwardNormals(b.vertices, V3(3, 0, 0)), 0);
    // A mirroring keeps the normals pointing out of the shape.
    MeshBuilder m;
    m.box(V3(0, 0, 0), V3(1, 1, 1));
    m.transform(Transform::scaling(V3(-1, 1, 1)));
    EXPECT_EQ(inwardNormals(m.vertices, V3(0, 0, 0)), 0);
}

TEST(MeshWriter, OutputParsesByTheFileRulesAndKeepsValues) {
    MeshBuilder b;
    b.triangle(V3(0, 0, 0), V3(1, 0, 0), V3(0, 1, 0), 0.25f, 0.75f, 1, 0, 0, 1);
    b.triangle(V3(0, 0, 1), V3(-1.23456f, 0, 1), V3(0, -1, 1));
    KeyframeMesh m;
    m.setBase(b.vertices);
    ASSERT_TRUE(m.addFrame(0, b.vertices));
    std::vector<MeshVertex> moved = b.vertices;
    for (MeshVertex& v : moved) v.position = v.position + V3(0, 0, 2);
    ASSERT_TRUE(m.addFrame(1.5f, moved));
    ASSERT_TRUE(m.addFrame(1.5f, moved));  // equal key times are allowed
    EXPECT_FALSE(m.addFrame(1.0f, moved)); // going back in time is not
    moved.pop_back();
    EXPECT_FALSE(m.addFrame(2.0f, moved)); // nor another vertex count

    const std::vector<uint8_t> bytes = encodeMesh(m);
    MshFile f;
    std::string why;
    ASSERT_TRUE(parseMsh(bytes, f, why)) << why;
    EXPECT_EQ(bytes.size(), f.expectedSize);
    ASSERT_EQ(f.vertexCount, 6);
    ASSERT_EQ(f.keyTimes.size(), 3u);
    EXPECT_FLOAT_EQ(f.keyTimes[1], 1.5f);
    // The reader flips v into GL's top-row-first t: a corner at the
    // picture's bottom (v 0) reads as t 1.
    EXPECT_NEAR(f.u[0], 0.25f, 1e-6f);
    EXPECT_NEAR(f.v[0], 0.25f, 1e-6f);
    EXPECT_NEAR(f.v[1], 1.0f, 1e-6f);
    EXPECT_NEAR(f.v[2], 0.0f, 1e-6f);
    EXPECT_NEAR(f.positions[0][3 * 4], -1.2346f, 1e-6f);  // rounded to 0.0001
    EXPECT_NEAR(f.positions[1][2], 2.0f, 1e-6f);
    // Normals are unit vectors in bytes: the first triangle faces +z.
    EXPECT_NEAR(f.normals[0][2], 1.0f, 1e-6f);
    EXPECT_NEAR(f.normals[0][0], 0.0f, 1e-6f);
}

TEST(MeshWriter, RefusesMeshesTheReaderWouldReject) {
    KeyframeMesh empty;
    EXPECT_TRUE(encodeMesh(empty).empty());
    MeshBuilder b;
    b.triangle(V3(0, 0, 0), V3(1, 0, 0), V3(0, 1, 0));
    KeyframeMesh noFrames;
    noFrames.setBase(b.vertices);
    EXPECT_TRUE(encodeMesh(noFrames).empty());
    std::vector<MeshVertex> four = b.vertices;
    four.push_back(b.vertices[0]);
    KeyframeMesh odd;
    odd.setBase(four);
    odd.addFrame(0, four);
    EXPECT_TRUE(encodeMesh(odd).empty());
}

TEST(MarkerLayout, PutsEachPointAtItsVertexNumberAndPads) {
    MeshBuilder b;
    for (int i = 0; i < 10; ++i) b.triangle(V3(float(i), 0, 0), V3(float(i) + 1, 0, 0), V3(float(i), 1, 0));
    // Marker points: corner 1 of triangle 7 and corner 0 of triangle 2.
    const V3 p7 = b.vertices[7 * 3 + 1].position, p2 = b.vertices[2 * 3].position;
    std::vector<MeshVertex> v = b.vertices;
    ASSERT_TRUE(arrangeMarkers(v, {{50, 7, 1}, {4, 2, 0}}, V3(0, 0, -1), 0));
    ASSERT_GE(v.size(), 51u);
    EXPECT_EQ(v.size() % 3, 0u);
    EXPECT_FLOAT_EQ(v[50].position.x, p7.x);
    EXPECT_FLOAT_EQ(v[50].position.y, p7.y);
    EXPECT_FLOAT_EQ(v[4].position.x, p2.x);
    // All ten triangles survive with their winding; the rest are zero-area.
    EXPECT_EQ(wrongWindings(v), 0);
    int real = 0;
    for (size_t i = 0; i + 2 < v.size(); i += 3)
        if (length(cross(v[i + 1].position - v[i].position, v[i + 2].position - v[i].position)) > 0) ++real;
    EXPECT_EQ(real, 10);
    // Two markers in one triangle slot cannot both be honoured.
    std::vector<MeshVertex> w = b.vertices;
    EXPECT_FALSE(arrangeMarkers(w, {{9, 1, 0}, {10, 2, 0}}, V3(), 0));
    EXPECT_EQ(w.size(), b.vertices.size());
}

TEST(Rig, PosesTurnChildrenWithTheirParents) {
    Rig rig;
    const int root = rig.addBone(-1, V3(0, 0, 0));
    const int arm = rig.addBone(root, V3(1, 0, 0));
    MeshVertex v;
    v.position = V3(2, 0, 0);
    v.normal = V3(1, 0, 0);
    v.bone = arm;
    std::vector<BonePose> pose = rig.restPose();
    pose[size_t(root)].rotation = V3(0, 0, 90);
    pose[size_t(arm)].rotation = V3(0, 0, 90);
    const std::vector<MeshVertex> out = rig.apply({v}, pose);
    // Root turn takes the elbow to (0, 1); the arm's own turn points it to -x.
    EXPECT_NEAR(out[0].position.x, -1.0f, 1e-5f);
    EXPECT_NEAR(out[0].position.y, 1.0f, 1e-5f);
    EXPECT_NEAR(out[0].normal.x, -1.0f, 1e-5f);
    // A bone listed before its parent (a held thing moved onto a hand added
    // later) still follows the whole chain.
    Rig later;
    const int base = later.addBone(-1, V3(0, 0, 0));
    const int held = later.addBone(base, V3(2, 0, 0));
    const int hand = later.addBone(base, V3(1, 0, 0));
    later.reparent(held, hand);
    v.bone = held;
    std::vector<BonePose> turn = later.restPose();
    turn[size_t(base)].rotation = V3(0, 0, 90);
    turn[size_t(hand)].rotation = V3(0, 0, 90);
    const std::vector<MeshVertex> moved = later.apply({v}, turn);
    EXPECT_NEAR(moved[0].position.x, -1.0f, 1e-5f);
    EXPECT_NEAR(moved[0].position.y, 1.0f, 1e-5f);
}
