// Rules that act on what a room holds, held against a room rebuilt from a
// saved game: room 7's tunnel, opened in front of the player or rebuilt open,
// must close the same way and, closed, come back without its arches; its
// walls at the closing threshold; room 1's corner, which must not call a dog
// that is not there, and its pole, where a rope tied live must be the rope a
// load rebuilds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "app/FatalError.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/RoomTables.h"
#include "script/StepIds.h"
#include "support/PlayHarness.h"
#include "support/Room0Plan.h"
#include "support/WorldRecords.h"
#include "script/ActionResolver.h"
#include "text/AnswerTexts.h"

using namespace playtest;
using screentest::pushKey;

namespace {

class TunnelAndCornerTest : public testing::Test {
protected:
    void SetUp() override {
        writeEveryCatalogResource();
        ASSERT_TRUE(reachPlayByNewGame(s));
    }

    void save() {
        gSaveRequest = 1;
        s.frames(1);
        ASSERT_EQ(kGameStatePauseMenu, gGameState);
        s.tap(SDLK_ESCAPE);
        ASSERT_EQ(kGameStatePlay, gGameState);
    }
    void load() {
        srand(kRoomSeed);
        gLoadRequest = 1;
        s.frames(1);
        ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    }
    // Saves, lets the saved game run on for a frame, starts a new game and
    // loads: the differences between the world after that frame and the
    // rebuilt one after the load's frame ("" when none).
    std::string saveAndLoadDifferences() {
        PlayScreen& p = play(s);
        gSaveRequest = 1;
        s.frames(1);
        EXPECT_EQ(kGameStatePauseMenu, gGameState);
        pushKey(SDLK_ESCAPE, true);
        s.frames(1);
        pushKey(SDLK_ESCAPE, false);
        s.frames(1);
        const int32_t room = p.world.room;
        const std::vector<ObjectRecord> saved = worldRecords(p);
        gNewGameRequest = 1;
        s.frames(1);
        load();
        EXPECT_EQ(room, p.world.room);
        return compareWorlds(room, saved, worldRecords(p));
    }

    ScreenSession s;
};

bool listed(const std::vector<SceneObject*>& list, const SceneObject* object) {
    return std::find(list.begin(), list.end(), object) != list.end();
}

// How the open tunnel's pieces stand: the segments (245) and arches (227)
// of the world list, and how many of each the two lists hold.
struct TunnelPieces {
    int segments = 0, segmentsListed = 0;
    int arches = 0, archesListed = 0;
    int floorPieces = 0;  // mesh 241, the floor under the rows
    float archZ = 0.0f;
};

TunnelPieces tunnelPieces(const PlayScreen& p) {
    TunnelPieces t;
    for (const SceneObject* o : p.world.worldList.objects()) {
        const int32_t mesh = meshNumber(o);
        if (mesh == 245) {
            ++t.segments;
            t.segmentsListed += listed(p.story.tunnelRowList, o) ? 1 : 0;
        } else if (mesh == 227) {
            ++t.arches;
            t.archesListed += listed(p.story.tunnelFloorList, o) ? 1 : 0;
            t.archZ = o->position.z;
        } else if (mesh == 241) {
            ++t.floorPieces;
        }
    }
    return t;
}

// Runs frames until the tunnel has closed (at most limit frames).
void closeTunnel(ScreenSession& s, int limit = 600) {
    for (int i = 0; i < limit && play(s).story.tunnelClosing() < 1.0f; ++i) s.frames(1);
}

}  // namespace

// The player walks the tunnel open; the game is saved and loaded at once. The
// rebuilt tunnel is the tunnel the opening made, object for object: two
// copies of the segments and arches, each in the list that the closing
// tunnel moves and frees, so both close the same way.
TEST_F(TunnelAndCornerTest, ARebuiltOpenTunnelClosesLikeTheLiveOne) {
    PlayScreen& p = play(s);
    p.enterRoom(room::kTunnel);
    p.player.position.set(-29.5f, 5.0f, 0.0f);
    s.frames(1);
    ASSERT_FLOAT_EQ(1.0f, p.story.tunnelOpening());
    ASSERT_GT(p.story.tunnelClosing(), 0.0f);
    const TunnelPieces live = tunnelPieces(p);
    EXPECT_EQ(40, live.segments);
    EXPECT_EQ(40, live.segmentsListed);
    EXPECT_EQ(2, live.arches);
    EXPECT_EQ(2, live.archesListed);

    EXPECT_EQ("", saveAndLoadDifferences());
    ASSERT_EQ(room::kTunnel, p.world.room);
    const TunnelPieces rebuilt = tunnelPieces(p);
    EXPECT_EQ(40, rebuilt.segments);
    EXPECT_EQ(40, rebuilt.segmentsListed);
    EXPECT_EQ(2, rebuilt.arches);
    EXPECT_EQ(2, rebuilt.archesListed);
    EXPECT_EQ(50, rebuilt.floorPieces);

    // Half closed, the arches have sunk; closed, nothing of the tunnel stays.
    p.player.position.set(-15.0f, 5.0f, 0.0f);
    for (int i = 0; i < 400 && p.story.tunnelClosing() < 0.5f; ++i) s.frames(1);
    EXPECT_LT(tunnelPieces(p).archZ, 1.0f);
    closeTunnel(s);
    ASSERT_FLOAT_EQ(1.0f, p.story.tunnelClosing());
    const TunnelPieces closed = tunnelPieces(p);
    EXPECT_EQ(0, closed.segments);
    EXPECT_EQ(0, closed.arches);
    EXPECT_EQ(0, closed.floorPieces);
    EXPECT_TRUE(p.story.tunnelRowList.empty());
    EXPECT_TRUE(p.story.tunnelFloorList.empty());
    EXPECT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
}

