#include "app/Costume.h"

int32_t gCostume = kCostumeNone;

namespace {

// The costumes of each order, by CostumeOrder, in the order they are looked at.
const CostumeValue kOrders[][3] = {
    {kCostumeGhost, kCostumeWerewolf, kCostumeDeath},
    {kCostumeDeath, kCostumeWerewolf, kCostumeGhost},
    {kCostumeWerewolf, kCostumeGhost, kCostumeDeath},
};

bool flagSet(const CostumeFlags& flags, CostumeValue costume) {
    return forCostume(costume, flags.ghost, flags.werewolf, flags.death, false);
}

}  // namespace

CostumeValue costumeWorn(const CostumeFlags& flags, CostumeOrder order) {
    for (CostumeValue costume : kOrders[order]) {
        if (flagSet(flags, costume)) {
            return costume;
        }
    }
    return kCostumeNone;
}
