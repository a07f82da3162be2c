// Keyframe meshes loaded from scrambled mesh files and drawn on the 2D overlay
// of a small window (two pixels a unit), so poses can be read back.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

#include "engine/Mesh.h"
#include "engine/Platform.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"
#include "support/GlTestWindow.h"
#include "support/MeshFile.h"
#include "support/TestDirectory.h"

namespace {

const int kWidth = 96;
const int kHeight = 72;

int32_t fixed(float value) { return static_cast<int32_t>(value * 10000.0f); }

// A triangle in the overlay plane X = 0 around (y, z), facing the viewer.
MeshFileFrame triangleFrame(int32_t time, float y, float z) {
    MeshFileFrame frame;
    frame.time = time;
    frame.positions = {0, fixed(y - 2), fixed(z - 2), 0, fixed(y + 2), fixed(z - 2), 0, fixed(y), fixed(z + 2)};
    frame.normals = {127, 0, 0, 127, 0, 0, 127, 0, 0};
    return frame;
}

MeshFile triangleMesh(const std::vector<MeshFileFrame>& frames) {
    MeshFile file;
    file.vertexCount = 3;
    file.texCoords.assign(6, 0);
    file.frameCount = static_cast<int32_t>(frames.size());
    file.frames = frames;
    return file;
}

// A mesh whose vertex 0 has x = xs[k] in keyframe k (in units) at key time
// keys[k] (in units of 0.0001 s).
MeshFile lineOfPoses(const std::vector<int32_t>& keys, const std::vector<float>& xs) {
    MeshFile file = MeshFile::plain(3, keys);
    for (size_t k = 0; k < keys.size(); ++k) {
        file.frames[k].positions[0] = fixed(xs[k]);
    }
    return file;
}

// Twelve blocks of 16 x 16 small triangles, each block under 4 units square,
// laid 10 units apart along Y from y = -43 at height z = 16: blocks 4 and 9
// straddle the overlay's left and right edges (y = 0 and 48), blocks 5 to 8
// lie inside, the rest outside. A second keyframe, if any, lifts it by 0.1.
MeshFile blockRow(const std::vector<int32_t>& keys) {
    const int32_t perBlock = 3 * 256;
    MeshFile file = MeshFile::plain(12 * perBlock, keys);
    for (size_t k = 0; k < keys.size(); ++k) {
        int32_t* p = file.frames[k].positions.data();
        for (int32_t b = 0; b < 12; ++b) {
            for (int32_t t = 0; t < 256; ++t) {
                const float y = -43.0f + 10.0f * static_cast<float>(b) + 0.24f * static_cast<float>(t % 16);
                const float z = 16.0f + 0.24f * static_cast<float>(t / 16) + 0.1f * static_cast<float>(k);
                const float corners[3][2] = {{y, z}, {y + 0.24f, z}, {y, z + 0.24f}};
                for (const float* c : corners) {
                    *p++ = 0;
                    *p++ = fixed(c[0]);
                    *p++ = fixed(c[1]);
                }
            }
        }
    }
    return file;
}

class MeshTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("Quendralvoss", kWidth, kHeight, false)) << SDL_GetError();
        overlay.width = 48.0f;
        overlay.height = 36.0f;
    }
    void TearDown() override { SDL_Quit(); }

    bool write(const std::string& path, const MeshFile& file) { return writeScrambledFile(path, file.bytes()); }

    void startFrame() {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        overlay.apply();
        unbindTexture();
        applyPlainColour(1.0f, 0.0f, 0.0f, 1.0f);
    }

    // Whether the overlay point (y, z) is drawn red.
    bool redAt(float y, float z) {
        return isRed(readPixel(static_cast<int>(y * 2.0f), static_cast<int>(z * 2.0f)));
    }

    void expectEmpty(const Mesh& mesh) {
        EXPECT_EQ(0, mesh.frameCount);
        EXPECT_EQ(0, mesh.vertexCount);
        // Emptied and their memory given back, not merely cleared.
        EXPECT_EQ(0u, mesh.keyTimes.capacity());
        EXPECT_EQ(0u, mesh.framePositions.capacity());
        EXPECT_EQ(0u, mesh.frameNormals.capacity());
        EXPECT_EQ(0u, mesh.texCoords.capacity());
        EXPECT_EQ(0u, mesh.getWorkPositions().capacity());
        EXPECT_EQ(0u, mesh.getWorkNormals().capacity());
        EXPECT_EQ(0u, mesh.getDisplayList());
        EXPECT_EQ(-1.0f, mesh.getLastTime());
        EXPECT_EQ(-1.0f, mesh.getBoundsRadius());
    }

    TestDirectory directory;
    ScreenSize2D overlay;
};

}  // namespace

