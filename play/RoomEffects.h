#ifndef QUENDRALVOSS_PLAY_ROOMEFFECTS_H
#define QUENDRALVOSS_PLAY_ROOMEFFECTS_H

#include "engine/Vec3.h"
#include "play/EffectSlot.h"

class BackdropLayer;
class ClothMesh;
class GroundGrid;
class NoiseOverlay;
class SweepEffect;

// The room's effects, each slot null while the room has none; filled with
// replaceEffect and emptied with clearEffect (play/EffectSlot.h).
struct RoomEffects {
    EffectSlot<GroundGrid> groundGrid;
    EffectSlot<ClothMesh> clothMeshes[4];
    EffectSlot<SweepEffect> sweepEffect;
    EffectSlot<NoiseOverlay> noiseOverlay;
    EffectSlot<BackdropLayer> backdropLayer;

    // Every slot empty.
    RoomEffects();
    // Frees what is left, from the last slot to the first.
    ~RoomEffects();
    RoomEffects(const RoomEffects&) = delete;
    RoomEffects& operator=(const RoomEffects&) = delete;

    // Frees every effect with its release call, in slot order.
    void clearRoomEffects();
    // One frame of every effect present, in slot order: the grid and the
    // cloths follow the player's feet.
    void advanceRoomEffects(const Vec3& feet, float dt);
};

#endif
