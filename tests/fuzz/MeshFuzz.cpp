// The mesh loader on any unscrambled bytes: a file either fails the load or
// gives a mesh whose every pose can be drawn and read.
#include "engine/Mesh.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::openWindowOnce(64, 48);  // one-frame meshes become display lists
    fuzz::writeScrambled(fuzz::kInputFile, data, size);
    Mesh mesh;
    if (!mesh.load(fuzz::kInputFile)) {
        fuzz::require(mesh.frameCount == 0 && mesh.vertexCount == 0, "a failed load left a mesh behind");
        return 0;
    }
    fuzz::require(mesh.frameCount >= 1 && mesh.vertexCount >= 3, "a loaded mesh without frames or vertices");
    mesh.draw(0.37f);
    mesh.draw(-5.0f);
    mesh.drawClamped(1.0e6f);
    mesh.drawBlended(0.2f, 0.9f, mesh, 0.5f);
    mesh.vertexAt(0, 0.5f);
    mesh.vertexAt(mesh.vertexCount - 1, 3.0f);
    mesh.vertexAt(mesh.vertexCount, 3.0f);
    return 0;
}
