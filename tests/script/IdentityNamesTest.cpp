// The names of the actions and rooms against the tables they index: a name
// that drifted from its number would answer with another action's rows or
// build another room.
#include <gtest/gtest.h>

#include "app/ActionId.h"
#include "play/RoomId.h"
#include "play/RoomTables.h"
#include "script/ActionRow.h"

TEST(IdentityNamesTest, EachActionNameIndexesItsOwnTable) {
    const struct {
        action::ActionId id;
        const ActionTable* table;
    } cases[] = {
        {action::kKnockOn, &kKnockOnTable},
        {action::kAsk, &kAskTable},
        {action::kTrick, &kTrickTable},
        {action::kTake, &kTakeTable},
        {action::kUseRock, &kUseRockTable},
        {action::kUseKey, &kUseKeyTable},
        {action::kUseBristles, &kUseBristlesTable},
        {action::kUseBroomstick, &kUseBroomstickTable},
        {action::kUseFlower, &kUseFlowerTable},
        {action::kUseHat, &kUseHatTable},
        {action::kUseKnife, &kUseKnifeTable},
        {action::kUseRope, &kUseRopeTable},
        {action::kUseCoin, &kUseCoinTable},
        {action::kUseCandle, &kUseCandleTable},
        {action::kUseLitCandle, &kUseLitCandleTable},
        {action::kUseBroom, &kUseBroomTable},
        {action::kUseBone, &kUseBoneTable},
        {action::kUseSpecialTrick, &kUseSpecialTrickTable},
        {action::kUseTreat, &kUseTreatTable},
    };
    ASSERT_EQ(action::kActionCount, static_cast<int32_t>(sizeof(cases) / sizeof(cases[0])));
    for (const auto& c : cases) EXPECT_EQ(c.table, actionTable(c.id)) << c.id;
    EXPECT_EQ(nullptr, actionTable(action::kEmpty));
    EXPECT_EQ(nullptr, actionTable(action::kActionCount));
}

TEST(IdentityNamesTest, TheRoomNamesSpanExactlyTheRooms) {
    EXPECT_FALSE(isRoomNumber(room::kNone));
    EXPECT_TRUE(isRoomNumber(room::kStreet));
    EXPECT_TRUE(isRoomNumber(room::kTunnel));
    EXPECT_FALSE(isRoomNumber(room::kTunnel + 1));
}
