#include "app/MenuSounds.h"

#include "catalog/ResourceCatalog.h"
#include "engine/ResourcesByNumber.h"

void playMenuMoveSound() { playSoundOnChannel1(sound::kMenuMove, kMenuMoveVolume); }

void playMenuConfirmSound() { playSoundOnAnyChannel(sound::kConfirm, kMenuConfirmVolume); }

void playMenuPauseSound() { playSoundOnAnyChannel(sound::kPause, kMenuPauseVolume); }
