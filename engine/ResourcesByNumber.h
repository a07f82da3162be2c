#ifndef QUENDRALVOSS_ENGINE_RESOURCESBYNUMBER_H
#define QUENDRALVOSS_ENGINE_RESOURCESBYNUMBER_H

#include <cstdint>
#include <string>

#include "engine/Mesh.h"
#include "engine/Sound.h"
#include "engine/Texture.h"

// Resources named by number: resource n is the file gResourcePrefix + "n.dat".
// Every load failure is reported as fatal error 1 (resource file) and the call
// still returns normally; callers return when the game state has become the
// error screen. Meshes, textures and sounds need gResourceCache, music gMusic.

// The number of the track last asked for; -1 before any.
extern int32_t gCurrentMusicTrack;

// The entry name of resource n: its decimal digits and ".dat" ("168.dat").
std::string resourceEntryName(int32_t n);

// Mesh n with one more holder; a failed load reports the entry name
// ("168.dat") and still returns the (empty) mesh, counted like any other.
Mesh* acquireMeshByNumber(int32_t n);
// The same for texture n.
Texture* acquireTextureByNumber(int32_t n);
// Gives back the one reference that mesh holds and sets it to null; nothing
// when it is null already.
void releaseHeldMesh(Mesh*& mesh);
// The same for texture.
void releaseHeldTexture(Texture*& texture);
// Sound n with one more holder; a failed load reports the entry name
// ("168.dat") and still returns the (empty) sound, counted like any other.
Sound* acquireSoundByNumber(int32_t n);
// Gives back one reference of sound n (loading it first when not cached; a
// missing file is reported as by acquireSoundByNumber).
void releaseSoundByNumber(int32_t n);
// Plays sound n once on any free channel at volume (0..1), leaving its count
// where it was; the sound stays cached until the next purge.
void playSoundOnAnyChannel(int32_t n, float volume);
// The same on channel 1, cutting off whatever channel 1 was playing.
void playSoundOnChannel1(int32_t n, float volume);

// One more holder of handle through the cache's reacquire. A handle the cache
// never handed out gets the empty entry back and raises the general fatal
// error with the language's "could not find resource object" text.
Mesh* reacquireMeshChecked(const Mesh* handle);
Texture* reacquireTextureChecked(const Texture* handle);
Sound* reacquireSoundChecked(const Sound* handle);

// Switches the music to track n and lets it be heard. Asking for the current
// track does nothing. The number is taken before loading, so a missing track
// is reported once (with the full path, "res/93.dat") and not retried.
void playMusicTrack(int32_t n);

#endif
