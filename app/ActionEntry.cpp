#include "app/ActionEntry.h"

#include "app/ActionId.h"

ActionEntry constructActionEntry(int32_t actionId) {
    ActionEntry entry;
    entry.actionId = actionId;
    return entry;
}

ActionEntry constructEmptyActionEntry() { return constructActionEntry(action::kEmpty); }