TEST_F(MeshTest, LoadsScaledCoordinatesNormalsAndKeyTimes) {
    MeshFile file = MeshFile::plain(3, {0, 10000});
    file.texCoords = {2500, 2500, 0, 10000, -5000, 0};
    file.frames[1].positions[0] = 12345;
    file.frames[1].positions[8] = -20000;
    file.frames[1].normals[0] = -127;
    file.frames[1].normals[1] = 127;
    file.frames[1].normals[2] = -128;
    ASSERT_TRUE(write("res/1.dat", file));

    Mesh mesh;
    ASSERT_TRUE(mesh.load("res/1.dat"));
    EXPECT_EQ(2, mesh.frameCount);
    EXPECT_EQ(3, mesh.vertexCount);
    EXPECT_EQ(0u, mesh.getDisplayList());
    EXPECT_EQ(-1.0f, mesh.getLastTime());
    EXPECT_FLOAT_EQ(0.25f, mesh.texCoords[0]);
    EXPECT_FLOAT_EQ(0.75f, mesh.texCoords[1]);
    EXPECT_FLOAT_EQ(0.0f, mesh.texCoords[2]);
    EXPECT_FLOAT_EQ(0.0f, mesh.texCoords[3]);
    EXPECT_FLOAT_EQ(-0.5f, mesh.texCoords[4]);
    EXPECT_FLOAT_EQ(1.0f, mesh.texCoords[5]);
    EXPECT_EQ(0.0f, mesh.keyTimes[0]);
    EXPECT_FLOAT_EQ(1.0f, mesh.keyTimes[1]);
    EXPECT_EQ(static_cast<float>(12345 * static_cast<double>(0.0001f)), mesh.framePositions[1][0]);
    EXPECT_FLOAT_EQ(-2.0f, mesh.framePositions[1][8]);
    EXPECT_EQ(-1.0f, mesh.frameNormals[1][0]);
    EXPECT_EQ(1.0f, mesh.frameNormals[1][1]);
    EXPECT_FLOAT_EQ(-128.0f / 127.0f, mesh.frameNormals[1][2]);
    EXPECT_EQ(6u, mesh.texCoords.size());
    EXPECT_EQ(2u, mesh.keyTimes.size());
    ASSERT_EQ(2u, mesh.framePositions.size());
    ASSERT_EQ(2u, mesh.frameNormals.size());
    EXPECT_EQ(9u, mesh.framePositions[1].size());
    EXPECT_EQ(9u, mesh.frameNormals[1].size());
    EXPECT_EQ(9u, mesh.getWorkPositions().size());
    EXPECT_EQ(9u, mesh.getWorkNormals().size());

    // Equal neighbouring key times and bytes after the last keyframe are fine.
    MeshFile doubled = MeshFile::plain(3, {0, 5000, 5000, 10000});
    std::vector<uint8_t> bytes = doubled.bytes();
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    ASSERT_TRUE(writeScrambledFile("res/2.dat", bytes));
    ASSERT_TRUE(mesh.load("res/2.dat"));
    EXPECT_EQ(4, mesh.frameCount);
}

