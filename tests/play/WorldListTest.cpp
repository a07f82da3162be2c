// The world list, its collision test and the camera flight; the targets in
// view, and the in-control test.
#include "play/CameraFlight.h"
#include "play/Player.h"
#include "play/PlayerControl.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/TargetList.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class WorldListTest : public PlayerWorldFixture {
protected:
    std::vector<std::string> targetNames() {
        std::vector<std::string> out;
        for (const SceneObject* t : player.targets) out.push_back(t->name);
        return out;
    }
    // Lists the world watches: members, since the world list still empties
    // them when the fixture clears it after the test body has returned.
    std::vector<SceneObject*> tunnelFloor;
    std::vector<SceneObject*> reactions;
};

TEST_F(WorldListTest, BoxesOverlapWhenTheyTouchAndDefaultsNeverBlock) {
    EXPECT_FALSE(world.boxHitsAnySceneObject(0, 0, 0, 1, 1, 1));
    SceneObject* scenery = add("", 0, 0, 0);
    EXPECT_FALSE(world.boxHitsAnySceneObject(0, 0, 0, 1, 1, 1)) << "the default box is empty";
    EXPECT_FALSE(world.boxHitsAnySceneObject(0, 0, 0, 999, 999, 999));
    scenery->halfSize.set(1, 1, 1);
    // Faces that only touch count, a hair apart does not, on every axis.
    EXPECT_TRUE(world.boxHitsAnySceneObject(2.5f, 0, 0, 1.5f, 0.2f, 0.2f));
    EXPECT_FALSE(world.boxHitsAnySceneObject(2.5001f, 0, 0, 1.5f, 0.2f, 0.2f));
    EXPECT_TRUE(world.boxHitsAnySceneObject(0, -2, 0, 0.2f, 1, 0.2f));
    EXPECT_FALSE(world.boxHitsAnySceneObject(0, -2.01f, 0, 0.2f, 1, 0.2f));
    EXPECT_TRUE(world.boxHitsAnySceneObject(0, 0, 1.5f, 0.2f, 0.2f, 0.5f));
    EXPECT_FALSE(world.boxHitsAnySceneObject(0, 0, 1.51f, 0.2f, 0.2f, 0.5f));
}

TEST_F(WorldListTest, FindByExactNameAndOwnTheBlanks) {
    SceneObject* first = add("lock", 0, 0, 0);
    add(" lock ", 0, 0, 0);
    add("lock", 1, 0, 0);
    EXPECT_EQ(first, world.findSceneObject("lock"));
    EXPECT_EQ(" lock ", world.findSceneObject(" lock ")->name);
    EXPECT_EQ(kGameStatePlay, gGameState);

    const int32_t held = textureCount(117);
    SceneObject* blank = world.findSceneObject("gate");
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("exception:\n5"));
    EXPECT_EQ(1u, world.blankCount());
    EXPECT_EQ(3u, world.objects().size());
    // A delete of the blank frees nothing the world list does not own.
    EXPECT_FALSE(world.deleteSceneObject(blank));
    EXPECT_EQ(held + 1, textureCount(117));
    world.clearSceneObjects();
    EXPECT_EQ(0u, world.blankCount());
    EXPECT_EQ(1, textureCount(117)) << "only the player's own target is left";
    world.clearSceneObjects();
}

TEST_F(WorldListTest, FreedObjectsLeaveEveryList) {
    SceneObject* door = add("door", 2, 0, 1.5f);
    SceneObject* tile = add("", 2, 1, 0);
    tunnelFloor = {tile, door};
    reactions = {door};
    world.watchList(&tunnelFloor);
    world.watchList(&reactions);
    rebuildTargetList(player, world);
    player.selectedTarget = door;
    ASSERT_EQ(2u, player.targets.size());

    EXPECT_TRUE(world.deleteSceneObject(door));
    EXPECT_EQ(1u, world.objects().size());
    EXPECT_EQ(std::vector<SceneObject*>{tile}, tunnelFloor);
    EXPECT_TRUE(reactions.empty());
    EXPECT_EQ(std::vector<SceneObject*>{player.selfTarget()}, player.targets);
    EXPECT_EQ(nullptr, player.selectedTarget);
    EXPECT_TRUE(player.validateCurrentTarget());
    EXPECT_EQ(player.selfTarget(), player.selectedTarget);

    // Clearing the room empties the watching lists and the world targets.
    add("gate", 2, 0, 1.5f);
    rebuildTargetList(player, world);
    player.selectedTarget = player.targets.back();
    world.clearSceneObjects();
    EXPECT_TRUE(tunnelFloor.empty());
    EXPECT_TRUE(world.objects().empty());
    EXPECT_EQ(std::vector<SceneObject*>{player.selfTarget()}, player.targets);
    EXPECT_EQ(nullptr, player.selectedTarget);
    EXPECT_EQ(0, blankMeshCount() - 1) << "only the player's own target holds the blank mesh";
    // An object taken out leaves the world and the watching lists but keeps
    // its resources until its new owner lets it go; nothing is left to take
    // or delete a second time.
    SceneObject* carried = add("carried", 0, 0, 0);
    tunnelFloor.push_back(carried);
    const int32_t held = blankMeshCount();
    std::unique_ptr<SceneObject> taken = world.takeSceneObject(carried);
    EXPECT_EQ(carried, taken.get());
    EXPECT_TRUE(world.objects().empty());
    EXPECT_TRUE(tunnelFloor.empty());
    EXPECT_EQ(nullptr, world.takeSceneObject(carried));
    EXPECT_FALSE(world.deleteSceneObject(carried));
    world.clearSceneObjects();
    EXPECT_EQ(held, blankMeshCount()) << "the taken object still holds its mesh";
    taken.reset();
    EXPECT_EQ(held - 1, blankMeshCount());
    // Clearing an empty room does nothing and fails nothing.
    world.clearSceneObjects();
    EXPECT_EQ(kGameStatePlay, gGameState);
}

