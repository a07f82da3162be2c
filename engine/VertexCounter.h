#ifndef QUENDRALVOSS_ENGINE_VERTEXCOUNTER_H
#define QUENDRALVOSS_ENGINE_VERTEXCOUNTER_H

#include <cstdint>

// Vertices handed to OpenGL by the bulk drawing (meshes, compiled ones
// included, the ground grid and the cloth) since the last reset: what
// llvmpipe's vertex stage has to transform on the main thread. Only the
// benchmark reads and resets it.
extern uint64_t gVerticesSubmitted;

#endif
