// The play screen's effect slots in a running game: filled effects are
// stepped and drawn by the frame, and clearRoom frees every one of them, so
// the cache counts of their resources are back where they were.
#include <gtest/gtest.h>

#include <string>

#include "app/FatalError.h"
#include "engine/Camera.h"
#include "engine/ResourceCache.h"
#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/RoomId.h"
#include "play/SweepEffect.h"
#include "support/PlayHarness.h"

using namespace playtest;

namespace {

class EffectSlotsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reachPlayByNewGame(s));
        for (int32_t n : {158, 195, 185, 230, 231, 252, 254, 255, 256}) {
            screentest::writePicture(n, 200, 100, 50, 255);
        }
        for (int32_t n : {228, 229, 253}) {
            writeScrambledFile("res/" + std::to_string(n) + ".dat", screentest::makeMeshBytes(2));
        }
    }
    ScreenSession s;
};

int32_t textureRefs(int n) {
    return gResourceCache->textureTable().countOf(std::string(gResourcePrefix) + std::to_string(n) + ".dat");
}
int32_t meshRefs(int n) {
    return gResourceCache->meshTable().countOf(std::string(gResourcePrefix) + std::to_string(n) + ".dat");
}

// 117 is left out: the room's own objects hold it too and go with clearRoom.
const int kTextures[] = {158, 195, 185, 230, 231, 252, 254, 255, 256};
const int kMeshes[] = {228, 229, 253};

}  // namespace

TEST_F(EffectSlotsTest, FramesStepTheEffectsAndClearRoomFreesThemAll) {
    PlayScreen& p = play(s);
    int32_t before[9];
    for (int k = 0; k < 9; ++k) {
        before[k] = textureRefs(kTextures[k]);
    }
    int32_t meshesBefore[3];
    for (int k = 0; k < 3; ++k) {
        meshesBefore[k] = meshRefs(kMeshes[k]);
    }

    replaceEffect(p.effects.groundGrid).constructGroundGrid(-5.0f, -5.0f, 0.85f, 10.0f);
    p.effects.groundGrid->setSource(40, 13, 1, 1.75f, 0.02f, 0.0f);
    for (EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) {
        replaceEffect(cloth).buildClothMesh(0.0f, 30.0f, 0.0f, 0.06f);
    }
    replaceEffect(p.effects.sweepEffect).constructSweepEffect();
    replaceEffect(p.effects.noiseOverlay).initNoiseOverlay();
    p.effects.noiseOverlay->targetLevel = 1.0f;
    replaceEffect(p.effects.backdropLayer).createBackdropLayer(p.story.costumeGhost, p.story.costumeWerewolf, p.story.costumeDeath);
    ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;

    ASSERT_FALSE(framesAt60(s, 30));
    ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    EXPECT_GT(p.effects.clothMeshes[0]->time, 0.0f);
    EXPECT_GT(p.effects.groundGrid->time, 0.0f);
    EXPECT_GT(p.effects.noiseOverlay->level, 0.0f);
    EXPECT_LT(p.effects.sweepEffect->progress, 0.75f);
    EXPECT_GT(p.effects.backdropLayer->time, 0.0f);

    p.clearRoom();
    EXPECT_EQ(nullptr, p.effects.groundGrid);
    for (const EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) {
        EXPECT_EQ(nullptr, cloth);
    }
    EXPECT_EQ(nullptr, p.effects.sweepEffect);
    EXPECT_EQ(nullptr, p.effects.noiseOverlay);
    EXPECT_EQ(nullptr, p.effects.backdropLayer);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(before[k], textureRefs(kTextures[k])) << kTextures[k];
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(meshesBefore[k], meshRefs(kMeshes[k])) << kMeshes[k];
    }
}

// The noise overlay widens the view while it thickens. A new game, a loaded
// game or a room change made during that scene frees it with the room, and
// the next room is seen at the normal angle again.
TEST_F(EffectSlotsTest, TheViewNarrowsAgainWhenTheNoiseGoesWithTheRoom) {
    PlayScreen& p = play(s);
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way == 0 ? "room change" : way == 1 ? "new game" : "rebuilt room");
        replaceEffect(p.effects.noiseOverlay).initNoiseOverlay();
        p.effects.noiseOverlay->targetLevel = 1.0f;
        p.effects.noiseOverlay->rate = 10.0f;
        ASSERT_FALSE(framesAt60(s, 10));
        ASSERT_FLOAT_EQ(76.0f, gCamera->fovy);
        if (way == 0) {
            p.world.pendingRoom = room::kShed;
            while (p.world.room != room::kShed) ASSERT_FALSE(framesAt60(s, 1));
        } else if (way == 1) {
            gNewGameRequest = 1;
            ASSERT_FALSE(framesAt60(s, 1));
        } else {
            p.enterRoom(p.world.room);
        }
        EXPECT_EQ(nullptr, p.effects.noiseOverlay);
        EXPECT_FLOAT_EQ(70.0f, gCamera->fovy);
        ASSERT_FALSE(framesAt60(s, 5));
        EXPECT_FLOAT_EQ(70.0f, gCamera->fovy);
    }
}

// Filling a slot that already holds an effect gives the old one's references
// back exactly once: the cache counts after a second fill are those after the
// first, and clearRoom still brings them back to where they started. The
// noise overlay given up this way hands the normal view angle back first.
TEST_F(EffectSlotsTest, ReplacingAnEffectReleasesTheOldOneOnce) {
    PlayScreen& p = play(s);
    int32_t before[9];
    int32_t afterOne[9];
    for (int k = 0; k < 9; ++k) {
        before[k] = textureRefs(kTextures[k]);
    }
    int32_t meshesBefore[3];
    int32_t meshesAfterOne[3];
    for (int k = 0; k < 3; ++k) {
        meshesBefore[k] = meshRefs(kMeshes[k]);
    }
    auto fillAll = [&p]() {
        replaceEffect(p.effects.groundGrid).constructGroundGrid(-5.0f, -5.0f, 0.85f, 10.0f);
        for (EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) {
            replaceEffect(cloth).buildClothMesh(0.0f, 30.0f, 0.0f, 0.06f);
        }
        replaceEffect(p.effects.sweepEffect).constructSweepEffect();
        replaceEffect(p.effects.noiseOverlay).initNoiseOverlay();
        replaceEffect(p.effects.backdropLayer).createBackdropLayer(p.story.costumeGhost, p.story.costumeWerewolf, p.story.costumeDeath);
    };

    fillAll();
    for (int k = 0; k < 9; ++k) {
        afterOne[k] = textureRefs(kTextures[k]);
    }
    for (int k = 0; k < 3; ++k) {
        meshesAfterOne[k] = meshRefs(kMeshes[k]);
    }
    p.effects.noiseOverlay->targetLevel = 1.0f;
    p.effects.noiseOverlay->rate = 10.0f;
    ASSERT_FALSE(framesAt60(s, 10));
    ASSERT_FLOAT_EQ(76.0f, gCamera->fovy);
    ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;

    fillAll();
    EXPECT_FLOAT_EQ(70.0f, gCamera->fovy);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(afterOne[k], textureRefs(kTextures[k])) << kTextures[k];
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(meshesAfterOne[k], meshRefs(kMeshes[k])) << kMeshes[k];
    }

    p.clearRoom();
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(before[k], textureRefs(kTextures[k])) << kTextures[k];
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(meshesBefore[k], meshRefs(kMeshes[k])) << kMeshes[k];
    }
}
