#ifndef QUENDRALVOSS_TEXT_OBJECTNAMES_H
#define QUENDRALVOSS_TEXT_OBJECTNAMES_H

#include <cstdint>

// The names by which the story finds its scene objects. The room builder, the
// action resolver and the script steps all name objects through these ids, so
// a misspelt name cannot compile into a lookup that silently misses. The
// German table holds the German build's names; a few are the same in both.
enum ObjectName : int32_t {
    kObjLock,
    kObjFlower,
    kObjRock,
    kObjKey,
    kObjCrack,
    kObjBristles,
    kObjBroomstick,
    kObjSpacedLock,  // " lock ", the coin machine's lock: a different target
    kObjCandle,
    kObjLeftSlider,
    kObjRightSlider,
    kObjCoinSlot,
    kObjSomething,
    kObjMonique,
    kObjHat,
    kObjFollowedLeader,
    kObjKnife,
    kObjStationaryWitch,
    kObjShadyCat,
    kObjHomelessSkeleton,
    kObjGate,
    kObjGate1,
    kObjSleepingSnake,
    kObjRightBirdStatue,
    kObjLeftBirdStatue,
    kObjBone,
    kObjDog,
    kObjBigPumpkin,
    kObjDoor,
    kObjFishPerson,
    kObjBigPainting,
    kObjGoatPerson,
    kObjDust,
    kObjPerson,
    kObjLetter,
    kObjLetter1,
    kObjLetter2,
    kObjTunnelStart1,
    kObjTunnelStart2,
    kObjTunnelWall1,
    kObjTunnelWall2,
    kObjEye1,
    kObjEye2,
    kObjTmp,
    kObjYou,
    kObjRat,
    kObjSkeleton,
    // Further targets of the action resolver's rows.
    kObjBat,
    kObjBox,
    kObjBricks,
    kObjBroom,
    kObjChair,
    kObjSpacedChair,  // " chair ", a different target
    kObjCoins,
    kObjCrystalBall,
    kObjDogHouse,
    kObjSpacedDoor,  // " door ", a different target
    kObjDustyShelf,
    kObjInstantPicture,
    kObjMedicalEquipment,
    kObjPillar,
    kObjPole,
    kObjRope,
    kObjRoundDrawings,
    kObjSmallPaintings,
    kObjSmallPictures,
    kObjSpider,
    kObjTable,
    kObjTrapdoor,
    kObjTreat,
    kObjWell,
    kObjYourself,  // the player's own default target
    kObjPlanks,
    kObjectNameCount
};

namespace text {
// One name per id, in the language of the build (TextEn.cpp, TextDe.cpp).
extern const char* const kObjectNames[kObjectNameCount];
}  // namespace text

// The name of object id in this build.
inline const char* objectName(ObjectName id) { return text::kObjectNames[id]; }

#endif
