#include "play/EffectSlot.h"

#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/SweepEffect.h"

namespace {

// The effect's own release call, then the delete.
template <typename T, void (T::*release)()>
void releaseAndDelete(T* effect) {
    (effect->*release)();
    delete effect;
}

}  // namespace

void EffectRelease::operator()(GroundGrid* grid) const {
    releaseAndDelete<GroundGrid, &GroundGrid::destroyGroundGrid>(grid);
}

void EffectRelease::operator()(ClothMesh* cloth) const {
    releaseAndDelete<ClothMesh, &ClothMesh::freeClothMesh>(cloth);
}

void EffectRelease::operator()(SweepEffect* sweep) const {
    releaseAndDelete<SweepEffect, &SweepEffect::destroySweepEffect>(sweep);
}

void EffectRelease::operator()(NoiseOverlay* noise) const {
    releaseAndDelete<NoiseOverlay, &NoiseOverlay::releaseNoiseOverlay>(noise);
}

void EffectRelease::operator()(BackdropLayer* backdrop) const {
    releaseAndDelete<BackdropLayer, &BackdropLayer::freeBackdropLayer>(backdrop);
}
