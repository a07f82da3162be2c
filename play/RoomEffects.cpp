#include "play/RoomEffects.h"

#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/SweepEffect.h"

RoomEffects::RoomEffects() = default;

RoomEffects::~RoomEffects() = default;

void RoomEffects::clearRoomEffects() {
    clearEffect(groundGrid);
    for (EffectSlot<ClothMesh>& cloth : clothMeshes) {
        clearEffect(cloth);
    }
    clearEffect(sweepEffect);
    clearEffect(noiseOverlay);
    clearEffect(backdropLayer);
}

void RoomEffects::advanceRoomEffects(const Vec3& feet, float dt) {
    if (groundGrid) {
        groundGrid->animateGroundGrid(feet.x, feet.y, feet.z, dt);
    }
    for (const EffectSlot<ClothMesh>& cloth : clothMeshes) {
        if (cloth) {
            cloth->stepClothMesh(feet.x, feet.y, feet.z, dt);
        }
    }
    if (sweepEffect) {
        sweepEffect->updateSweepEffect(dt);
    }
    if (noiseOverlay) {
        noiseOverlay->updateNoiseOverlay(dt);
    }
    if (backdropLayer) {
        backdropLayer->advanceBackdropLayer(dt);
    }
}
