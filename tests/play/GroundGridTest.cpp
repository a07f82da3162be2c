// The ground grid of room 2: its fixed and visible flags, the source, the
// wading push and the grey it draws in.
#include "play/GroundGrid.h"

#include <memory>

#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class GroundGridTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        grid.reset(new GroundGrid());
        grid->constructGroundGrid(-5.0f, -5.0f, 0.85f, 10.0f);
    }
    std::unique_ptr<GroundGrid> grid;
};

TEST_F(GroundGridTest, FlatWithoutSourceAndKeepsItsFixedPoints) {
    // (0, 0) is the centre, index 40; the corner lies beyond radius 5.
    EXPECT_TRUE(grid->fixed[40][40]);
    EXPECT_TRUE(grid->visible[40][40]);
    EXPECT_TRUE(grid->fixed[0][0]);
    EXPECT_FALSE(grid->visible[0][0]);
    // A post at (1.55, 1.85) is near index (52, 55).
    EXPECT_TRUE(grid->fixed[52][55]);
    EXPECT_TRUE(grid->visible[52][55]);
    EXPECT_FALSE(grid->fixed[60][40]);

    for (int k = 0; k < 60; ++k) {
        grid->animateGroundGrid(2.0f, 0.0f, 1.0f, 1.0f / 60.0f);
    }
    for (int i = 0; i < GroundGrid::kCells; ++i) {
        for (int j = 0; j < GroundGrid::kCells; ++j) {
            ASSERT_EQ(0.85f, grid->points[i][j].z) << i << " " << j;
        }
    }
}

TEST_F(GroundGridTest, SourceMovesOnlyItsSquareAndSkipsIndicesOffTheGrid) {
    grid->setSource(40, 13, 1, 1.75f, 0.02f, 0.1f);
    grid->animateGroundGrid(2.0f, 0.0f, 1.0f, 0.01f);
    EXPECT_GT(grid->points[39][12].z, 0.9f);
    EXPECT_GT(grid->points[40][13].z, 0.9f);
    EXPECT_NEAR(0.85f, grid->points[41][14].z, 0.01f);

    // A source square hanging over the edge touches only real indices.
    grid->sourceRow = 0;
    grid->sourceColumn = 79;
    grid->sourceRadius = 5;
    grid->animateGroundGrid(2.0f, 0.0f, 1.0f, 0.01f);
    EXPECT_FALSE(grid->fixed[0][79] && grid->points[0][79].z != 0.85f);
}

TEST_F(GroundGridTest, WadingPushesDownWithBoundedVelocityAndOnlyBelowTheSurface) {
    // Feet at the surface: untouched.
    grid->animateGroundGrid(2.0f, 0.0f, 0.85f, 0.01f);
    grid->animateGroundGrid(2.5f, 0.0f, 0.85f, 0.01f);
    EXPECT_EQ(0.85f, grid->points[60][40].z);

    // Feet below, moving fast: the points near the feet go down and get a
    // velocity no longer than 2.
    grid->animateGroundGrid(2.0f, 0.0f, 0.5f, 0.01f);
    EXPECT_NEAR(0.65f, grid->points[56][40].z, 1e-5f);
    EXPECT_NEAR(2.0f, grid->velocities[56][40].length(), 1e-4f);
    // The push points against the feet's movement: they went toward -x.
    EXPECT_GT(grid->velocities[56][40].x, 1.0f);
}

TEST_F(GroundGridTest, DrawsMidGreyWhereFlatAndNothingBeyondTheRadius) {
    gCamera->position.set(0.0f, 0.0f, 8.0f);
    gCamera->rotation.set(0.0f, 1.5707963f, 0.0f);
    gCamera->fogOn = 0;
    startFrame(0.0f, 1.0f, 0.0f);
    glDisable(GL_CULL_FACE);
    grid->drawGroundGrid(ViewFrustum());
    glEnable(GL_CULL_FACE);
    int px = 0, py = 0;
    project(2.0f, 0.3f, 0.85f, px, py);
    const std::vector<int> flat = pixelAt(px, py);
    EXPECT_NEAR(128, flat[0], 2);
    EXPECT_NEAR(128, flat[1], 2);
    project(4.8f, 4.8f, 0.85f, px, py);
    EXPECT_EQ((std::vector<int>{0, 255, 0}), pixelAt(px, py));
}

}  // namespace

TEST_F(GroundGridTest, GridIsDrawnWholeWhenAnyCellMayShowAndNotAtAllOtherwise) {
    // Rippled, so the cells differ in grey; seen from just above the surface
    // looking along -X, most of the grid lies to the sides and behind, the
    // last cells drawn among them; looking up, all of it lies below the view.
    grid->setSource(50, 40, 3, 1.75f, 0.2f, 0.0f);
    for (int k = 0; k < 30; ++k) {
        grid->animateGroundGrid(9.0f, 9.0f, 1.0f, 1.0f / 30.0f);
    }
    // A slope along y behind the camera, so the last cell's grey is its own.
    for (int i = 60; i < GroundGrid::kCells; ++i) {
        for (int j = 0; j < GroundGrid::kCells; ++j) {
            grid->points[i][j].z += 0.001f * static_cast<float>(j);
        }
    }
    gCamera->position.set(-0.5f, 0.0f, 1.6f);
    gCamera->rotation.set(0.0f, 0.3f, 3.14159265f);
    auto draw = [this](bool cull, std::vector<uint8_t>& pixels, std::vector<float>& colour) {
        startFrame(0.0f, 0.0f, 1.0f);
        ViewFrustum view;
        if (cull) {
            view.setFromCurrentMatrices();
        }
        gVerticesSubmitted = 0;
        grid->drawGroundGrid(view);
        colour.assign(4, 0.0f);
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        pixels.assign(480 * 360 * 4, 0);
        glFinish();
        glReadPixels(0, 0, 480, 360, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return gVerticesSubmitted;
    };
    for (const float pitch : {0.3f, -1.5f}) {
        SCOPED_TRACE(pitch);
        gCamera->rotation.y = pitch;
        std::vector<uint8_t> all, culled;
        std::vector<float> allColour, culledColour;
        const uint64_t every = draw(false, all, allColour);
        const uint64_t drawn = draw(true, culled, culledColour);
        EXPECT_GT(every, 15000u);
        // Leaving out only some cells could shift the shading of the rest.
        EXPECT_EQ(pitch > 0.0f ? every : 0u, drawn);
        EXPECT_TRUE(all == culled);
        // The colour left current is the one drawing every cell leaves.
        EXPECT_EQ(allColour, culledColour);
    }
}
