#ifndef QUENDRALVOSS_CONTENT_MODELSWORLD_H
#define QUENDRALVOSS_CONTENT_MODELSWORLD_H

#include <cstdint>
#include <vector>

// Scenery and props of the street and the garden (rooms 0 and 1) and of the
// well and the shed (rooms 2 and 3); empty for other numbers.
std::vector<uint8_t> outdoorMesh(int number);
// The house (rooms 4 to 6), the tunnel (room 7), the backdrop and the
// menu and intro meshes; empty for other numbers.
std::vector<uint8_t> indoorMesh(int number);

#endif
