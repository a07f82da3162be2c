#include "script/ActionResolver.h"

#include <string>

#include "app/ActionEntry.h"
#include "engine/CountOf.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "script/ActionRow.h"
#include "script/RowParts.h"

// The action resolver: the world's answer to the chosen action on the chosen
// target. It never waits; longer scenes go to the world script through the
// step, the step delay, a camera flight or a pending room.

namespace {

// By ActionId: knock on, ask, trick, take, then the use actions in item order.
const ActionTable* const kActionTables[] = {
    &kKnockOnTable,      &kAskTable,          &kTrickTable,           &kTakeTable,
    &kUseRockTable,      &kUseKeyTable,       &kUseBristlesTable,     &kUseBroomstickTable,
    &kUseFlowerTable,    &kUseHatTable,       &kUseKnifeTable,        &kUseRopeTable,
    &kUseCoinTable,      &kUseCandleTable,    &kUseLitCandleTable,    &kUseBroomTable,
    &kUseBoneTable,      &kUseSpecialTrickTable, &kUseTreatTable,
};
const int32_t kActionTableCount = COUNT_OF(kActionTables);
static_assert(sizeof(kActionTables) / sizeof(kActionTables[0]) == 19, "one table for every ActionId");

bool rowNamesTarget(const ActionRow& row, const std::string& name) {
    for (int32_t k = 0; k < row.targets.count; ++k) {
        if (name == objectName(row.targets.names[k])) {
            return true;
        }
    }
    return false;
}

// The first row for the target whose condition holds, else the fall-back.
const ActionRow& chooseRow(const ActionTable& table, const PlayScreen& play, const std::string& name) {
    for (int32_t k = 0; k < table.rowCount; ++k) {
        const ActionRow& row = table.rows[k];
        if (rowNamesTarget(row, name) && (!row.condition || row.condition(play))) {
            return row;
        }
    }
    return *table.fallback;
}

void applyRow(PlayScreen& play, const ActionRow& row) {
    if (row.answer != kNoAnswer) {
        showAnswer(play, row.answer);
    }
    if (row.sound >= 0) {
        playRowSound(row.sound, row.volume);
    }
    if (row.step >= 0) {
        play.script.scriptStep = row.step;
    }
    if (row.removedAction >= 0) {
        play.player.removeActionById(row.removedAction);
    }
    if (row.effects) {
        row.effects(play);
    }
}

// Two objects stand where they can only be touched from one corner of the
// room; the bounds are strict.
bool outOfReach(const std::string& name, const Vec3& feet) {
    if (name == objectName(kObjBigPumpkin)) {
        return !(feet.x > 14.0f && feet.y > 25.5f);
    }
    if (name == objectName(kObjDoor)) {
        return !(feet.x > 11.05f && feet.y > 27.0f);
    }
    return false;
}

}  // namespace

const ActionRow* chooseActionRow(const PlayScreen& play, int32_t actionId, const std::string& name) {
    const ActionTable* table = actionTable(actionId);
    return table ? &chooseRow(*table, play, name) : nullptr;
}

const ActionTable* actionTable(int32_t actionId) {
    if (actionId < 0 || actionId >= kActionTableCount) {
        return nullptr;
    }
    return kActionTables[actionId];
}

void performAction(PlayScreen& play) {
    play.rebuildTargetList();
    if (play.player.actions().empty() || play.player.targets.empty()) {
        return;
    }
    // A corrected choice is shown in the caption; the player executes again.
    if (play.player.validateCurrentAction() || play.player.validateCurrentTarget()) {
        return;
    }
    // The row may destroy the target (a pick-up), so its name is kept.
    const std::string name = play.player.selectedTarget->name;
    if (outOfReach(name, play.player.position)) {
        showAnswer(play, kAnsCantReach);
        return;
    }
    const ActionRow* row = chooseActionRow(play, play.player.selectedAction->actionId, name);
    if (!row) {
        showAnswer(play, kAnsUnknownAction);
        return;
    }
    applyRow(play, *row);
}
