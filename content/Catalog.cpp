#include "content/Catalog.h"

#include <algorithm>

namespace {

std::vector<CatalogEntry> build() {
    std::vector<CatalogEntry> all;
    for (const ResourceEntry& e : kResourceTable) all.push_back({e.number, e.kind});
    std::sort(all.begin(), all.end(),
              [](const CatalogEntry& a, const CatalogEntry& b) { return a.number < b.number; });
    return all;
}

}  // namespace

const std::vector<CatalogEntry>& resourceCatalog() {
    static const std::vector<CatalogEntry> all = build();
    return all;
}

std::vector<uint8_t> makeResource(const CatalogEntry& e) {
    switch (e.kind) {
        case ResourceKind::Mesh: return makeMeshResource(e.number);
        case ResourceKind::Picture: return makePictureResource(e.number);
        case ResourceKind::Sound: return makeSoundResource(e.number);
        case ResourceKind::Music: return makeMusicResource(e.number);
    }
    return {};
}
