#ifndef QUENDRALVOSS_ENGINE_FACEOVERLAP_H
#define QUENDRALVOSS_ENGINE_FACEOVERLAP_H

#include <vector>

// Whether two triangles of a mesh pose (3 floats a vertex, 3 vertices a
// triangle) lie in one plane and cover a common area there: the same face
// drawn from both sides, say, or a strip laid onto a wall. Both pass a
// less-or-equal depth test, so a pass blended over such a mesh lands on those
// pixels twice. Triangles without area are left out.
bool facesOverlapInOnePlane(const std::vector<float>& positions);

#endif
