#ifndef QUENDRALVOSS_SCRIPT_ROOMRULE_H
#define QUENDRALVOSS_SCRIPT_ROOMRULE_H

#include <cstddef>
#include <cstdint>
#include <limits>

#include "script/ActionRow.h"

class PlayScreen;
class Vec3;

// The exits and triggers of the rooms: where the player must stand, what
// must hold, and the room or step that follows. The rooms' limits, wrapping
// and ambient movement stay functions (RoomBehaviour.cpp, Room7Behaviour.cpp).

// One axis of a rule's box: low < v < high, or low <= v <= high when closed.
struct RuleSpan {
    float low;
    float high;
    bool closed;
};

constexpr float kEndless = std::numeric_limits<float>::infinity();

// The spans by their bounds: anywhere, above low, below high, strictly
// between, and from low on or between with the ends included.
constexpr RuleSpan anywhere() { return RuleSpan{-kEndless, kEndless, false}; }
constexpr RuleSpan over(float low) { return RuleSpan{low, kEndless, false}; }
constexpr RuleSpan under(float high) { return RuleSpan{-kEndless, high, false}; }
constexpr RuleSpan between(float low, float high) { return RuleSpan{low, high, false}; }
constexpr RuleSpan atLeast(float low) { return RuleSpan{low, kEndless, true}; }
constexpr RuleSpan within(float low, float high) { return RuleSpan{low, high, true}; }

// Whether a rule waits until the player is in control (isPlayerInControl).
enum RuleControl : int32_t {
    kAnyTime,
    kInControl,
};

// One exit or trigger of a room. It applies when the player's position lies
// in the box (x, y, z), the control test passes and the condition holds;
// applying it runs the effects, then writes the room, then the step.
struct RoomRule {
    RuleSpan x;
    RuleSpan y;
    RuleSpan z;
    RowTest condition;    // null: always
    RuleControl control;
    int32_t room;         // room::kNone: none, else the pending room
    int32_t step;         // kNoStep: the step is left as it is
    RowEffects effects;   // null: none
};

// The rules of one room's behaviour in the order they are tested. Every rule
// that applies does, so a rule sees what the rules before it changed.
struct RoomRuleTable {
    int32_t room;
    const RoomRule* rules;
    int32_t ruleCount;
};

// The number of rules of a rule array, for its table.
template <size_t N>
constexpr int32_t ruleCount(const RoomRule (&)[N]) {
    return static_cast<int32_t>(N);
}

// Whether position lies in the rule's box.
bool ruleBoxHolds(const RoomRule& rule, const Vec3& position);
// Applies every rule of table that applies, in order.
void applyRoomRules(PlayScreen& play, const RoomRuleTable& table);

// The tables by room (RoomBehaviour.cpp, Room7Behaviour.cpp). Room 7 tests
// the hall's rules before the eyes open further and the way home after.
extern const RoomRuleTable kStreetRules;
extern const RoomRuleTable kGardenRules;
extern const RoomRuleTable kHallRules;
extern const RoomRuleTable kBehindHallRules;
extern const RoomRuleTable kUpperFloorRules;
extern const RoomRuleTable kTunnelHallRules;
extern const RoomRuleTable kTunnelWayHomeRules;

// Every table, for checks over all rules.
extern const RoomRuleTable* const kRoomRuleTables[];
extern const int32_t kRoomRuleTableCount;

#endif
