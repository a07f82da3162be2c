// Sorts the generated content into seed corpora for the fuzz targets: every
// resource file under <res-dir>, unscrambled, goes to <out-dir>/<kind>/ by its
// signature (meshes, pictures, sounds, music); the smallest files of each kind
// also go, as stored, to <out-dir>/resource-file/ and <out-dir>/memory-reader/.
// Exits 1 when the content cannot be read or a file has no known signature.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/ResourceFile.h"

namespace {

struct Found {
    std::string path;
    std::string name;
    std::string kind;
    uint32_t length;
};

const char* kindOf(const uint8_t* bytes, uint32_t length) {
    if (length < 4) return nullptr;
    if (std::memcmp(bytes, "msh1", 4) == 0) return "mesh";
    if (std::memcmp(bytes, "\x89PNG", 4) == 0) return "picture";
    if (std::memcmp(bytes, "RIFF", 4) == 0) return "sound";
    if (std::memcmp(bytes, "OggS", 4) == 0) return "music";
    return nullptr;
}

bool copyBytes(const std::string& to, const uint8_t* bytes, size_t length) {
    FILE* file = std::fopen(to.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes, 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}

bool copyFile(const std::string& from, const std::string& to) {
    FILE* file = std::fopen(from.c_str(), "rb");
    if (!file) return false;
    std::vector<uint8_t> bytes;
    uint8_t block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);
    return copyBytes(to, bytes.data(), bytes.size());
}

// Every .dat file under dir (name is its path below the top, with '-' for '/').
bool collect(const std::string& dir, const std::string& prefix, std::vector<Found>& found) {
    DIR* handle = opendir(dir.c_str());
    if (!handle) return false;
    bool ok = true;
    while (dirent* entry = readdir(handle)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = dir + "/" + name;
        struct stat info;
        if (stat(path.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode)) {
            ok = collect(path, prefix + name + "-", found) && ok;
        } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dat") == 0) {
            found.push_back(Found{path, prefix + name, "", 0});
        }
    }
    closedir(handle);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <res-dir> <out-dir>\n", argv[0]);
        return 1;
    }
    const std::string out = argv[2];
    std::vector<Found> found;
    if (!collect(argv[1], "", found) || found.empty()) {
        std::fprintf(stderr, "no resource files under %s\n", argv[1]);
        return 1;
    }
    const char* dirs[] = {"mesh", "picture", "sound", "music", "resource-file", "memory-reader"};
    mkdir(out.c_str(), 0755);
    for (const char* d : dirs) mkdir((out + "/" + d).c_str(), 0755);
    for (Found& f : found) {
        uint32_t length = 0;
        const std::unique_ptr<uint8_t[]> bytes = readResourceFile(f.path.c_str(), length);
        const char* kind = bytes ? kindOf(bytes.get(), length) : nullptr;
        if (!kind || !copyBytes(out + "/" + kind + "/" + f.name, bytes.get(), length)) {
            std::fprintf(stderr, "%s: unreadable or of no known kind\n", f.path.c_str());
            return 1;
        }
        f.kind = kind;
        f.length = length;
    }
    // The file-level targets only need a few files of each kind to start
    // from: the reader takes them unscrambled, the file read as stored.
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.length < b.length; });
    for (const char* kind : {"mesh", "picture", "sound", "music"}) {
        int taken = 0;
        for (const Found& f : found) {
            if (f.kind != kind || taken == 4) continue;
            ++taken;
            const std::string source = out + "/" + kind + "/" + f.name;
            if (!copyFile(source, out + "/memory-reader/" + f.name) ||
                !copyFile(f.path, out + "/resource-file/" + f.name)) {
                std::fprintf(stderr, "%s: cannot copy\n", f.path.c_str());
                return 1;
            }
        }
    }
    std::printf("%zu resource files sorted into %s\n", found.size(), out.c_str());
    return 0;
}
