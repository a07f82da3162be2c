#ifndef QUENDRALVOSS_APP_COSTUME_H
#define QUENDRALVOSS_APP_COSTUME_H

#include <cstdint>

// The costume chosen in the intro; the play world copies it into its flags.
enum CostumeValue : int32_t { kCostumeNone = -1, kCostumeDeath = 0, kCostumeGhost = 1, kCostumeWerewolf = 2 };

// kCostumeNone until the intro's first choice, then 0..2.
extern int32_t gCostume;

// The play state's three costume flags. A new game sets one; a save may
// carry any mix of them, so each reader names the order it looks in.
struct CostumeFlags {
    bool ghost;
    bool werewolf;
    bool death;
};

// The orders in which the flags are looked at, the first set one winning.
enum CostumeOrder : int32_t { kGhostWerewolfDeath, kDeathWerewolfGhost, kWerewolfGhostDeath };

// The costume named by the first set flag in order; kCostumeNone when none is set.
CostumeValue costumeWorn(const CostumeFlags& flags, CostumeOrder order);

// The one of ghost, werewolf and death that costume names; none for any other value.
template <typename T>
T forCostume(CostumeValue costume, T ghost, T werewolf, T death, T none) {
    switch (costume) {
    case kCostumeGhost:
        return ghost;
    case kCostumeWerewolf:
        return werewolf;
    case kCostumeDeath:
        return death;
    default:
        return none;
    }
}

#endif
