// The rooms' rule tables as data: every exit leads to another room and every
// trigger to a step the world script runs, no box is empty, and the way home
// takes in the edges of its spot where the other boxes leave theirs out.
#include <set>
#include <string>

#include "ResolverHarness.h"

#include "play/RoomId.h"
#include "script/RoomRule.h"
#include "script/StepIds.h"
#include "script/StepRow.h"

using namespace resolvertest;

namespace {

bool someSceneRuns(int32_t step) {
    for (int32_t s = 0; s < kStepSceneCount; ++s) {
        const SceneSteps& scene = *kStepScenes[s];
        for (int32_t k = 0; k < scene.rowCount; ++k) {
            if (scene.rows[k].step == step) return true;
        }
        for (int32_t k = 0; k < scene.recordCount; ++k) {
            if (scene.records[k].step == step) return true;
        }
    }
    return false;
}

bool isRoom(int32_t n) { return n >= room::kStreet && n <= room::kTunnel; }

bool holdsSomething(const RuleSpan& span) { return span.closed ? span.low <= span.high : span.low < span.high; }

TEST(RoomRuleTablesTest, EveryRuleLeadsToAnotherRoomOrARunningStep) {
    std::set<const RoomRuleTable*> tables;
    int32_t rules = 0;
    for (int32_t t = 0; t < kRoomRuleTableCount; ++t) {
        const RoomRuleTable& table = *kRoomRuleTables[t];
        EXPECT_TRUE(tables.insert(&table).second) << "table " << t << " listed twice";
        ASSERT_TRUE(isRoom(table.room)) << "table " << t;
        for (int32_t k = 0; k < table.ruleCount; ++k) {
            const RoomRule& rule = table.rules[k];
            SCOPED_TRACE("room " + std::to_string(table.room) + " rule " + std::to_string(k));
            if (rule.room != room::kNone) {
                EXPECT_TRUE(isRoom(rule.room)) << rule.room;
                EXPECT_NE(table.room, rule.room);
            }
            if (rule.step != kNoStep) {
                EXPECT_TRUE(someSceneRuns(rule.step)) << rule.step;
            }
            EXPECT_TRUE(rule.room != room::kNone || rule.step != kNoStep || rule.effects) << "a rule doing nothing";
            EXPECT_TRUE(holdsSomething(rule.x) && holdsSomething(rule.y) && holdsSomething(rule.z));
            EXPECT_TRUE(rule.control == kAnyTime || rule.control == kInControl);
            ++rules;
        }
    }
    EXPECT_EQ(7, kRoomRuleTableCount);
    EXPECT_EQ(16, rules);
}

class RoomRuleEdgesTest : public ResolverTest {};

// Standing exactly on an edge of the way home's spot, facing the door at either
// end of the turn, still takes the player home; the hall's exit at y 29.25
// and the far end's heights 3.5 and 7.25 lead nowhere on their edges.
TEST_F(RoomRuleEdgesTest, TheWayHomeTakesInItsEdgesTheExitsLeaveThemOut) {
    const struct {
        float x, y, yaw;
    } edges[] = {{-12.4f, -3.4f, 1.3089969f}, {-11.6f, -3.0f, 1.8325957f}, {-12.0f, -3.4f, 1.5708f}};
    for (const auto& e : edges) {
        SCOPED_TRACE(std::to_string(e.x) + ", " + std::to_string(e.y) + " yaw " + std::to_string(e.yaw));
        freshWorld();
        PlayScreen& p = play();
        p.story.storyValue52 = 1.0f;
        p.player.position.set(e.x, e.y, 0.0f);
        p.player.viewAngles.set(0.0f, 0.0f, e.yaw);
        applyRoomRules(p, kTunnelWayHomeRules);
        EXPECT_EQ(step::kTimelyReturn, p.script.scriptStep);
    }
    const struct {
        float x, y, z;
    } onEdge[] = {{14.0f, 29.25f, 0.0f}, {12.0f, 42.0f, 3.5f}, {12.0f, 42.0f, 7.25f}, {10.3f, 42.0f, 1.0f}};
    for (const auto& e : onEdge) {
        SCOPED_TRACE(std::to_string(e.x) + ", " + std::to_string(e.y) + ", " + std::to_string(e.z));
        freshWorld();
        PlayScreen& p = play();
        p.player.position.set(e.x, e.y, e.z);
        applyRoomRules(p, kHallRules);
        EXPECT_EQ(room::kNone, p.world.pendingRoom);
    }
}

}  // namespace
