// The hanging cloth: it holds at its top rows, the player's chest pushes it
// aside, it never passes the back wall, and it gives its textures back.
#include "play/ClothMesh.h"

#include <memory>

#include "engine/Texture.h"
#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class ClothMeshTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        ASSERT_TRUE(writeScrambledFile(resourcePath(158), makePlainPicture(2, 2, kRed)));
        cloth.reset(new ClothMesh());
        cloth->buildClothMesh(0.0f, 30.0f, 0.0f, 0.0f);
    }
    void TearDown() override {
        cloth->freeClothMesh();
        cloth.reset();
        PlayFixture::TearDown();
    }
    std::unique_ptr<ClothMesh> cloth;
};

TEST_F(ClothMeshTest, SettlesFromItsTopRowsAndNeverPassesTheBackWall) {
    for (int k = 0; k < 300; ++k) {
        cloth->stepClothMesh(50.0f, 0.0f, 0.0f, 1.0f / 60.0f);
    }
    for (int i = 0; i < ClothMesh::kPoints; ++i) {
        for (int j = 18; j < 20; ++j) {
            EXPECT_EQ(cloth->restPoints[i][j].x, cloth->points[i][j].x);
            EXPECT_EQ(cloth->restPoints[i][j].z, cloth->points[i][j].z);
        }
        EXPECT_NE(cloth->restPoints[i][0].z, cloth->points[i][0].z);
    }
    // Strong wave forces toward the wall are stopped at it.
    cloth->waveAmplitude = -500.0f;
    for (int k = 0; k < 200; ++k) {
        cloth->stepClothMesh(50.0f, 0.0f, 0.0f, 1.0f / 30.0f);
    }
    for (int i = 0; i < ClothMesh::kPoints; ++i) {
        for (int j = 0; j < ClothMesh::kPoints; ++j) {
            ASSERT_GE(cloth->points[i][j].y, 29.62f);
        }
    }
}

TEST_F(ClothMeshTest, PlayerChestPushesPointsOntoItsSphereEvenAtDtZero) {
    // Feet at (0, 30, 0.5): the chest at (0, 30, 2) is inside the sheet.
    cloth->stepClothMesh(0.0f, 30.0f, 0.5f, 0.0f);
    int pushed = 0;
    for (int i = 0; i < ClothMesh::kPoints; ++i) {
        for (int j = 0; j < 18; ++j) {
            Vec3 d = cloth->points[i][j];
            d.subtract(Vec3(0.0f, 30.0f, 2.0f));
            EXPECT_GE(d.length(), 0.5f - 1e-4f);
            const Vec3& rest = cloth->restPoints[i][j];
            Vec3 r = rest;
            r.subtract(Vec3(0.0f, 30.0f, 2.0f));
            if (r.length() < 0.5f) {
                ++pushed;
                EXPECT_NEAR(0.5f, d.length(), 1e-4f);
            } else {
                EXPECT_EQ(rest.x, cloth->points[i][j].x);
                EXPECT_EQ(rest.z, cloth->points[i][j].z);
            }
        }
    }
    EXPECT_GT(pushed, 0);
}

TEST_F(ClothMeshTest, DrawsItsTextureAndGivesBothTexturesBack) {
    EXPECT_EQ(1, textureCount(158));
    gCamera->position.set(0.0f, 27.0f, 2.5f);
    gCamera->rotation.set(0.0f, 0.0f, 1.5707963f);
    gCamera->fogOn = 0;
    startFrame(0.0f, 1.0f, 0.0f);
    cloth->drawClothMesh(ViewFrustum());
    int px = 0, py = 0;
    project(0.0f, 30.0f, 2.5f, px, py);
    const std::vector<int> seen = pixelAt(px, py);
    // Red cloth with half of the blue sheen over it.
    EXPECT_GT(seen[0], 100);
    EXPECT_GT(seen[2], 100);
    EXPECT_EQ(0, seen[1]);

    const int32_t sheenBefore = textureCount(117);
    cloth->freeClothMesh();
    EXPECT_EQ(0, textureCount(158));
    EXPECT_EQ(sheenBefore - 1, textureCount(117));
    EXPECT_EQ(nullptr, cloth->clothTexture);
}

}  // namespace

TEST_F(ClothMeshTest, ClothIsDrawnWholeWhenAnyQuadMayShowAndNotAtAllOtherwise) {
    // Swaying, then seen from 1.5 in front: its top and bottom leave the view;
    // turned away, all of it lies behind.
    cloth->waveAmplitude = 1.0f;
    for (int k = 0; k < 40; ++k) {
        cloth->stepClothMesh(50.0f, 0.0f, 0.0f, 1.0f / 30.0f);
    }
    gCamera->position.set(0.0f, 28.5f, 2.5f);
    gCamera->rotation.set(0.0f, 0.0f, 1.5707963f);
    gCamera->fogOn = 0;
    auto draw = [this](bool cull, std::vector<uint8_t>& pixels, std::vector<float>& texCoord) {
        startFrame(0.0f, 1.0f, 0.0f);
        ViewFrustum view;
        if (cull) {
            view.setFromCurrentMatrices();
        }
        gVerticesSubmitted = 0;
        cloth->drawClothMesh(view);
        texCoord.assign(4, 0.0f);
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, texCoord.data());
        pixels.assign(480 * 360 * 4, 0);
        glFinish();
        glReadPixels(0, 0, 480, 360, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return gVerticesSubmitted;
    };
    for (const float yaw : {1.5707963f, -1.5707963f}) {
        SCOPED_TRACE(yaw);
        gCamera->rotation.z = yaw;
        std::vector<uint8_t> all, culled;
        std::vector<float> allTexCoord, culledTexCoord;
        const uint64_t every = draw(false, all, allTexCoord);
        const uint64_t drawn = draw(true, culled, culledTexCoord);
        // Both passes: 19 x 19 quads of 4 corners each; leaving out only some
        // could shift the shading of the rest.
        EXPECT_EQ(2u * 19u * 19u * 4u, every);
        EXPECT_EQ(yaw > 0.0f ? every : 0u, drawn);
        EXPECT_TRUE(all == culled);
        EXPECT_EQ(allTexCoord, culledTexCoord);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    }
}