TEST_F(MeshTest, BoundsHoldEveryKeyframeAndOutliveCompiling) {
    // Vertex 0 moves from x = -3 to x = 5 and vertex 2 rises to z = 1.5 only
    // in the last frame; the sphere holds every pose.
    MeshFile file = lineOfPoses({0, 5000, 10000}, {-3.0f, 0.0f, 5.0f});
    file.frames[2].positions[8] = fixed(1.5f);
    ASSERT_TRUE(write("res/1.dat", file));
    Mesh mesh;
    ASSERT_TRUE(mesh.load("res/1.dat"));
    for (float t = 0.0f; t < 1.0f; t += 0.0625f) {
        for (int32_t i = 0; i < 3; ++i) {
            Vec3 d = mesh.vertexAt(i, t);
            d.subtract(mesh.getBoundsCentre());
            EXPECT_LE(d.length(), mesh.getBoundsRadius()) << "vertex " << i << " at " << t;
        }
    }
    // Tight: the two ends of vertex 0's path are 8 apart.
    EXPECT_LT(mesh.getBoundsRadius(), 4.2f);

    // A one-frame mesh drops its positions into a display list but keeps its
    // sphere.
    MeshFile still = MeshFile::plain(3, {0});
    still.frames[0].positions = {fixed(2.0f), 0, 0, fixed(4.0f), 0, 0, fixed(3.0f), fixed(1.0f), 0};
    ASSERT_TRUE(write("res/2.dat", still));
    ASSERT_TRUE(mesh.load("res/2.dat"));
    ASSERT_NE(0u, mesh.getDisplayList());
    EXPECT_TRUE(mesh.framePositions.empty());
    EXPECT_FLOAT_EQ(3.0f, mesh.getBoundsCentre().x);
    EXPECT_FLOAT_EQ(0.5f, mesh.getBoundsCentre().y);
    EXPECT_GE(mesh.getBoundsRadius(), std::sqrt(1.25f));
    EXPECT_LT(mesh.getBoundsRadius(), 1.2f);
}

TEST_F(MeshTest, CountsTheVerticesHandedToOpenGl) {
    ASSERT_TRUE(write("res/1.dat", MeshFile::plain(6, {0, 10000})));
    ASSERT_TRUE(write("res/2.dat", MeshFile::plain(3, {0})));
    Mesh animated;
    Mesh still;
    Mesh empty;
    gVerticesSubmitted = 0;
    ASSERT_TRUE(animated.load("res/1.dat"));
    // Compiling a one-frame mesh draws nothing yet.
    ASSERT_TRUE(still.load("res/2.dat"));
    EXPECT_EQ(0u, gVerticesSubmitted);
    startFrame();
    animated.draw(0.25f);
    animated.draw(0.25f);
    still.draw(0.0f);
    empty.draw(0.0f);
    animated.drawBlended(0.5f, 0.5f, animated, 0.5f);
    EXPECT_EQ(21u, gVerticesSubmitted);
}

TEST_F(MeshTest, BrokenFilesFailAndLeaveAnEmptyMesh) {
    const MeshFile good = MeshFile::plain(3, {0, 10000});
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
    MeshFile file = good;
    file.magic = "msh2";
    files.push_back({"magic msh2", file.bytes()});
    for (int32_t v : {0, 4, -3}) {
        file = good;
        file.vertexCount = v;
        files.push_back({"V " + std::to_string(v), file.bytes()});
    }
    file = good;
    file.frameCount = 0;
    files.push_back({"F 0", file.bytes()});
    std::vector<uint8_t> shortFile = good.bytes();
    shortFile.pop_back();
    files.push_back({"one byte short", shortFile});
    files.push_back({"falling key time", MeshFile::plain(3, {5000, 4000}).bytes()});
    files.push_back({"negative first key", MeshFile::plain(3, {-1, 4000}).bytes()});
    files.push_back({"magic only", {'m', 's', 'h', '1'}});
    files.push_back({"empty", {}});

    ASSERT_TRUE(write("res/good.dat", good));
    for (size_t k = 0; k < files.size(); ++k) {
        SCOPED_TRACE(files[k].first);
        const std::string path = "res/" + std::to_string(k) + ".dat";
        ASSERT_TRUE(files[k].second.empty() ? writeFileBytes(path, {}) : writeScrambledFile(path, files[k].second));
        Mesh mesh;
        // A failed load also drops what was loaded before.
        ASSERT_TRUE(mesh.load("res/good.dat"));
        EXPECT_FALSE(mesh.load(path.c_str()));
        expectEmpty(mesh);
    }
    Mesh mesh;
    EXPECT_FALSE(mesh.load(""));
    expectEmpty(mesh);
    EXPECT_FALSE(mesh.load("res/missing.dat"));
    expectEmpty(mesh);
    // Drawing and asking an empty mesh does nothing.
    startFrame();
    mesh.draw(0.5f);
    mesh.drawClamped(0.5f);
    EXPECT_EQ(0.0f, mesh.vertexAt(0, 0.0f).length());
}

