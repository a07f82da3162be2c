#ifndef QUENDRALVOSS_ENGINE_MUSIC_H
#define QUENDRALVOSS_ENGINE_MUSIC_H

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdint>
#include <memory>

// The single music track. It streams from the unscrambled file held in memory
// (the mixer reads it while it plays), loops for ever, and stands paused until
// resumed. Tracks are loaded by number through playMusicTrack, never cached.
class Music {
public:
    Music();
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Halts and frees the track, closes its reader and frees its file bytes.
    void unload();
    // Replaces the track with the scrambled file at path, playing in a loop
    // but paused. False (and no track) when the file is missing, unreadable or
    // not an Ogg Vorbis track the mixer reads safely (isSafeMusic).
    bool load(const char* path);
    // Lets a loaded track be heard; nothing without a track.
    void resume();
    // Pauses a loaded track; nothing without a track.
    void pause();
    // Back to the start of a loaded track, paused; nothing without a track.
    void restart();
    // The mixer's music volume (global, so set with or without a track).
    void setVolume(float volume);

    bool isLoaded() const { return music != nullptr; }
    // The reader the track plays from, null without a track.
    SDL_RWops* getReader() const { return reader; }

private:
    Mix_Music* music;
    SDL_RWops* reader;
    // The file bytes the reader streams from.
    std::unique_ptr<uint8_t[]> buffer;
};

extern Music* gMusic;

#endif
