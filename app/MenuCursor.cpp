#include "app/MenuCursor.h"

#include "app/InputActions.h"
#include "app/MenuSounds.h"

namespace {
// Moves selected by step when pressed and the entry there exists.
void stepCursor(int32_t& selected, bool pressed, int32_t step, int32_t first, int32_t last) {
    const int32_t next = selected + step;
    if (pressed && next >= first && next <= last) {
        selected = next;
        playMenuMoveSound();
    }
}
}  // namespace

void moveMenuCursorVertically(int32_t& selected, int32_t last) {
    stepCursor(selected, inputUp(true), -1, 0, last);
    stepCursor(selected, inputDown(true), 1, 0, last);
}

void moveMenuCursorAcross(int32_t& selected, int32_t first, int32_t last) {
    stepCursor(selected, inputLeft(true), -1, first, last);
    stepCursor(selected, inputRight(true), 1, first, last);
}