TEST_F(MeshTest, CountsTooLargeForTheFileFailBeforeAllocating) {
    struct Case {
        const char* name;
        int32_t v;
        int32_t f;
    };
    // Each would ask for gigabytes, or overflow 32-bit sizes, if the counts
    // were trusted before being checked against the file's length.
    const Case cases[] = {
        {"V 0x7FFFFFFB", 0x7ffffffb, 1},
        {"V 0x7FFFFFFD", 0x7ffffffd, 1},
        {"F 0x7FFFFFFF", 3, 0x7fffffff},
        {"F wrapping 32 bits", 3, 0x14e5e0a8},
        {"F one frame more than stored", 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MeshFile file = MeshFile::plain(3, {0, 10000});
        file.vertexCount = c.v;
        file.frameCount = c.f;
        ASSERT_TRUE(write("res/1.dat", file));
        Mesh mesh;
        EXPECT_FALSE(mesh.load("res/1.dat"));
        expectEmpty(mesh);
    }
}

TEST_F(MeshTest, KeyframesAreChosenAndBlendedByTheWrappedTime) {
    ASSERT_TRUE(write("res/1.dat", lineOfPoses({5000, 15000}, {0.0f, 10.0f})));
    Mesh mesh;
    ASSERT_TRUE(mesh.load("res/1.dat"));
    // Before the first key the pose runs from the last frame back to the first.
    EXPECT_FLOAT_EQ(5.0f, mesh.vertexAt(0, 0.25f).x);
    EXPECT_FLOAT_EQ(2.0f, mesh.vertexAt(0, 0.4f).x);
    EXPECT_FLOAT_EQ(0.0f, mesh.vertexAt(0, 0.5f).x);
    EXPECT_FLOAT_EQ(5.0f, mesh.vertexAt(0, 1.0f).x);
    EXPECT_FLOAT_EQ(7.5f, mesh.vertexAt(0, 1.25f).x);
    EXPECT_FLOAT_EQ(10.0f, mesh.vertexAt(0, 1.5f).x);
    EXPECT_FLOAT_EQ(7.5f, mesh.vertexAt(0, -0.25f).x);
    EXPECT_FLOAT_EQ(2.0f, mesh.vertexAt(0, 1.9f).x);
    EXPECT_EQ(0.0f, mesh.vertexAt(-1, 1.0f).length());
    EXPECT_EQ(0.0f, mesh.vertexAt(3, 1.0f).length());

    ASSERT_TRUE(write("res/2.dat", lineOfPoses({0, 5000, 5000, 10000}, {0.0f, 10.0f, 20.0f, 30.0f})));
    ASSERT_TRUE(mesh.load("res/2.dat"));
    EXPECT_FLOAT_EQ(0.0f, mesh.vertexAt(0, 0.0f).x);
    EXPECT_FLOAT_EQ(8.0f, mesh.vertexAt(0, 0.4f).x);
    // On the doubled key the pose is frame 1, just after it frame 2 onwards.
    EXPECT_FLOAT_EQ(10.0f, mesh.vertexAt(0, 0.5f).x);
    EXPECT_NEAR(22.0f, mesh.vertexAt(0, 0.6f).x, 1e-4);

    ASSERT_TRUE(write("res/3.dat", lineOfPoses({0, 10000}, {4.0f, 8.0f})));
    ASSERT_TRUE(mesh.load("res/3.dat"));
    EXPECT_FLOAT_EQ(4.0f, mesh.vertexAt(0, 0.0f).x);
    // Clamped to the last key, which wraps to time 0: frame 0.
    startFrame();
    mesh.drawClamped(5.0f);
    EXPECT_EQ(0.0f, mesh.getLastTime());
    EXPECT_FLOAT_EQ(4.0f, mesh.getWorkPositions()[0]);
    mesh.drawClamped(-3.0f);
    EXPECT_EQ(0.0f, mesh.getLastTime());
    mesh.drawClamped(0.5f);
    EXPECT_FLOAT_EQ(6.0f, mesh.getWorkPositions()[0]);
}

TEST_F(MeshTest, DrawingRecomputesOnlyWhenTheTimeChangesOrAfterACrossFade) {
    ASSERT_TRUE(write("res/1.dat", lineOfPoses({5000, 15000}, {0.0f, 10.0f})));
    Mesh mesh;
    Mesh other;
    ASSERT_TRUE(mesh.load("res/1.dat"));
    ASSERT_TRUE(other.load("res/1.dat"));
    startFrame();
    mesh.draw(0.4f);
    EXPECT_FLOAT_EQ(0.4f, mesh.getLastTime());
    EXPECT_FLOAT_EQ(2.0f, mesh.getWorkPositions()[0]);
    mesh.workPositionsForTest()[0] = 99.0f;
    mesh.draw(0.4f);
    EXPECT_EQ(99.0f, mesh.getWorkPositions()[0]);

    mesh.drawBlended(0.4f, 0.4f, other, 1.0f);
    EXPECT_EQ(-FLT_MAX, mesh.getLastTime());
    mesh.workPositionsForTest()[0] = 99.0f;
    mesh.draw(0.4f);
    EXPECT_FLOAT_EQ(2.0f, mesh.getWorkPositions()[0]);

    mesh.vertexAtBlended(0, 0.4f, 0.4f, other, 0.5f);
    EXPECT_EQ(-FLT_MAX, mesh.getLastTime());
    // vertexAt leaves the drawing cache alone.
    mesh.draw(1.0f);
    mesh.vertexAt(0, 0.25f);
    EXPECT_FLOAT_EQ(1.0f, mesh.getLastTime());
}

TEST_F(MeshTest, DrawnPoseMovesOnScreen) {
    ASSERT_TRUE(write("res/1.dat", triangleMesh({triangleFrame(0, 12, 18), triangleFrame(10000, 36, 18)})));
    Mesh mesh;
    ASSERT_TRUE(mesh.load("res/1.dat"));
    startFrame();
    mesh.draw(0.0f);
    EXPECT_TRUE(redAt(12, 18));
    EXPECT_FALSE(redAt(24, 18));
    EXPECT_FALSE(redAt(36, 18));

    startFrame();
    mesh.draw(0.5f);
    EXPECT_FALSE(redAt(12, 18));
    EXPECT_TRUE(redAt(24, 18));

    startFrame();
    mesh.draw(0.99f);
    EXPECT_FALSE(redAt(24, 18));
    EXPECT_TRUE(redAt(36, 18));
    // Drawing leaves the client arrays and normalising off again.
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
}

TEST_F(MeshTest, OneFrameMeshIsCompiledAndDrawsWhatTheArraysDrew) {
    ASSERT_TRUE(write("res/1.dat", triangleMesh({triangleFrame(2500, 20, 14)})));
    ASSERT_TRUE(write("res/2.dat", triangleMesh({triangleFrame(0, 20, 14), triangleFrame(2500, 20, 14)})));
    Mesh compiled;
    Mesh animated;
    ASSERT_TRUE(compiled.load("res/1.dat"));
    ASSERT_TRUE(animated.load("res/2.dat"));
    EXPECT_NE(0u, compiled.getDisplayList());
    EXPECT_TRUE(glIsList(compiled.getDisplayList()));
    EXPECT_EQ(1, compiled.frameCount);
    EXPECT_EQ(3, compiled.vertexCount);
    ASSERT_EQ(1u, compiled.keyTimes.size());
    EXPECT_FLOAT_EQ(0.25f, compiled.keyTimes[0]);
    // The geometry lives in the list alone: the arrays' memory is given back.
    EXPECT_EQ(0u, compiled.framePositions.capacity());
    EXPECT_EQ(0u, compiled.frameNormals.capacity());
    EXPECT_EQ(0u, compiled.texCoords.capacity());
    EXPECT_EQ(0u, compiled.getWorkPositions().capacity());
    EXPECT_EQ(0u, compiled.getWorkNormals().capacity());
    EXPECT_EQ(0.0f, compiled.vertexAt(0, 0.0f).length());

    startFrame();
    animated.draw(0.0f);
    const std::vector<uint8_t> fromArrays = readWindow(kWidth, kHeight);
    EXPECT_TRUE(redAt(20, 14));
    for (const float t : {0.0f, 0.1f, 7.0f}) {
        SCOPED_TRACE(t);
        startFrame();
        compiled.draw(t);
        EXPECT_EQ(fromArrays, readWindow(kWidth, kHeight));
    }

    const GLuint list = compiled.getDisplayList();
    compiled.clear();
    EXPECT_FALSE(glIsList(list));
    expectEmpty(compiled);
}

TEST_F(MeshTest, CrossFadeBlendsTwoMeshesOrDrawsTheDominantOne) {
    ASSERT_TRUE(write("res/1.dat", triangleMesh({triangleFrame(0, 12, 18), triangleFrame(10000, 12, 18)})));
    ASSERT_TRUE(write("res/2.dat", triangleMesh({triangleFrame(0, 36, 18), triangleFrame(10000, 36, 18)})));
    ASSERT_TRUE(write("res/3.dat", triangleMesh({triangleFrame(0, 36, 18)})));
    MeshFile six = MeshFile::plain(6, {0, 10000});
    ASSERT_TRUE(write("res/4.dat", six));
    Mesh left;
    Mesh right;
    Mesh compiledRight;
    Mesh sixVertices;
    ASSERT_TRUE(left.load("res/1.dat"));
    ASSERT_TRUE(right.load("res/2.dat"));
    ASSERT_TRUE(compiledRight.load("res/3.dat"));
    ASSERT_TRUE(sixVertices.load("res/4.dat"));

    startFrame();
    left.drawBlended(0.0f, 0.0f, right, 0.5f);
    EXPECT_FALSE(redAt(12, 18));
    EXPECT_TRUE(redAt(24, 18));
    EXPECT_FALSE(redAt(36, 18));
    // Vertex 0 lies at y - 2: 10 on the left mesh, 34 on the right one.
    EXPECT_FLOAT_EQ(28.0f, left.vertexAtBlended(0, 0.0f, 0.0f, right, 0.25f).y);
    EXPECT_EQ(0.0f, left.vertexAtBlended(3, 0.0f, 0.0f, right, 0.25f).length());

    // With a compiled mesh only the dominant one is drawn; 0.5 is this one.
    for (const float p : {0.7f, 0.5f, 0.3f}) {
        SCOPED_TRACE(p);
        startFrame();
        left.drawBlended(0.0f, 0.0f, compiledRight, p);
        EXPECT_EQ(p >= 0.5f, redAt(12, 18));
        EXPECT_EQ(p < 0.5f, redAt(36, 18));
        EXPECT_FALSE(redAt(24, 18));
    }
    EXPECT_FLOAT_EQ(10.0f, left.vertexAtBlended(0, 0.0f, 0.0f, compiledRight, 0.7f).y);
    EXPECT_EQ(0.0f, left.vertexAtBlended(0, 0.0f, 0.0f, compiledRight, 0.3f).length());
    // Different vertex counts: the dominant mesh alone.
    EXPECT_FLOAT_EQ(10.0f, left.vertexAtBlended(0, 0.0f, 0.0f, sixVertices, 0.5f).y);
    EXPECT_EQ(0.0f, left.vertexAtBlended(0, 0.0f, 0.0f, sixVertices, 0.4f).length());
}

TEST_F(MeshTest, LargeMeshDrawsOnlyTheClustersInViewAndTheSamePixels) {
    ASSERT_TRUE(write("res/1.dat", blockRow({0, 10000})));
    ASSERT_TRUE(write("res/2.dat", blockRow({0})));
    Mesh animated;
    Mesh compiled;
    ASSERT_TRUE(animated.load("res/1.dat"));
    ASSERT_TRUE(compiled.load("res/2.dat"));
    ASSERT_NE(0u, compiled.getDisplayList());
    for (Mesh* mesh : {&animated, &compiled}) {
        // One cluster a block, in order, covering every vertex once.
        ASSERT_EQ(12u, mesh->getClusters().size());
        int32_t next = 0;
        for (const Mesh::Cluster& c : mesh->getClusters()) {
            EXPECT_EQ(next, c.first);
            EXPECT_EQ(768, c.count);
            next += c.count;
        }
        EXPECT_EQ(mesh->vertexCount, next);
    }
    // Each sphere holds its vertices in every pose.
    for (const Mesh::Cluster& c : animated.getClusters()) {
        for (float t = 0.0f; t < 1.0f; t += 0.125f) {
            for (int32_t i = c.first; i < c.first + c.count; i += 7) {
                Vec3 d = animated.vertexAt(i, t);
                d.subtract(c.centre);
                EXPECT_LE(d.length(), c.radius) << "vertex " << i << " at " << t;
            }
        }
        EXPECT_LT(c.radius, 3.5f);
    }

    for (Mesh* mesh : {&animated, &compiled}) {
        SCOPED_TRACE(mesh == &animated ? "animated" : "compiled");
        for (const float t : {0.0f, 0.5f}) {
            startFrame();
            gVerticesSubmitted = 0;
            mesh->draw(t);
            EXPECT_EQ(static_cast<uint64_t>(mesh->vertexCount), gVerticesSubmitted);
            const std::vector<uint8_t> whole = readWindow(kWidth, kHeight);
            // The blocks cut by the window's edges show.
            bool leftShows = false;
            bool rightShows = false;
            for (size_t k = 0; k < whole.size(); k += 4) {
                const size_t x = (k / 4) % kWidth;
                leftShows = leftShows || (x < 2 && whole[k] > 0);
                rightShows = rightShows || (x + 2 >= kWidth && whole[k] > 0);
            }
            EXPECT_TRUE(leftShows);
            EXPECT_TRUE(rightShows);

            startFrame();
            ViewFrustum view;
            view.setFromCurrentMatrices();
            gVerticesSubmitted = 0;
            mesh->drawInView(t, view);
            EXPECT_EQ(6u * 768u, gVerticesSubmitted);
            EXPECT_EQ(whole, readWindow(kWidth, kHeight));
        }
    }
    // Without a view nothing can be left out.
    startFrame();
    gVerticesSubmitted = 0;
    animated.drawInView(0.0f, ViewFrustum());
    EXPECT_EQ(static_cast<uint64_t>(animated.vertexCount), gVerticesSubmitted);

    const GLuint list = compiled.getDisplayList();
    compiled.clear();
    EXPECT_FALSE(glIsList(list + 11));
    EXPECT_TRUE(compiled.getClusters().empty());
}

TEST_F(MeshTest, OverlappingFacesDrawApartFromTheRestAndTogetherGiveTheWholeMesh) {
    // The block row with the second triangle of block 6 (in view) laid over
    // its first.
    MeshFile overlapping = blockRow({0, 10000});
    MeshFile compiledFile = blockRow({0});
    for (MeshFile* file : {&overlapping, &compiledFile}) {
        for (MeshFileFrame& frame : file->frames) {
            const size_t first = 3 * 6 * 768;
            std::copy(frame.positions.begin() + first, frame.positions.begin() + first + 9,
                      frame.positions.begin() + first + 9);
        }
    }
    ASSERT_TRUE(write("res/1.dat", overlapping));
    ASSERT_TRUE(write("res/2.dat", compiledFile));
    ASSERT_TRUE(write("res/3.dat", blockRow({0})));
    Mesh animated;
    Mesh compiled;
    Mesh plain;
    ASSERT_TRUE(animated.load("res/1.dat"));
    ASSERT_TRUE(compiled.load("res/2.dat"));
    ASSERT_TRUE(plain.load("res/3.dat"));
    for (Mesh* mesh : {&animated, &compiled}) {
        SCOPED_TRACE(mesh == &animated ? "animated" : "compiled");
        EXPECT_TRUE(mesh->hasOverlappingFaces());
        startFrame();
        mesh->draw(0.0f);
        const std::vector<uint8_t> whole = readWindow(kWidth, kHeight);
        startFrame();
        gVerticesSubmitted = 0;
        mesh->draw(0.0f, MeshFaces::alone);
        EXPECT_EQ(static_cast<uint64_t>(mesh->vertexCount - 6), gVerticesSubmitted);
        gVerticesSubmitted = 0;
        mesh->draw(0.0f, MeshFaces::overlapping);
        EXPECT_EQ(6u, gVerticesSubmitted);
        EXPECT_EQ(whole, readWindow(kWidth, kHeight));

        startFrame();
        ViewFrustum view;
        view.setFromCurrentMatrices();
        gVerticesSubmitted = 0;
        mesh->drawInView(0.0f, view, MeshFaces::alone);
        EXPECT_EQ(6u * 768u - 6u, gVerticesSubmitted);
        gVerticesSubmitted = 0;
        mesh->drawInView(0.0f, view, MeshFaces::overlapping);
        EXPECT_EQ(6u, gVerticesSubmitted);
        EXPECT_EQ(whole, readWindow(kWidth, kHeight));
    }
    // Without overlaps every face is alone.
    EXPECT_FALSE(plain.hasOverlappingFaces());
    gVerticesSubmitted = 0;
    plain.draw(0.0f, MeshFaces::overlapping);
    EXPECT_EQ(0u, gVerticesSubmitted);
    plain.draw(0.0f, MeshFaces::alone);
    EXPECT_EQ(static_cast<uint64_t>(plain.vertexCount), gVerticesSubmitted);

    // The lists of both sets go with the mesh.
    const GLuint list = compiled.getDisplayList();
    EXPECT_TRUE(glIsList(list + 35));
    compiled.clear();
    EXPECT_FALSE(glIsList(list + 35));
}
