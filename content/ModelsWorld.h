#ifndef QUENDRALVOSS_CONTENT_MODELSWORLD_H
#define QUENDRALVOSS_CONTENT_MODELSWORLD_H

#include <cstdint>
#include <vector>

// Scenery and props of the street and the garden (rooms 0 and 1) and of the
// well and the shed (rooms 2 and 3); empty for other numbers.
std::vector<uint8_t> outdoorMesh(int number);
// The inside of the house (rooms 4 to 6); empty for other numbers.
std::vector<uint8_t> houseMesh(int number);
// The living gate, room 7's tunnel and hall, the eyes and the backdrop;
// empty for other numbers.
std::vector<uint8_t> tunnelMesh(int number);
// The main menu's and the intro's meshes; empty for other numbers.
std::vector<uint8_t> screenMesh(int number);

#endif