// The builder puts the walls up below the threshold and the closing tunnel
// takes them away on reaching it, so whatever value a game was saved at, the
// walls that stand are the ones that go, and none is asked for twice.
TEST_F(TunnelAndCornerTest, TheTunnelWallsGoExactlyAtTheThreshold) {
    PlayScreen& p = play(s);
    const float justBelow = std::nextafter(kTunnelWallsGoneAt, 0.0f);
    for (float saved : {kTunnelWallsGoneAt, justBelow, 0.2f}) {
        SCOPED_TRACE(saved);
        p.story.storyValue49 = 1.0f;
        p.story.storyValue50 = saved;
        p.enterRoom(room::kTunnel);
        const bool walls = p.world.worldList.containsSceneObject(objectName(kObjTunnelWall1));
        EXPECT_EQ(saved < kTunnelWallsGoneAt, walls);
        EXPECT_EQ(walls, p.world.worldList.containsSceneObject(objectName(kObjTunnelWall2)));
        p.player.position.set(-15.0f, 5.0f, 0.0f);
        for (int i = 0; i < 200 && p.story.tunnelClosing() < 0.45f; ++i) s.frames(1);
        EXPECT_FALSE(p.world.worldList.containsSceneObject(objectName(kObjTunnelWall1)));
        EXPECT_FALSE(p.world.worldList.containsSceneObject(objectName(kObjTunnelWall2)));
        ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    }
}

// In room 1 the dog notices the player in its corner. Late at night there is
// no dog, so the corner leaves the player alone.
TEST_F(TunnelAndCornerTest, TheCornerCallsTheDogOnlyWhileItIsThere) {
    PlayScreen& p = play(s);
    for (bool late : {false, true}) {
        SCOPED_TRACE(late ? "late at night" : "by night");
        p.resetPlayState();
        p.story.nightAlmostOver = late;
        p.enterRoom(room::kGarden);
        EXPECT_EQ(!late, p.world.worldList.containsSceneObject(objectName(kObjDog)));
        p.player.position.set(13.0f, 25.0f, 0.0f);
        s.frames(40);
        ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
        EXPECT_EQ(!late, p.story.bonePlaced);
        if (late) {
            EXPECT_EQ(step::kNone, p.script.scriptStep);
        }
    }
}

// The closing tunnel takes its arches with it; a game saved once it has
// closed comes back without them, and with nothing else the live room lacks.
TEST_F(TunnelAndCornerTest, AClosedTunnelComesBackWithoutItsArches) {
    PlayScreen& p = play(s);
    p.story.nightAlmostOver = true;
    p.story.storyValue49 = 1.0f;
    p.story.storyValue50 = 0.9f;
    p.enterRoom(room::kTunnel);
    p.player.position.set(-15.0f, 5.0f, 0.0f);
    ASSERT_GT(tunnelPieces(p).arches, 0);
    closeTunnel(s);
    ASSERT_FLOAT_EQ(1.0f, p.story.tunnelClosing());
    ASSERT_EQ(0, tunnelPieces(p).arches);
    EXPECT_EQ("", saveAndLoadDifferences());
    EXPECT_EQ(0, tunnelPieces(p).arches);
    EXPECT_TRUE(p.story.tunnelFloorList.empty());
}

// "use rope on" "pole" live, then saved and loaded. By day the rope hangs
// from the pole and the load brings it back. Late at night the garden's pole
// has no rope (the way down to the fish person's place is closed then), so
// the pole does not take one: the rope stays in hand, and live and loaded
// gardens agree.
TEST_F(TunnelAndCornerTest, TheRopeOnThePoleIsTheRopeALoadBrings) {
    PlayScreen& p = play(s);
    for (bool late : {false, true}) {
        SCOPED_TRACE(late ? "late at night" : "by night");
        p.resetPlayState();
        p.story.nightAlmostOver = late;
        p.story.ropeTaken = true;
        srand(kRoomSeed);
        p.enterRoom(room::kGarden);
        p.view.roomFade = 1.0f;
        p.player.selectedAction = p.player.appendAction(action::kUseRope);
        p.player.position.set(24.6f, 16.3f, 0.0f);
        p.player.viewAngles.set(0.0f, 0.0f, -0.4272f);
        p.rebuildTargetList();
        p.player.selectedTarget = nullptr;
        for (SceneObject* target : p.player.targets) {
            if (target->name == objectName(kObjPole)) p.player.selectedTarget = target;
        }
        ASSERT_NE(nullptr, p.player.selectedTarget);
        performAction(p);
        const std::string answer = p.answerPanel.isAnswerShowing() ? p.answerPanel.text : "";
        ASSERT_TRUE(playUntilInControl(s)) << gFatalErrorText;
        bool ropeInHand = false;
        for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
            ropeInHand = ropeInHand || entry->actionId == 11;
        }
        EXPECT_EQ(late, ropeInHand);
        EXPECT_EQ(!late, p.story.ropeOnPole);
        EXPECT_EQ(!late, p.world.worldList.containsSceneObject(objectName(kObjRope)));
        EXPECT_EQ(late ? answerText(kAnsDoesntWork) : "", answer);
        EXPECT_EQ("", saveAndLoadDifferences());
        EXPECT_EQ(!late, p.world.worldList.containsSceneObject(objectName(kObjRope)));
    }
}
