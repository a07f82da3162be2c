#include "tools/RoomVariant.h"

#include "engine/CountOf.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"

namespace {

void noFlags(PlayScreen&) {}
void lateNight(PlayScreen& play) {
    play.story.nightAlmostOver = true;
    play.story.ropeOnPole = true;
}
void pumpkinCarved(PlayScreen& play) { play.story.storyCount33 = 4; }
void tunnelOpen(PlayScreen& play) {
    play.story.storyValue49 = 1.0f;
    play.story.storyValue50 = 0.5f;
    play.story.storyValue52 = 1.0f;
}

}  // namespace

const RoomVariant kRoomVariants[] = {
    {"0 street", room::kStreet, noFlags, 3.5f, 5.01f, 0.0f},
    {"0 late night", room::kStreet, lateNight, 7.0f, 5.01f, 0.0f},
    {"1 garden", room::kGarden, noFlags, -4.6528f, 37.24951f, 0.0f},
    {"1 carved pumpkin", room::kGarden, pumpkinCarved, 11.0f, 24.8f, 0.0f},
    {"1 late night", room::kGarden, lateNight, 11.0f, 24.8f, 0.0f},
    {"2 well", room::kFishPond, noFlags, 0.0f, 0.0f, 0.91f},
    {"3 shed", room::kShed, noFlags, -4.6528f, 39.24951f, 0.0f},
    {"4 hall", room::kHall, noFlags, 12.5f, 30.2f, 0.3f},
    {"5 behind painting", room::kBehindHall, noFlags, 14.1f, 42.3f, 0.3f},
    {"6 upstairs", room::kUpperFloor, noFlags, 10.45f, 43.55f, 7.6f},
    {"7 tunnel", room::kTunnel, noFlags, -1.5f, 5.0f, 0.0f},
    {"7 tunnel open", room::kTunnel, tunnelOpen, -1.5f, 5.0f, 0.0f},
};
const int32_t kRoomVariantCount = COUNT_OF(kRoomVariants);
