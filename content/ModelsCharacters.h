#ifndef QUENDRALVOSS_CONTENT_MODELSCHARACTERS_H
#define QUENDRALVOSS_CONTENT_MODELSCHARACTERS_H

#include <cstdint>
#include <vector>

// The mesh file of a character (people, the goat and fish persons, the
// costume figures); empty for other numbers.
std::vector<uint8_t> characterMesh(int number);
// Animals and small creatures (dog, cat, birds, spider, bat, rat); empty
// for other numbers.
std::vector<uint8_t> creatureMesh(int number);

#endif
