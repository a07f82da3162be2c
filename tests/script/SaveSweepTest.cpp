// The save sweep over the English table: in every room and story state, each
// answer row and each room rule that starts a scene carried out live, played
// out, saved, loaded, and the rebuilt world held against the one the player
// left (support/SaveSweep.h).
#include "support/SaveSweepCases.h"
