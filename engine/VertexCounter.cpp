#include "engine/VertexCounter.h"

uint64_t gVerticesSubmitted = 0;
