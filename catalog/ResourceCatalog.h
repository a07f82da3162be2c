#ifndef QUENDRALVOSS_CATALOG_RESOURCECATALOG_H
#define QUENDRALVOSS_CATALOG_RESOURCECATALOG_H

#include <cstdint>

// The named resources of the game, from the one list in
// catalog/ResourceList.h: constants by kind (mesh::kDogAsleep,
// picture::kFogLayer, sound::kConfirm, music::kStreet) and the table of every
// entry for the content generator. It includes nothing of the game's own, so
// every folder, text/ and content/ included, can name resources through it.

// What a numbered resource file holds.
enum class ResourceKind { Mesh, Picture, Sound, Music };

#define QV_MESH(name, number)
#define QV_PICTURE(name, number)
#define QV_SOUND(name, number)
#define QV_MUSIC(name, number)

namespace mesh {
#undef QV_MESH
#define QV_MESH(name, number) constexpr int32_t k##name = number;
#include "catalog/ResourceList.h"
#undef QV_MESH
#define QV_MESH(name, number)
}  // namespace mesh

namespace picture {
#undef QV_PICTURE
#define QV_PICTURE(name, number) constexpr int32_t k##name = number;
#include "catalog/ResourceList.h"
#undef QV_PICTURE
#define QV_PICTURE(name, number)
}  // namespace picture

namespace sound {
#undef QV_SOUND
#define QV_SOUND(name, number) constexpr int32_t k##name = number;
#include "catalog/ResourceList.h"
#undef QV_SOUND
#define QV_SOUND(name, number)
}  // namespace sound

namespace music {
#undef QV_MUSIC
#define QV_MUSIC(name, number) constexpr int32_t k##name = number;
#include "catalog/ResourceList.h"
#undef QV_MUSIC
#define QV_MUSIC(name, number)
}  // namespace music

#undef QV_MESH
#undef QV_PICTURE
#undef QV_SOUND
#undef QV_MUSIC

// One catalogued resource: its file number, its kind and its constant's name
// (without the k).
struct ResourceEntry {
    int32_t number;
    ResourceKind kind;
    const char* name;
};

// Every catalogued resource, in rising number order.
inline constexpr ResourceEntry kResourceTable[] = {
#define QV_MESH(name, number) {number, ResourceKind::Mesh, #name},
#define QV_PICTURE(name, number) {number, ResourceKind::Picture, #name},
#define QV_SOUND(name, number) {number, ResourceKind::Sound, #name},
#define QV_MUSIC(name, number) {number, ResourceKind::Music, #name},
#include "catalog/ResourceList.h"
#undef QV_MESH
#undef QV_PICTURE
#undef QV_SOUND
#undef QV_MUSIC
};

constexpr int kResourceCount = static_cast<int>(sizeof(kResourceTable) / sizeof(kResourceTable[0]));

#endif
