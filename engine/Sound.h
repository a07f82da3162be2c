#ifndef QUENDRALVOSS_ENGINE_SOUND_H
#define QUENDRALVOSS_ENGINE_SOUND_H

#include <SDL_mixer.h>

// One sound effect, decoded whole from a scrambled resource file. Sounds are
// created, shared and destroyed by the resource cache. Freeing a chunk halts
// every mixer channel first, so destroying any sound cuts off all effects.
class Sound {
public:
    Sound();
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Drops the chunk (halting every channel first); the sound is then empty.
    void unload();
    // Replaces the contents with the effect in the scrambled file at path;
    // false (and an empty sound) when the file is missing, unreadable or not a
    // PCM WAV sound the mixer reads safely (isSafeSound).
    bool load(const char* path);
    // Plays once on the first free channel at volume (0..1, truncated to the
    // mixer's 0..128); dropped silently when no channel is free or when empty.
    void play(float volume) const;
    // Plays once on channel 1, cutting off whatever channel 1 was playing.
    void playOnChannel1(float volume) const;

    bool isLoaded() const { return chunk != nullptr; }
    Mix_Chunk* getChunk() const { return chunk; }

private:
    void playOn(int channel, float volume) const;

    Mix_Chunk* chunk;
};

// The mixer volume of a volume in 0..1: times 128, truncated toward zero.
int mixerVolume(float volume);

#endif
