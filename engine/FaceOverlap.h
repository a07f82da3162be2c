#ifndef QUENDRALVOSS_ENGINE_FACEOVERLAP_H
#define QUENDRALVOSS_ENGINE_FACEOVERLAP_H

#include <vector>

// Whether two triangles of a mesh pose (3 floats a vertex, 3 vertices a
// triangle) face the same way in one plane and cover a common area there: a
// strip laid onto a wall, say. Both pass a less-or-equal depth test, so a pass
// blended over such a mesh lands on those pixels twice. A face and its back
// do not count: with back faces culled only one of them is drawn from any
// side. Triangles without area are left out.
bool facesOverlapInOnePlane(const std::vector<float>& positions);
// Per triangle of positions, whether it overlaps another as
// facesOverlapInOnePlane means it.
std::vector<bool> markOverlappingFaces(const std::vector<float>& positions);

#endif
