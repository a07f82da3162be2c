#include "engine/ResourceCache.h"

#include <string>

const char* const gResourcePrefix = "res/";
ResourceCache* gResourceCache = nullptr;

ResourceCache::ResourceCache() : failedFlag(0) {}

ResourceCache::~ResourceCache() {
    meshes.clear();
    textures.clear();
    sounds.clear();
}

bool ResourceCache::failed() const { return failedFlag != 0; }

template <typename T>
T* ResourceCache::acquireIn(ResourceTable<T>& table, const char* name) {
    bool loadFailed = false;
    T* object = table.acquire(std::string(gResourcePrefix) + name, loadFailed);
    failedFlag = loadFailed ? 1 : 0;
    return object;
}

// The stored key already carries the prefix, so acquiring under it is the
// acquire of the entry name it was made from.
template <typename T>
T* ResourceCache::reacquireIn(ResourceTable<T>& table, const T* handle) {
    bool notFound = false;
    T* object = table.reacquire(handle, gResourcePrefix, notFound);
    failedFlag = notFound ? 1 : 0;
    return object;
}

template <typename T>
void ResourceCache::releaseIn(ResourceTable<T>& table, const T* handle) {
    bool refused = false;
    table.release(handle, refused);
    failedFlag = refused ? 1 : 0;
}

Mesh* ResourceCache::acquireMesh(const char* name) { return acquireIn(meshes, name); }

Mesh* ResourceCache::reacquireMesh(const Mesh* handle) { return reacquireIn(meshes, handle); }

void ResourceCache::releaseMesh(const Mesh* handle) { releaseIn(meshes, handle); }

Texture* ResourceCache::acquireTexture(const char* name) { return acquireIn(textures, name); }

Texture* ResourceCache::reacquireTexture(const Texture* handle) { return reacquireIn(textures, handle); }

void ResourceCache::releaseTexture(const Texture* handle) { releaseIn(textures, handle); }

Sound* ResourceCache::acquireSound(const char* name) { return acquireIn(sounds, name); }

Sound* ResourceCache::reacquireSound(const Sound* handle) { return reacquireIn(sounds, handle); }

void ResourceCache::releaseSound(const Sound* handle) { releaseIn(sounds, handle); }

void ResourceCache::purgeUnused() {
    meshes.purgeUnused();
    textures.purgeUnused();
    sounds.purgeUnused();
    failedFlag = 0;
}
