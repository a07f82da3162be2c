#ifndef QUENDRALVOSS_PLAY_SOUNDCUE_H
#define QUENDRALVOSS_PLAY_SOUNDCUE_H

#include <cstdint>
#include <vector>

// Every sound effect of the play world goes through these two calls, so that
// what was played, how loud and where can be listened in on.
struct SoundCue {
    int32_t number;
    float volume;
    int32_t channel;  // -1 any free channel, 1 channel 1
};

// When not null, every cue is appended here before it plays; null in the game.
extern std::vector<SoundCue>* gSoundCueLog;

// Sound n once on any free channel / on channel 1 (through the engine's
// by-number playing: a missing file is fatal error 1, nothing else happens).
void playCueOnAnyChannel(int32_t n, float volume);
void playCueOnChannel1(int32_t n, float volume);

#endif
