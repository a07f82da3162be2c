// The rooms the bench and the tour visit: each must put the player where the
// room can be seen, standing on its floor, not inside an object (where the
// player would rise through it and the pictures would show only fog).
#include <gtest/gtest.h>

#include "play/RoomId.h"
#include "support/PlayHarness.h"
#include "tools/RoomVariant.h"

using namespace playtest;

TEST(RoomVariantTest, EveryVariantStandsThePlayerClearOnTheFloor) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    PlayScreen& p = play(s);
    for (int32_t n = 0; n < kRoomVariantCount; ++n) {
        const RoomVariant& v = kRoomVariants[n];
        p.resetPlayState();
        p.enterRoom(room::kNone);
        v.flags(p);
        p.enterRoom(v.room);
        p.player.position.set(v.x, v.y, v.z);
        // The tour's settling time, then a second more: a player who stands
        // stays where it stands.
        s.frames(40);
        const float settled = p.player.position.z;
        s.frames(22);
        EXPECT_EQ(v.room, p.world.room) << v.label;
        EXPECT_EQ("", objectsHoldingPlayer(p)) << v.label;
        EXPECT_NEAR(settled, p.player.position.z, 0.01f) << v.label << " is still rising or falling";
        EXPECT_LT(p.player.position.z - v.z, 1.5f) << v.label << " rose above the room";
    }
}
