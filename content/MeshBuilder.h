#ifndef QUENDRALVOSS_CONTENT_MESHBUILDER_H
#define QUENDRALVOSS_CONTENT_MESHBUILDER_H

#include <cstddef>
#include <utility>
#include <vector>

#include "content/Transform.h"
#include "content/V3.h"

// One corner of a triangle: position, normal, texture coordinate (v = 0 at
// the picture's bottom) and the bone that moves it when the model is posed.
struct MeshVertex {
    V3 position;
    V3 normal;
    float u = 0, v = 0;
    int bone = 0;
};

// Builds a non-indexed triangle list from primitives. Every primitive winds
// counter-clockwise seen from outside, gives its vertices the current bone,
// and maps its own 0..1 texture coordinates into the current UV rectangle.
// Operations taking `from` work on the vertices from that index onwards.
class MeshBuilder {
public:
    typedef std::vector<std::pair<float, float>> Profile;  // (radius, z) or (x, y)

    void setBone(int bone) { currentBone = bone; }
    void setUvRect(float u0, float v0, float u1, float v1);
    size_t size() const { return vertices.size(); }

    // One triangle with a flat normal, corners a, b, c counter-clockwise.
    void triangle(V3 a, V3 b, V3 c, float ua = 0, float va = 0, float ub = 1, float vb = 0,
                  float uc = 1, float vc = 1);
    // Two triangles a b c, a c d; UVs (0,0) (1,0) (1,1) (0,1).
    void quad(V3 a, V3 b, V3 c, V3 d);
    // Axis-aligned box with outward faces.
    void box(V3 centre, V3 half);
    // Surface of revolution about +Z through base: profile points (radius, z)
    // from bottom to top; radius exactly 0 closes the shape at the axis (no
    // triangles there; any other radius keeps the triangle count). yScale
    // squashes it along Y to make ovals.
    void lathe(const Profile& profile, V3 base, int segments, float yScale = 1.0f);
    void cylinder(V3 base, float radius, float height, int segments, bool caps = true);
    void cone(V3 base, float radius, float height, int segments);
    // Ellipsoid with smooth normals.
    void sphere(V3 centre, V3 radii, int slices, int stacks);
    // Prism from a convex polygon (counter-clockwise in X-Y) between z0 and z1.
    void extrude(const Profile& polygon, float z0, float z1);
    // Tube of the given radius along a path of at least two points, open ends.
    void tube(const std::vector<V3>& path, float radius, int segments);

    // A flat wall in the plane y = `y` over x0..x1, z0..z1 with rectangular
    // holes (x0, z0, x1, z1 each), facing -y when facingNegativeY, else +y.
    // UVs run over the wall's extent.
    struct Hole {
        float x0, z0, x1, z1;
    };
    void wallWithHoles(float y, float x0, float x1, float z0, float z1, const std::vector<Hole>& holes,
                       bool facingNegativeY);

    void merge(const MeshBuilder& other);
    void transform(const Transform& t, size_t from = 0);
    // Reverses winding and normals.
    void flipFaces(size_t from = 0);
    // Appends a reversed copy of each triangle so both sides are seen.
    void addBackFaces(size_t from = 0);
    // Averages the normals of corners that share a position and bone.
    void smoothNormals(size_t from = 0);
    // Recomputes every triangle's normal from its corners.
    void flatNormals(size_t from = 0);
    // Sets u = dot(p, uAxis) + u0, v = dot(p, vAxis) + v0 (planar mapping).
    void planarUv(V3 uAxis, float u0, V3 vAxis, float v0, size_t from = 0);
    // Gives every vertex from `from` on the bone.
    void assignBone(int bone, size_t from = 0);

    std::vector<MeshVertex> vertices;

private:
    void push(V3 p, V3 n, float u, float v);

    int currentBone = 0;
    float uvRect[4] = {0, 0, 1, 1};
};

#endif
