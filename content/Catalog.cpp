#include "content/Catalog.h"

#include <algorithm>

namespace {

const int kMeshes[] = {
    7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,
    26,  27,  29,  32,  33,  34,  36,  37,  48,  49,  50,  52,  53,  54,  55,  56,  57,  59,  60,
    61,  63,  64,  65,  68,  70,  71,  73,  75,  78,  80,  81,  82,  87,  88,  89,  90,  100, 101,
    102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 114, 119, 120, 121, 122, 123, 124, 125,
    126, 127, 128, 129, 131, 133, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 146, 147, 149,
    150, 151, 152, 153, 156, 157, 159, 160, 162, 163, 164, 165, 168, 170, 171, 172, 174, 176, 177,
    178, 183, 184, 186, 187, 188, 190, 192, 193, 194, 196, 197, 198, 200, 201, 202, 204, 205, 208,
    210, 211, 213, 214, 223, 224, 225, 226, 227, 228, 229, 237, 239, 241, 242, 245, 246, 247, 248,
    251, 253};
const int kPictures[] = {
    2,   3,   6,   28,  30,  31,  35,  47,  51,  58,  62,  67,  69,  72,  74,  76,  77,  79,  84,
    85,  86,  91,  92,  97,  98,  113, 115, 116, 117, 118, 130, 132, 139, 145, 148, 158, 161, 166,
    167, 169, 173, 175, 179, 180, 181, 182, 185, 189, 191, 195, 203, 206, 207, 209, 212, 215, 216,
    217, 218, 219, 220, 221, 222, 230, 231, 232, 233, 234, 235, 236, 238, 240, 243, 244, 249, 250,
    252, 254, 255, 256, 257, 258, 259, 260, 261, 262, 263, 264, 265, 266, 267, 268, 269, 270, 271,
    275, 340, 346, 348, 349, 350, 351, 352};
const int kSounds[] = {
    4,   5,   38,  39,  40,  41,  42,  43,  44,  45,  46,  66,  99,  276, 277, 278, 279, 280, 281,
    282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297, 298, 299, 300,
    301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 316, 317, 318, 319,
    320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333, 334, 335, 336, 337, 338,
    339, 341, 342, 343, 344, 347};
const int kMusic[] = {1, 83, 93, 94, 95, 96, 154, 155, 272, 273, 274, 345};

std::vector<CatalogEntry> build() {
    std::vector<CatalogEntry> all;
    for (int n : kMeshes) all.push_back({n, ResourceKind::Mesh});
    for (int n : kPictures) all.push_back({n, ResourceKind::Picture});
    for (int n : kSounds) all.push_back({n, ResourceKind::Sound});
    for (int n : kMusic) all.push_back({n, ResourceKind::Music});
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