TEST_F(WorldListTest, TargetsInReachAndInsideTheCone) {
    // The eye stands at (0, 0, 1.5) looking along +X.
    add("far", 3.0001f, 0, 1.5f);
    add("at three", 3.0f, 0, 1.5f);
    add("", 1.0f, 0, 1.5f);
    add("edge", 1.0f, 0.95f, 1.5f);
    add("inside", 1.0f, 0.9f, 1.5f);
    add("behind", -1.0f, 0, 1.5f);
    add("high", 1.0f, 0, 2.21f);
    add("eye", 0, 0, 1.5f);
    rebuildTargetList(player, world);
    EXPECT_EQ((std::vector<std::string>{"yourself", "at three", "inside"}), targetNames());

    // Turned round and looking down, the view frame turns with the player;
    // there is no line-of-sight test, only the cone.
    player.viewAngles.set(0, 0.5f, 3.1415927f);
    world.clearSceneObjects();
    add("below behind", -1.5f, 0, 0.2f);  // outside the cone when looking level
    add("wall", -1.0f, 0, 1.5f)->halfSize.set(0.1f, 5, 5);
    rebuildTargetList(player, world);
    EXPECT_EQ((std::vector<std::string>{"yourself", "below behind", "wall"}), targetNames());
}

TEST_F(WorldListTest, CameraFlightTurnsTheShortWayAndEases) {
    CameraFlight flight;
    gCamera->position.set(0, 0, 0);
    gCamera->rotation.set(0, 0, 0.1f);
    flight.startCameraFlight(Vec3(4, 0, 0), Vec3(0, 0, 6.2f), 1.0f, false);
    flight.stepCameraFlight(1.0f);
    EXPECT_FALSE(flight.isRunning());
    EXPECT_NEAR(-0.1832f, gCamera->rotation.z - flight.flightStartAngles.z, 1e-3f);
    EXPECT_FLOAT_EQ(4.0f, gCamera->position.x);

    // Eased: three quarters of the way at half time.
    gCamera->position.set(0, 0, 0);
    gCamera->rotation.set(0, 0, 0);
    flight.startCameraFlight(Vec3(8, 0, 0), Vec3(0, 0.4f, 0), 2.0f, true);
    flight.stepCameraFlight(1.0f);
    EXPECT_TRUE(flight.isRunning());
    EXPECT_FLOAT_EQ(6.0f, gCamera->position.x);
    EXPECT_FLOAT_EQ(0.3f, gCamera->rotation.y);
    flight.stepCameraFlight(5.0f);
    EXPECT_FALSE(flight.isRunning());
    EXPECT_FLOAT_EQ(8.0f, gCamera->position.x);

    // A flight of 0 or less still ends on the next frame, at the end pose.
    for (float duration : {0.0f, -1.0f}) {
        flight.startCameraFlight(Vec3(1, 2, 3), Vec3(0, 0, 1), duration, false);
        EXPECT_TRUE(flight.isRunning());
        EXPECT_FALSE(isPlayerInControl(-1, false, 0.0f, flight, -1));
        flight.stepCameraFlight(1.0f / 60.0f);
        EXPECT_FALSE(flight.isRunning());
        EXPECT_FLOAT_EQ(3.0f, gCamera->position.z);
        EXPECT_FLOAT_EQ(1.0f, gCamera->rotation.z);
    }
    // Without a flight the world is idle, unless something else waits.
    EXPECT_TRUE(isPlayerInControl(-1, false, -0.5f, flight, -1));
    EXPECT_FALSE(isPlayerInControl(-1, true, 0.0f, flight, -1));
    EXPECT_FALSE(isPlayerInControl(-1, false, 0.0f, flight, 12));
    // Stepping with no flight leaves the camera alone.
    gCamera->position.set(9, 9, 9);
    flight.stepCameraFlight(1.0f);
    EXPECT_FLOAT_EQ(9.0f, gCamera->position.x);
}

}  // namespace
