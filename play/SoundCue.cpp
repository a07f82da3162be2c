#include "play/SoundCue.h"

#include "engine/ResourcesByNumber.h"

std::vector<SoundCue>* gSoundCueLog = nullptr;

void playCueOnAnyChannel(int32_t n, float volume) {
    if (gSoundCueLog) {
        gSoundCueLog->push_back(SoundCue{n, volume, -1});
    }
    playSoundOnAnyChannel(n, volume);
}

void playCueOnChannel1(int32_t n, float volume) {
    if (gSoundCueLog) {
        gSoundCueLog->push_back(SoundCue{n, volume, 1});
    }
    playSoundOnChannel1(n, volume);
}
