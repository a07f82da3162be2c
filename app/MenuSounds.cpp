#include "app/MenuSounds.h"

#include "catalog/ResourceCatalog.h"
#include "engine/ResourcesByNumber.h"

namespace {
const float kMoveVolume = 0.6f;
const float kConfirmVolume = 0.8f;
const float kPauseVolume = 0.8f;
}  // namespace

void playMenuMoveSound() { playSoundOnChannel1(sound::kMenuMove, kMoveVolume); }

void playMenuJumpSound() { playSoundOnAnyChannel(sound::kMenuMove, kMoveVolume); }

void playMenuConfirmSound() { playSoundOnAnyChannel(sound::kConfirm, kConfirmVolume); }

void playMenuPauseSound() { playSoundOnAnyChannel(sound::kPause, kPauseVolume); }
