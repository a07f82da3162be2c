// The live-against-rebuilt comparison of the save sweep and the playthroughs
// (support/WorldRecords.h): what it lets through and what it names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/RoomId.h"
#include "support/WorldRecords.h"

namespace {

using playtest::compareEffects;
using playtest::compareWorlds;
using playtest::GlowRecord;
using playtest::ObjectRecord;

ObjectRecord glowingDog() {
    ObjectRecord r;
    r.name = "dog";
    r.mesh = 122;
    r.texture = 51;
    GlowRecord eye;
    eye.vertex = 505;
    eye.extent.set(0.1f, 0.27f, 0.54f);
    eye.colour[0] = eye.colour[1] = 0.8039216f;
    eye.colour[2] = 0.0627451f;
    eye.colour[3] = 1.0f;
    r.glowList = {eye, eye};
    r.glows = 2;
    return r;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(WorldRecordsTest, AGlowsLastDigitPassesButADriftIsNamedWithBothValues) {
    const ObjectRecord live = glowingDog();
    ObjectRecord rebuilt = live;
    rebuilt.glowList[1].colour[0] = rebuilt.glowList[1].colour[1] = 0.803922f;
    EXPECT_EQ("", compareWorlds(room::kGarden, {live}, {rebuilt}));

    rebuilt.glowList[1].colour[3] = 0.5f;
    const std::string drift = compareWorlds(room::kGarden, {live}, {rebuilt});
    EXPECT_TRUE(contains(drift, "glow 1 colour: live (0.8039216, 0.8039216, 0.0627451, 1), rebuilt")) << drift;

    rebuilt = live;
    rebuilt.glowList[0].extent.x = 0.2f;
    rebuilt.glowList[0].texture = 7;
    const std::string moved = compareWorlds(room::kGarden, {live}, {rebuilt});
    EXPECT_TRUE(contains(moved, "glow 0 textures")) << moved;
}

TEST(WorldRecordsTest, ACyclingGlowKeepsOnlyItsAlpha) {
    ObjectRecord live = glowingDog();
    for (GlowRecord& g : live.glowList) g.colourCycling = true;
    ObjectRecord rebuilt = live;
    rebuilt.glowList[0].colour[0] = 0.2f;
    EXPECT_EQ("", compareWorlds(room::kBehindHall, {live}, {rebuilt}));
    rebuilt.glowList[0].colour[3] = 0.2f;
    EXPECT_NE("", compareWorlds(room::kBehindHall, {live}, {rebuilt}));
}

TEST(WorldRecordsTest, TheSpeedAlwaysCountsTheMeshTimeOnlyInAHeldPose) {
    ObjectRecord live;
    live.name = "big pumpkin";
    live.mesh = 135;
    live.animSpeed = 0.0f;
    live.animTime = 50.0f;
    ObjectRecord rebuilt = live;
    rebuilt.animSpeed = 1.0f;
    const std::string speed = compareWorlds(room::kGarden, {live}, {rebuilt});
    EXPECT_TRUE(contains(speed, "animation speed: live 0, rebuilt 1;")) << speed;

    rebuilt.animSpeed = 0.0f;
    rebuilt.animTime = 0.0f;
    const std::string held = compareWorlds(room::kGarden, {live}, {rebuilt});
    EXPECT_TRUE(contains(held, "held mesh time: live 50, rebuilt 0;")) << held;

    live.animSpeed = rebuilt.animSpeed = 2.0f;
    EXPECT_EQ("", compareWorlds(room::kGarden, {live}, {rebuilt})) << "a running clock is not saved";
}

TEST(WorldRecordsTest, OnlyTheTunnelsMovingRingsDrawTheirSpeeds) {
    ObjectRecord live;
    live.mesh = 245;
    live.animSpeed = 1.2f;
    live.lists = playtest::kInRowList;
    ObjectRecord rebuilt = live;
    rebuilt.animSpeed = 1.6f;
    EXPECT_EQ("", compareWorlds(room::kTunnel, {live}, {rebuilt}));
    EXPECT_NE("", compareWorlds(room::kGarden, {live}, {rebuilt}));
    live.lists = rebuilt.lists = 0;
    EXPECT_NE("", compareWorlds(room::kTunnel, {live}, {rebuilt}));
}

TEST(WorldRecordsTest, TheLookBeyondThePlaceIsCompared) {
    ObjectRecord live;
    live.name = "hat";
    live.mesh = 30;
    live.rotation.set(-0.1047198f, 0.6108652f, -1.64061f);
    ObjectRecord rebuilt = live;
    rebuilt.rotation.set(-6.0f, 35.0f, -94.0f);
    EXPECT_TRUE(contains(compareWorlds(room::kStreet, {live}, {rebuilt}), "rotation: live")) << "degrees for radians";
    rebuilt = live;
    rebuilt.secondPassShown = false;
    EXPECT_NE("", compareWorlds(room::kStreet, {live}, {rebuilt}));
    rebuilt = live;
    rebuilt.fadeSource = 31;
    EXPECT_NE("", compareWorlds(room::kStreet, {live}, {rebuilt}));
    rebuilt = live;
    rebuilt.drawDistance = 20.0f;
    EXPECT_TRUE(contains(compareWorlds(room::kStreet, {live}, {rebuilt}), "draw distance: live 0, rebuilt 20;"));
}

TEST(WorldRecordsTest, EachEffectPropertyIsNamedWhereTheBuildsDiffer) {
    const std::map<std::string, std::string> live = {{"grid", "present"}, {"grid source", "40, 13 radius 1"}};
    std::map<std::string, std::string> rebuilt = live;
    EXPECT_EQ("", compareEffects(live, rebuilt));
    rebuilt["grid source"] = "40, 40 radius 1";
    rebuilt["sweep"] = "present";
    EXPECT_EQ("\n    effect grid source: live 40, 13 radius 1, rebuilt 40, 40 radius 1"
              "\n    effect sweep: live -, rebuilt present",
              compareEffects(live, rebuilt));
}

}  // namespace
