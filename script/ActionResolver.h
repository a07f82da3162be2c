#ifndef QUENDRALVOSS_SCRIPT_ACTIONRESOLVER_H
#define QUENDRALVOSS_SCRIPT_ACTIONRESOLVER_H

#include <cstdint>
#include <string>

class PlayScreen;
struct ActionRow;

// The row that carrying out actionId on a target named name applies in play's
// present state: the first row naming the target whose condition holds, else
// the action's fall-back; null for an id without a table.
const ActionRow* chooseActionRow(const PlayScreen& play, int32_t actionId, const std::string& name);

// Carries out the chosen action on the chosen target: the matching answer
// row of the action's table, or a correction of the choice.
void performAction(PlayScreen& play);

#endif
