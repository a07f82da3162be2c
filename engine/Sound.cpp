#include "engine/Sound.h"

#include <memory>

#include "engine/ResourceFile.h"
#include "engine/ResourceFormat.h"

int mixerVolume(float volume) { return static_cast<int>(volume * 128.0f); }

Sound::Sound() : chunk(nullptr) {}

Sound::~Sound() { unload(); }

void Sound::unload() {
    if (!chunk) {
        return;
    }
    // The mixer may still be playing the chunk on any channel.
    Mix_HaltChannel(-1);
    Mix_FreeChunk(chunk);
    chunk = nullptr;
}

bool Sound::load(const char* path) {
    unload();
    uint32_t length = 0;
    // Freed on return whether or not the bytes were a sound the mixer may read.
    const std::unique_ptr<uint8_t[]> contents = readResourceFile(path, length);
    if (contents && isSafeSound(contents.get(), length)) {
        SDL_RWops* reader = SDL_RWFromMem(contents.get(), static_cast<int>(length));
        if (reader) {
            // The chunk keeps its own copy of the samples, so the file's bytes
            // and the reader go at once.
            chunk = Mix_LoadWAV_RW(reader, 0);
            SDL_RWclose(reader);
        }
    }
    return chunk != nullptr;
}

void Sound::play(float volume) const { playOn(-1, volume); }

void Sound::playOnChannel1(float volume) const { playOn(1, volume); }

void Sound::playOn(int channel, float volume) const {
    if (!chunk) {
        return;
    }
    const int playing = Mix_PlayChannelTimed(channel, chunk, 0, -1);
    if (playing != -1) {
        Mix_Volume(playing, mixerVolume(volume));
    }
}
