#include "app/ActionEntry.h"

ActionEntry::ActionEntry() : actionId(-1) {}

void ActionEntry::constructActionEntry(int32_t id) { actionId = id; }

void ActionEntry::constructEmptyActionEntry() { actionId = -1; }
