// The mesh of each number, from the makers of each group.
#include "content/Catalog.h"
#include "content/ModelsCharacters.h"
#include "content/ModelsWorld.h"

std::vector<uint8_t> makeMeshResource(int n) {
    std::vector<uint8_t> m = characterMesh(n);
    if (m.empty()) m = creatureMesh(n);
    if (m.empty()) m = outdoorMesh(n);
    if (m.empty()) m = houseMesh(n);
    if (m.empty()) m = tunnelMesh(n);
    if (m.empty()) m = screenMesh(n);
    return m;
}
