// Rooms 1 to 7 as the room builder lays them out: the named plans under the
// flags they vary on, the scattered field, the tunnel's lists, the effects a
// room creates, and that every target of the resolver's rows stands in a room.
#include <gtest/gtest.h>

#include <set>

#include "play/GroundGrid.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "support/PlayHarness.h"
#include "support/RoomPlans.h"

using namespace playtest;

namespace {
class RoomsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reachPlayByNewGame(s)); }
    ScreenSession s;
};
}  // namespace

TEST_F(RoomsTest, ThePlansFollowTheFlags) { checkRoomPlans(play(s)); }

TEST_F(RoomsTest, TheGardenFieldAvoidsTheShedAndTheHouseAndIsListed) {
    PlayScreen& p = play(s);
    p.enterRoom(room::kGarden);
    const std::vector<SceneObject*>& all = p.world.worldList.objects();
    ASSERT_FALSE(p.story.reactionList.empty());
    const size_t fixedRows = all.size() - p.story.reactionList.size();
    for (size_t k = 0; k < p.story.reactionList.size(); ++k) {
        const SceneObject* o = p.story.reactionList[k];
        EXPECT_EQ(all[fixedRows + k], o);
        EXPECT_EQ(89, meshNumber(o));
        const float x = o->position.x;
        const float y = o->position.y;
        EXPECT_FALSE(y >= 28.5f && y <= 42.0f && x >= -6.1f && x <= -2.9f) << x << ", " << y;
        EXPECT_FALSE(y >= 28.8f && x >= 0.8f && x <= 24.0f) << x << ", " << y;
    }
    // A second visit scatters afresh: the fixed rows stay, the list is rebuilt.
    p.enterRoom(room::kGarden);
    EXPECT_EQ(fixedRows, p.world.worldList.objects().size() - p.story.reactionList.size());
    EXPECT_EQ(p.world.worldList.objects().back(), p.story.reactionList.back());
}

TEST_F(RoomsTest, FixedRoomsHaveTheirRowCounts) {
    PlayScreen& p = play(s);
    struct Count {
        int32_t room;
        size_t objects;
    };
    // Rooms 4 to 6 share 18 shell rows, 26 stair boxes and the glass.
    for (const Count& c : {Count{2, 12}, Count{3, 12}, Count{4, 45 + 4 + 10 + 18}, Count{5, 45 + 4},
                           Count{6, 45 + 6}}) {
        p.enterRoom(c.room);
        EXPECT_EQ(c.objects, p.world.worldList.objects().size()) << "room " << c.room;
    }
}

TEST_F(RoomsTest, EffectsAreCreatedOncePerRoom) {
    PlayScreen& p = play(s);
    p.enterRoom(room::kFishPond);
    p.enterRoom(room::kFishPond);
    ASSERT_NE(nullptr, p.effects.groundGrid);
    EXPECT_EQ(40, p.effects.groundGrid->sourceRow);
    EXPECT_FLOAT_EQ(1.75f, p.effects.groundGrid->sourceFrequency);
    p.enterRoom(room::kHall);
    p.enterRoom(room::kHall);
    EXPECT_EQ(nullptr, p.effects.groundGrid);
    for (const EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) EXPECT_NE(nullptr, cloth);
    p.story.chairAngle = 30.0f;
    p.enterRoom(room::kHall);
    EXPECT_NEAR(30.0f * 0.0174533f, p.findSceneObject(kObjChair)->rotation.z, 1e-6f);
    p.enterRoom(room::kTunnel);
    EXPECT_NE(nullptr, p.effects.backdropLayer);
    for (const EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) EXPECT_EQ(nullptr, cloth);
}

TEST_F(RoomsTest, TheTunnelFollowsItsThreeValues) {
    PlayScreen& p = play(s);
    const size_t shell = 3 * (6 + 44 + 6);
    struct Tunnel {
        float v49, v50;
        size_t objects, rows, floor;
    };
    // Open, two copies of the arches and the moving segments, as the opening
    // makes them; closed, none of them.
    for (const Tunnel& t : {Tunnel{0.5f, 0.2f, shell + 2 + 40 + 50 + 2, 40, 50},
                            Tunnel{1.0f, 0.5f, 2 + shell + 40 + 50, 40, 52}, Tunnel{2.0f, 0.5f, shell + 50, 0, 50},
                            Tunnel{1.0f, 1.0f, shell, 0, 0}, Tunnel{0.0f, 1.0f, shell + 2, 0, 0}}) {
        p.story.storyValue49 = t.v49;
        p.story.storyValue50 = t.v50;
        p.enterRoom(room::kTunnel);
        EXPECT_EQ(t.objects, p.world.worldList.objects().size()) << t.v49 << " " << t.v50;
        EXPECT_EQ(t.rows, p.story.tunnelRowList.size());
        EXPECT_EQ(t.floor, p.story.tunnelFloorList.size());
    }
}

TEST_F(RoomsTest, EveryTargetOfTheResolverStandsInSomeRoom) {
    PlayScreen& p = play(s);
    std::set<std::string> built;
    auto collect = [&](int32_t room) {
        p.enterRoom(room);
        for (const SceneObject* o : p.world.worldList.objects()) built.insert(o->name);
    };
    for (const RoomCase& c : roomCases()) {
        p.resetPlayState();
        c.flags(p);
        collect(c.room);
    }
    // Room 0 with the candle and hat out, the key uncovered, late at night.
    p.resetPlayState();
    p.story.storyFlag07 = true;
    p.story.moniqueHasFlower = true;
    collect(0);
    p.story.rockTaken = true;  // uncovers the key
    collect(0);
    p.story.nightAlmostOver = true;
    collect(0);
    for (int32_t id = 0; id <= 18; ++id) {
        const ActionTable* table = actionTable(id);
        ASSERT_NE(nullptr, table);
        for (int32_t r = 0; r < table->rowCount; ++r) {
            const TargetSet& set = table->rows[r].targets;
            for (int32_t k = 0; k < set.count; ++k) {
                if (set.names[k] == kObjYourself) continue;  // the player, not a room object
                EXPECT_TRUE(built.count(objectName(set.names[k]))) << objectName(set.names[k]);
            }
        }
    }
}
