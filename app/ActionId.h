#ifndef QUENDRALVOSS_APP_ACTIONID_H
#define QUENDRALVOSS_APP_ACTIONID_H

#include <cstdint>

namespace action {

// The player's actions by number: the four verbs, then "use ... on" for each
// item in the order the items are found, the special trick and the treat.
// The numbers are saved and index the caption tables, so they never change.
enum ActionId : int32_t {
    kEmpty = -1,  // an entry shown as "use unknown item on"
    kKnockOn = 0,
    kAsk = 1,
    kTrick = 2,
    kTake = 3,
    kUseRock = 4,
    kUseKey = 5,
    kUseBristles = 6,
    kUseBroomstick = 7,
    kUseFlower = 8,
    kUseHat = 9,
    kUseKnife = 10,
    kUseRope = 11,
    kUseCoin = 12,
    kUseCandle = 13,
    kUseLitCandle = 14,
    kUseBroom = 15,
    kUseBone = 16,
    kUseSpecialTrick = 17,
    kUseTreat = 18,
};

// One past the last action.
const int32_t kActionCount = 19;

}  // namespace action

#endif
