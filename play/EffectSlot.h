#ifndef QUENDRALVOSS_PLAY_EFFECTSLOT_H
#define QUENDRALVOSS_PLAY_EFFECTSLOT_H

#include <memory>

class BackdropLayer;
class ClothMesh;
class GroundGrid;
class NoiseOverlay;
class SweepEffect;

// Frees a room effect the way its kind asks: first its own release call
// (which gives back its cache references and, for the noise overlay, the
// camera's field of view), then the delete.
struct EffectRelease {
    void operator()(GroundGrid* grid) const;
    void operator()(ClothMesh* cloth) const;
    void operator()(SweepEffect* sweep) const;
    void operator()(NoiseOverlay* noise) const;
    void operator()(BackdropLayer* backdrop) const;
};

// One room effect of the play screen, null while the room has none. Whatever
// empties it goes through EffectRelease, so an effect is never deleted
// without its release call.
template <typename T>
using EffectSlot = std::unique_ptr<T, EffectRelease>;

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
    slot.reset(new T());
    return *slot;
}

#endif
