#include "engine/ResourcesByNumber.h"

#include <sstream>

#include "engine/EngineTexts.h"
#include "engine/FatalErrorHook.h"
#include "engine/Music.h"
#include "engine/ResourceCache.h"

namespace {

const int32_t kFatalGeneral = 0;
const int32_t kFatalResourceFile = 1;

void reportIfFailed(const std::string& name) {
    if (gResourceCache->failed()) {
        reportFatalError(kFatalResourceFile, name);
    }
}

void reportMissingObjectIfFailed(const char* text) {
    if (gResourceCache->failed()) {
        reportFatalError(kFatalGeneral, text);
    }
}

}  // namespace

int32_t gCurrentMusicTrack = -1;

std::string resourceEntryName(int32_t n) {
    std::ostringstream name;
    name << n << ".dat";
    return name.str();
}

Mesh* acquireMeshByNumber(int32_t n) {
    const std::string name = resourceEntryName(n);
    Mesh* mesh = gResourceCache->acquireMesh(name.c_str());
    reportIfFailed(name);
    return mesh;
}

Texture* acquireTextureByNumber(int32_t n) {
    const std::string name = resourceEntryName(n);
    Texture* texture = gResourceCache->acquireTexture(name.c_str());
    reportIfFailed(name);
    return texture;
}

void releaseHeldMesh(Mesh*& mesh) {
    if (mesh) {
        gResourceCache->releaseMesh(mesh);
        mesh = nullptr;
    }
}

void releaseHeldTexture(Texture*& texture) {
    if (texture) {
        gResourceCache->releaseTexture(texture);
        texture = nullptr;
    }
}

Sound* acquireSoundByNumber(int32_t n) {
    const std::string name = resourceEntryName(n);
    Sound* sound = gResourceCache->acquireSound(name.c_str());
    reportIfFailed(name);
    return sound;
}

Mesh* reacquireMeshChecked(const Mesh* handle) {
    Mesh* mesh = gResourceCache->reacquireMesh(handle);
    reportMissingObjectIfFailed(gEngineTexts.missingMeshObject);
    return mesh;
}

Texture* reacquireTextureChecked(const Texture* handle) {
    Texture* texture = gResourceCache->reacquireTexture(handle);
    reportMissingObjectIfFailed(gEngineTexts.missingTextureObject);
    return texture;
}

Sound* reacquireSoundChecked(const Sound* handle) {
    Sound* sound = gResourceCache->reacquireSound(handle);
    reportMissingObjectIfFailed(gEngineTexts.missingSoundObject);
    return sound;
}

void releaseSoundByNumber(int32_t n) {
    // The acquire finds the entry (loading it if need be) and adds one, so two
    // releases give back that one and the one the caller held.
    Sound* sound = acquireSoundByNumber(n);
    gResourceCache->releaseSound(sound);
    gResourceCache->releaseSound(sound);
}

void playSoundOnAnyChannel(int32_t n, float volume) {
    Sound* sound = acquireSoundByNumber(n);
    sound->play(volume);
    gResourceCache->releaseSound(sound);
}

void playSoundOnChannel1(int32_t n, float volume) {
    Sound* sound = acquireSoundByNumber(n);
    sound->playOnChannel1(volume);
    gResourceCache->releaseSound(sound);
}

void playMusicTrack(int32_t n) {
    if (n == gCurrentMusicTrack) {
        return;
    }
    gCurrentMusicTrack = n;
    const std::string path = std::string(gResourcePrefix) + resourceEntryName(n);
    if (!gMusic->load(path.c_str())) {
        reportFatalError(kFatalResourceFile, path);
        return;
    }
    gMusic->resume();
}
