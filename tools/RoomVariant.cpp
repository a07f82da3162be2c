#include "tools/RoomVariant.h"

#include "engine/CountOf.h"
#include "play/PlayScreen.h"

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
    {"0 street", 0, noFlags, 3.5f, 5.01f, 0.0f},
    {"0 late night", 0, lateNight, 7.0f, 5.01f, 0.0f},
    {"1 garden", 1, noFlags, -4.6528f, 37.24951f, 0.0f},
    {"1 carved pumpkin", 1, pumpkinCarved, 11.0f, 24.8f, 0.0f},
    {"1 late night", 1, lateNight, 11.0f, 24.8f, 0.0f},
    {"2 well", 2, noFlags, 0.0f, 0.0f, 0.91f},
    {"3 shed", 3, noFlags, -4.6528f, 39.24951f, 0.0f},
    {"4 hall", 4, noFlags, 12.5f, 30.2f, 0.3f},
    {"5 behind painting", 5, noFlags, 14.1f, 42.3f, 0.3f},
    {"6 upstairs", 6, noFlags, 10.45f, 43.55f, 7.6f},
    {"7 tunnel", 7, noFlags, -1.5f, 5.0f, 0.0f},
    {"7 tunnel open", 7, tunnelOpen, -1.5f, 5.0f, 0.0f},
};
const int32_t kRoomVariantCount = COUNT_OF(kRoomVariants);
