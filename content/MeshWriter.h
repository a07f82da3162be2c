#ifndef QUENDRALVOSS_CONTENT_MESHWRITER_H
#define QUENDRALVOSS_CONTENT_MESHWRITER_H

#include <cstdint>
#include <vector>

#include "content/KeyframeMesh.h"

// Encodes a mesh in the game's "msh1" layout (little-endian): magic, vertex
// count, UV pairs (x 10000, v = 0 at the picture's bottom: the reader turns
// it into 1 - v because pictures are uploaded top row first), frame count, then per frame its key time (x 10000), positions (x 10000)
// and normals (x 127 as signed bytes). Returns an empty buffer when the mesh
// cannot be stored (no vertices, a count not divisible by 3, no frames).
std::vector<uint8_t> encodeMesh(const KeyframeMesh& mesh);

#endif
