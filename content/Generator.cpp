#include "content/Generator.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

#include "content/Catalog.h"
#include "content/FontGlyphs.h"
#include "engine/Scramble.h"

bool writeScrambledResource(const std::string& path, const std::vector<uint8_t>& plain) {
    std::vector<uint8_t> data = plain;
    scrambleBuffer(data.data(), uint32_t(data.size()));
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

bool generateContent(const std::string& resDir, int threads, std::string& error) {
    ::mkdir(resDir.c_str(), 0755);
    const std::string fontDir = resDir + "/0";
    ::mkdir(fontDir.c_str(), 0755);

    // Jobs 0..127 are the glyphs, the rest the catalogue entries.
    const std::vector<CatalogEntry>& catalog = resourceCatalog();
    const int jobCount = 128 + int(catalog.size());
    std::atomic<int> next(0);
    std::mutex errorLock;
    std::string failures;

    auto worker = [&]() {
        for (;;) {
            const int job = next.fetch_add(1);
            if (job >= jobCount) return;
            std::string path;
            std::vector<uint8_t> bytes;
            if (job < 128) {
                path = fontDir + "/" + std::to_string(job) + ".dat";
                bytes = makeGlyphPicture(job);
            } else {
                const CatalogEntry& e = catalog[size_t(job - 128)];
                path = resDir + "/" + std::to_string(e.number) + ".dat";
                bytes = makeResource(e);
            }
            if (bytes.empty() || !writeScrambledResource(path, bytes)) {
                std::lock_guard<std::mutex> hold(errorLock);
                failures += " " + path;
            }
        }
    };
    if (threads < 1) threads = 1;
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    if (!failures.empty()) {
        error = "could not make:" + failures;
        return false;
    }
    return true;
}
