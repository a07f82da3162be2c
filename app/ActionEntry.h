#ifndef QUENDRALVOSS_APP_ACTIONENTRY_H
#define QUENDRALVOSS_APP_ACTIONENTRY_H

#include <cstdint>

// One record of the player's action list (the inventory): one ActionId
// (0 knock on, 1 ask, 2 trick, 3 take, 4..18 the use actions); -1 marks the
// placeholder entry made when the list was found empty.
class ActionEntry {
public:
    // An entry of -1 until one of the two constructors below runs.
    ActionEntry();

    // Stores id.
    void constructActionEntry(int32_t id);
    // Stores -1, the placeholder.
    void constructEmptyActionEntry();

    int32_t actionId;
};

#endif
