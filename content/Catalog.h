#ifndef QUENDRALVOSS_CONTENT_CATALOG_H
#define QUENDRALVOSS_CONTENT_CATALOG_H

#include <cstdint>
#include <vector>

#include "catalog/ResourceCatalog.h"

// One numbered resource file of res/: its number and what it holds.
struct CatalogEntry {
    int number;
    ResourceKind kind;
};

// Every numbered resource the game asks for, in rising number order.
const std::vector<CatalogEntry>& resourceCatalog();

// The file contents (unscrambled) of one entry; empty when it cannot be made.
std::vector<uint8_t> makeResource(const CatalogEntry& entry);

// The makers of each kind, by number (in Models*.cpp, Pictures*.cpp,
// Sounds.cpp and MusicTracks.cpp). Each returns the encoded file.
std::vector<uint8_t> makeMeshResource(int number);
std::vector<uint8_t> makePictureResource(int number);
std::vector<uint8_t> makeSoundResource(int number);
std::vector<uint8_t> makeMusicResource(int number);

#endif
