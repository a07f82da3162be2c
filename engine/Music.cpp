#include "engine/Music.h"

#include <memory>

#include "engine/ResourceFile.h"
#include "engine/ResourceFormat.h"
#include "engine/Sound.h"

Music* gMusic = nullptr;

Music::Music() : music(nullptr), reader(nullptr) {}

Music::~Music() { unload(); }

void Music::unload() {
    if (music) {
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        music = nullptr;
    }
    // The mixer does not take the reader over, so it is closed here, and only
    // after the track that reads from it is gone; the bytes go last.
    if (reader) {
        SDL_RWclose(reader);
        reader = nullptr;
    }
    buffer.reset();
}

bool Music::load(const char* path) {
    unload();
    uint32_t length = 0;
    buffer = readResourceFile(path, length);
    if (buffer && isSafeMusic(buffer.get(), length)) {
        reader = SDL_RWFromMem(buffer.get(), static_cast<int>(length));
        if (reader) {
            music = Mix_LoadMUS_RW(reader);
        }
    }
    if (!music) {
        unload();
    }
    if (!music) {
        return false;
    }
    Mix_PlayMusic(music, -1);
    Mix_PauseMusic();
    return true;
}

void Music::resume() {
    if (music) {
        Mix_ResumeMusic();
    }
}

void Music::pause() {
    if (music) {
        Mix_PauseMusic();
    }
}

void Music::restart() {
    if (music) {
        Mix_HaltMusic();
        Mix_PlayMusic(music, -1);
        Mix_PauseMusic();
    }
}

void Music::setVolume(float volume) { Mix_VolumeMusic(mixerVolume(volume)); }
