#ifndef QUENDRALVOSS_CONTENT_MARKERLAYOUT_H
#define QUENDRALVOSS_CONTENT_MARKERLAYOUT_H

#include <vector>

#include "content/MeshBuilder.h"

// A named point that must sit at a fixed vertex index of the triangle list
// (the game attaches glow sprites to vertex numbers): the point is corner
// `corner` of triangle `triangle` in the built list.
struct Marker {
    int vertexIndex;
    int triangle;
    int corner;
};

// Reorders whole triangles so that each marker's point becomes vertex
// vertexIndex (corners are rotated within the triangle, keeping its winding),
// and pads with zero-area triangles at padPoint on padBone so that the list
// is long enough. Returns false, leaving the list unchanged, when two markers
// claim one triangle slot or a marker names a triangle that does not exist.
bool arrangeMarkers(std::vector<MeshVertex>& vertices, const std::vector<Marker>& markers,
                    V3 padPoint, int padBone);

#endif
