#ifndef QUENDRALVOSS_TESTS_PLAYRESOURCES_H
#define QUENDRALVOSS_TESTS_PLAYRESOURCES_H

// Small stand-ins for every resource the play world loads: the pictures,
// meshes, sounds and tracks of the play screen's parts, of room 0's records
// and of every room's pinned list. Meshes are one triangle far behind every
// camera and glow pictures are clear black, so a frame of play shows only the
// fog colour and the overlay.
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/ResourceCatalog.h"
#include "support/PngData.h"
#include "support/TestDirectory.h"
#include "support/OggData.h"
#include "support/WavData.h"

namespace playtest {

inline std::vector<uint8_t> farMeshBytes() {
    std::vector<uint8_t> out = {'m', 's', 'h', '1'};
    auto i32 = [&out](int32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    };
    i32(3);
    for (int v = 0; v < 6; ++v) i32(v == 2 ? 10000 : 0);
    i32(1);
    i32(0);
    for (int v = 0; v < 3; ++v) {
        i32(-1000000);
        i32(v * 100);
        i32(v == 2 ? 100 : 0);
    }
    for (int v = 0; v < 9; ++v) out.push_back(v % 3 == 0 ? 127 : 0);
    return out;
}

inline std::string resourcePath(int32_t n) { return "res/" + std::to_string(n) + ".dat"; }

// Writes the scrambled bytes unless a stand-in of that name is already there
// (the screens' own pictures keep their colours).
inline void writeResourceOnce(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (readFileBytes(path).empty()) writeScrambledFile(path, bytes);
}

inline void writePlayResources() {
    writeResourceOnce("res/0/0.dat", makePngBytes(4, 4, 255, 255, 255, 255));
    for (int32_t n : {2, 3, 35, 6}) {
        writeResourceOnce(resourcePath(n), makePngBytes(4, 4, 0, 0, 0, 0));
    }
    for (int32_t n : {117, 115, 275, 28, 62, 118, 51, 30, 47, 58, 31, 209, 179, 180, 181, 182, 185, 235, 238,
                      249, 250}) {
        writeResourceOnce(resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
    }
    for (int32_t n : {7,  8,  9,  10,  11,  12,  14,  15,  16,  13,  18,  20,  21,  22,  23,  24,  25,
                      26, 27, 29, 32,  33,  36,  37,  50,  57,  63,  64,  65,  121, 122, 124, 149, 150,
                      151, 152, 153, 170, 174, 186, 210, 211, 245, 248, 251}) {
        writeResourceOnce(resourcePath(n), farMeshBytes());
    }
    // Rooms 1 to 7 and their effects.
    for (int32_t n : {206, 207, 92,  212, 130, 132, 139, 340, 113, 116, 148, 145, 161, 166, 167, 169, 173,
                      175, 191, 189, 79,  85,  203, 352, 232, 233, 236, 234, 240, 243, 244, 158, 230, 231,
                      252, 254, 255, 256}) {
        writeResourceOnce(resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
    }
    for (int32_t n : {88,  89,  90,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 114, 119,
                      120, 123, 127, 128, 129, 131, 133, 134, 135, 136, 137, 138, 141, 142, 143, 144, 146, 147,
                      156, 157, 159, 160, 162, 163, 164, 165, 168, 171, 172, 176, 177, 178, 187, 188, 190, 201,
                      202, 205, 213, 214, 223, 224, 225, 226, 227, 228, 229, 237, 239, 241, 242, 246, 247, 253}) {
        writeResourceOnce(resourcePath(n), farMeshBytes());
    }
    // The procession's walking and standing meshes and the scenes' meshes.
    for (int32_t n : {17, 19, 52, 53, 54, 55, 56, 59, 60, 61, 48, 49, 123, 125, 126, 127, 128, 142, 114, 147,
                      183, 184, 192, 193, 194, 197, 198, 200, 204, 208, 227}) {
        writeResourceOnce(resourcePath(n), farMeshBytes());
    }
    std::vector<int32_t> sounds = {4, 278, 38, 39, 40, 277, 279, 302, 303, 308, 319, 42, 43, 44, 316,
                                   337, 339, 341, 343, 344, 313, 318, 320, 322, 323, 327, 336, 338, 342, 99};
    for (int32_t n = 280; n <= 301; ++n) sounds.push_back(n);
    for (int32_t n = 328; n <= 335; ++n) sounds.push_back(n);
    const std::vector<uint8_t> click = makeWavBytes(50);
    for (int32_t n : sounds) writeResourceOnce(resourcePath(n), click);
    const std::vector<uint8_t> track = makeOggBytes(200);
    for (int32_t n : {1, 83, 93, 94, 154, 155, 273, 274, 345}) writeResourceOnce(resourcePath(n), track);
}

// Stand-ins for every catalogued resource that has none yet: meshes far out
// of view, plain pictures, short clicks and tracks, so that any row, step or
// room of the game can load what it asks for.
inline void writeEveryCatalogResource() {
    const std::vector<uint8_t> mesh = farMeshBytes();
    const std::vector<uint8_t> picture = makePngBytes(4, 4, 90, 60, 30, 255);
    const std::vector<uint8_t> click = makeWavBytes(50);
    const std::vector<uint8_t> track = makeOggBytes(200);
    for (const ResourceEntry& entry : kResourceTable) {
        const std::string path = resourcePath(entry.number);
        switch (entry.kind) {
        case ResourceKind::Mesh: writeResourceOnce(path, mesh); break;
        case ResourceKind::Picture: writeResourceOnce(path, picture); break;
        case ResourceKind::Sound: writeResourceOnce(path, click); break;
        case ResourceKind::Music: writeResourceOnce(path, track); break;
        }
    }
}

}  // namespace playtest

#endif
