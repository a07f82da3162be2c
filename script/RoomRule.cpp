#include "script/RoomRule.h"

#include "engine/CountOf.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"

namespace {

bool spanHolds(const RuleSpan& span, float v) {
    return span.closed ? span.low <= v && v <= span.high : span.low < v && v < span.high;
}

}  // namespace

const RoomRuleTable* const kRoomRuleTables[] = {
    &kStreetRules, &kGardenRules, &kHallRules, &kBehindHallRules, &kUpperFloorRules, &kTunnelHallRules,
    &kTunnelWayHomeRules,
};
const int32_t kRoomRuleTableCount = COUNT_OF(kRoomRuleTables);

bool ruleBoxHolds(const RoomRule& rule, const Vec3& position) {
    return spanHolds(rule.x, position.x) && spanHolds(rule.y, position.y) && spanHolds(rule.z, position.z);
}

void applyRoomRules(PlayScreen& play, const RoomRuleTable& table) {
    for (int32_t k = 0; k < table.ruleCount; ++k) {
        const RoomRule& rule = table.rules[k];
        if (!ruleBoxHolds(rule, play.player.position)) continue;
        if (rule.control == kInControl && !play.isPlayerInControl()) continue;
        if (rule.condition && !rule.condition(play)) continue;
        if (rule.effects) rule.effects(play);
        if (rule.room != room::kNone) play.world.pendingRoom = rule.room;
        if (rule.step != kNoStep) play.script.scriptStep = rule.step;
    }
}
