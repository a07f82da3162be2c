#ifndef QUENDRALVOSS_APP_MENUCURSOR_H
#define QUENDRALVOSS_APP_MENUCURSOR_H

#include <cstdint>

// Moves the selection of a column of entries 0..last by the up and the down
// input, read in that order and consumed: one entry per press, never past
// either end, each step with the menu's move sound.
void moveMenuCursorVertically(int32_t& selected, int32_t last);
// The same for a row of choices first..last, moved by the left and the right
// input.
void moveMenuCursorAcross(int32_t& selected, int32_t first, int32_t last);

#endif
