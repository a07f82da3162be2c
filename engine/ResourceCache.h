#ifndef QUENDRALVOSS_ENGINE_RESOURCECACHE_H
#define QUENDRALVOSS_ENGINE_RESOURCECACHE_H

#include <cstdint>

#include "engine/Mesh.h"
#include "engine/ResourceTable.h"
#include "engine/Sound.h"
#include "engine/Texture.h"

// The directory of every resource file, put before each entry name to form
// the key and the path an object loads from.
extern const char* const gResourcePrefix;

// The one store of loaded meshes, textures and sounds, each kind in its own
// table, so one name can stand for a mesh, a texture and a sound at once.
// Handles are the objects themselves; holders only count, the cache owns.
// failed() reports the last operation's own outcome (the flag is not sticky).
// The three kinds behave alike; purges and the destructor go through meshes,
// then textures, then sounds.
class ResourceCache {
public:
    ResourceCache();
    // Deletes every object of every kind, whatever its count.
    ~ResourceCache();
    ResourceCache(const ResourceCache&) = delete;
    ResourceCache& operator=(const ResourceCache&) = delete;

    // Outcome of the last operation: true when it failed.
    bool failed() const;

    // The mesh of entry name (loaded from gResourcePrefix + name on first
    // use), with one more holder. A failed load sets the flag and still
    // returns the (empty) mesh, which later acquires share without reloading;
    // the empty name gives the empty default mesh of the bare prefix.
    Mesh* acquireMesh(const char* name);
    // One more holder of handle's mesh. A handle never handed out returns
    // the mesh of the empty name and sets the flag.
    Mesh* reacquireMesh(const Mesh* handle);
    // One holder fewer; sets the flag for a foreign handle or a count that
    // was already 0 (then -1). Nothing is freed.
    void releaseMesh(const Mesh* handle);

    // The same three for textures.
    Texture* acquireTexture(const char* name);
    Texture* reacquireTexture(const Texture* handle);
    void releaseTexture(const Texture* handle);

    // The same three for sounds.
    Sound* acquireSound(const char* name);
    Sound* reacquireSound(const Sound* handle);
    void releaseSound(const Sound* handle);

    // Deletes every object whose count is exactly 0 (a sound halts every
    // mixer channel as it goes); clears the flag.
    void purgeUnused();

    const ResourceTable<Mesh>& meshTable() const { return meshes; }
    const ResourceTable<Texture>& textureTable() const { return textures; }
    const ResourceTable<Sound>& soundTable() const { return sounds; }

private:
    template <typename T>
    T* acquireIn(ResourceTable<T>& table, const char* name);
    template <typename T>
    T* reacquireIn(ResourceTable<T>& table, const T* handle);
    template <typename T>
    void releaseIn(ResourceTable<T>& table, const T* handle);

    ResourceTable<Mesh> meshes;
    ResourceTable<Texture> textures;
    ResourceTable<Sound> sounds;
    uint8_t failedFlag;
};

extern ResourceCache* gResourceCache;

#endif
