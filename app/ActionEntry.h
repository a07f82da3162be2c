#ifndef QUENDRALVOSS_APP_ACTIONENTRY_H
#define QUENDRALVOSS_APP_ACTIONENTRY_H

#include <cstdint>

// One record of the player's action list (the inventory): an ActionId, or -1
// for an entry shown as "use unknown item on".
struct ActionEntry {
    int32_t actionId;
};

// An entry holding actionId as given.
ActionEntry constructActionEntry(int32_t actionId);
// An entry holding -1.
ActionEntry constructEmptyActionEntry();

#endif
