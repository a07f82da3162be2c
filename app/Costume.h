#ifndef QUENDRALVOSS_APP_COSTUME_H
#define QUENDRALVOSS_APP_COSTUME_H

#include <cstdint>

// The costume chosen in the intro; the play world copies it into its flags.
enum CostumeValue : int32_t { kCostumeDeath = 0, kCostumeGhost = 1, kCostumeWerewolf = 2 };

// -1 until the intro's first choice, then 0..2.
extern int32_t gCostume;

#endif
