#ifndef QUENDRALVOSS_PLAY_EFFECTSLOT_H
#define QUENDRALVOSS_PLAY_EFFECTSLOT_H

#include <memory>

// One room effect of the play screen, null while the room has none. Every
// effect's destructor runs its own release call (which gives back its cache
// references and, for the noise overlay, the camera's field of view; the
// ground grid holds nothing), so an effect never goes without it.
template <typename T>
using EffectSlot = std::unique_ptr<T>;

// Frees the effect in slot, if any, with its release call; the slot is empty.
template <typename T>
void clearEffect(EffectSlot<T>& slot) {
    slot.reset();
}

// Frees the effect in slot, if any, with its release call, then installs a
// new default-made effect and returns it for its create call.
template <typename T>
T& replaceEffect(EffectSlot<T>& slot) {
    clearEffect(slot);
    slot = std::make_unique<T>();
    return *slot;
}

#endif
