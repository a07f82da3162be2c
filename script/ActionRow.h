#ifndef QUENDRALVOSS_SCRIPT_ACTIONROW_H
#define QUENDRALVOSS_SCRIPT_ACTIONROW_H

#include <cstddef>
#include <cstdint>

#include "text/AnswerTexts.h"
#include "text/ObjectNames.h"

class PlayScreen;

// The most target names one row lists.
const int32_t kRowTargetMax = 24;

// The target names of one row; the row applies to a selected target whose
// name equals one of them byte for byte. An empty set matches nothing (the
// action's fall-back row).
struct TargetSet {
    ObjectName names[kRowTargetMax];
    int32_t count;
};

// The set of the given names, at compile time.
template <typename... Names>
constexpr TargetSet targets(Names... names) {
    static_assert(sizeof...(Names) <= kRowTargetMax, "too many targets for one row");
    return TargetSet{{names...}, static_cast<int32_t>(sizeof...(Names))};
}

// The blanks of a row's plain columns.
const int32_t kNoSound = -1;
const int32_t kNoStep = -1;
const int32_t kNoItem = -1;

// A test on the play state; a row whose test fails is passed over.
typedef bool (*RowTest)(const PlayScreen& play);
// The effects of a row beyond its plain answer, sound and step.
typedef void (*RowEffects)(PlayScreen& play);

// One answer row of an action. Applying it shows the answer, plays the sound,
// writes the step, takes the used-up item out of the action list, then runs
// the effects, in that order; each part is optional.
struct ActionRow {
    TargetSet targets;
    RowTest condition;   // null: always
    AnswerText answer;   // kNoAnswer: the panel stays closed
    int32_t sound;       // kNoSound: none, else played on any free channel
    float volume;
    int32_t step;        // kNoStep: the step is left as it is
    int32_t removedAction;  // kNoItem: none, else the ActionId leaving the list
    RowEffects effects;  // null: none
};

// The rows of one action in the order they are tested, and the row applied
// when none of them matches.
struct ActionTable {
    const ActionRow* rows;
    int32_t rowCount;
    const ActionRow* fallback;
};

// The number of rows of a row array, for its table.
template <size_t N>
constexpr int32_t rowCount(const ActionRow (&)[N]) {
    return static_cast<int32_t>(N);
}

// The table of actionId (0..18); null for any other id.
const ActionTable* actionTable(int32_t actionId);

// The tables by group (KnockAskRows.cpp, TrickTakeRows.cpp, UseItemRows.cpp,
// UseToolRows.cpp), indexed through actionTable.
extern const ActionTable kKnockOnTable;
extern const ActionTable kAskTable;
extern const ActionTable kTrickTable;
extern const ActionTable kTakeTable;
extern const ActionTable kUseRockTable;
extern const ActionTable kUseKeyTable;
extern const ActionTable kUseBristlesTable;
extern const ActionTable kUseBroomstickTable;
extern const ActionTable kUseFlowerTable;
extern const ActionTable kUseHatTable;
extern const ActionTable kUseKnifeTable;
extern const ActionTable kUseRopeTable;
extern const ActionTable kUseCoinTable;
extern const ActionTable kUseCandleTable;
extern const ActionTable kUseLitCandleTable;
extern const ActionTable kUseBroomTable;
extern const ActionTable kUseBoneTable;
extern const ActionTable kUseSpecialTrickTable;
extern const ActionTable kUseTreatTable;

#endif
