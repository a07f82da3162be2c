#ifndef QUENDRALVOSS_ENGINE_RESOURCETABLE_H
#define QUENDRALVOSS_ENGINE_RESOURCETABLE_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The counted store of one kind of resource (meshes, textures or sounds),
// keyed by the path each object loads from. T needs a default constructor,
// bool load(const char* path) and a destructor that frees what it holds.
//
// Counts: 1 or more while held; 0 when every holder has released it (the
// object stays and is handed out again until a purge); -1 when it was released
// more often than acquired, which no later acquire or purge changes. Objects
// are deleted only by purgeUnused (count exactly 0) or with the table.
template <typename T>
class ResourceTable {
public:
    ResourceTable() {}
    ~ResourceTable() { clear(); }
    ResourceTable(const ResourceTable&) = delete;
    ResourceTable& operator=(const ResourceTable&) = delete;

    // The object under key, with one more holder. A hit reads nothing, also
    // when the object's own load had failed; a miss creates and loads it and
    // keeps it even when the load fails. failed: true only for a failed load.
    T* acquire(const std::string& key, bool& failed) {
        typename std::map<std::string, std::unique_ptr<T>>::iterator found = objects.find(key);
        if (found != objects.end() && found->second) {
            failed = false;
            int32_t& count = counts[key];
            if (count >= 0) {
                ++count;
            }
            return found->second.get();
        }
        std::unique_ptr<T> created = std::make_unique<T>();
        T* object = created.get();
        failed = !object->load(key.c_str());
        handles[object] = key;
        objects[key] = std::move(created);
        counts[key] = 1;
        return object;
    }

    // One more holder of the object behind handle, as a second acquire of its
    // key. A handle the table never handed out gets the object under
    // fallbackKey instead, and failed is then true.
    T* reacquire(const T* handle, const std::string& fallbackKey, bool& failed) {
        const std::string* key = keyOf(handle);
        if (!key) {
            T* object = acquire(fallbackKey, failed);
            failed = true;
            return object;
        }
        const std::string copy = *key;
        return acquire(copy, failed);
    }

    // One holder fewer; nothing is freed. failed: true for a handle the table
    // never handed out (no count changes) and for a count already at 0 or
    // below, which then becomes -1.
    void release(const T* handle, bool& failed) {
        const std::string* key = keyOf(handle);
        if (!key) {
            failed = true;
            return;
        }
        int32_t& count = counts[*key];
        if (count >= 1) {
            --count;
            failed = false;
        } else {
            count = -1;
            failed = true;
        }
    }

    // Deletes, in key order, every object whose count is exactly 0; the next
    // acquire of such a key loads the file again.
    void purgeUnused() {
        typename std::map<std::string, int32_t>::iterator it = counts.begin();
        while (it != counts.end()) {
            if (it->second != 0) {
                ++it;
                continue;
            }
            typename std::map<std::string, std::unique_ptr<T>>::iterator found = objects.find(it->first);
            if (found != objects.end()) {
                handles.erase(found->second.get());
                objects.erase(found);
            }
            it = counts.erase(it);
        }
    }

    // Deletes every object in key order, whatever its count, and forgets
    // every entry.
    void clear() {
        for (typename std::map<std::string, std::unique_ptr<T>>::iterator it = objects.begin(); it != objects.end();
             ++it) {
            it->second.reset();
        }
        objects.clear();
        handles.clear();
        counts.clear();
    }

    // The key handle was handed out under, or null for a foreign handle.
    const std::string* keyOf(const T* handle) const {
        typename std::map<const T*, std::string>::const_iterator found = handles.find(handle);
        return found == handles.end() ? nullptr : &found->second;
    }
    // Whether an object is stored under key.
    bool holds(const std::string& key) const { return objects.count(key) != 0; }
    // The count under key; 0 when there is no entry.
    int32_t countOf(const std::string& key) const {
        typename std::map<std::string, int32_t>::const_iterator found = counts.find(key);
        return found == counts.end() ? 0 : found->second;
    }
    size_t size() const { return objects.size(); }

private:
    std::map<const T*, std::string> handles;
    // The table owns the objects; holders get plain pointers to them.
    std::map<std::string, std::unique_ptr<T>> objects;
    std::map<std::string, int32_t> counts;
};

#endif
