#ifndef QUENDRALVOSS_ENGINE_MESH_H
#define QUENDRALVOSS_ENGINE_MESH_H

#include <cstdint>
#include <vector>

#include "engine/MeshFaceSets.h"
#include "engine/Vec3.h"

class MemoryReader;
class ViewFrustum;

// A keyframe triangle mesh from a mesh resource file: positions and normals per
// keyframe, blended linearly at draw time over a looping animation, and one set
// of texture coordinates. A one-frame mesh is compiled into a display list at
// load time and keeps only its counts and key times.
class Mesh {
public:
    // An empty mesh.
    Mesh();
    ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Frees every array (releasing their memory) and the display list; the
    // mesh is empty again.
    void clear();
    // Loads the scrambled mesh file at path. False, leaving the mesh empty, on
    // an empty path, a missing or empty file, a wrong magic, bad counts or key
    // times, or a file too short for its counts.
    bool load(const char* path);
    // Draws the pose at time t (seconds) of the looping animation; texture,
    // colour and transform are the caller's. An empty mesh draws nothing.
    // faces picks all of them or one side of hasOverlappingFaces's split (for
    // a mesh without overlaps every face is alone); the faces of each set keep
    // their order.
    void draw(float t, MeshFaces faces = MeshFaces::all);
    // Draws at t clamped to the first and last key time.
    void drawClamped(float t);
    // Draws as draw does, leaving out the clusters that lie wholly outside
    // view (given in the mesh's own coordinates); the triangles drawn keep
    // their order, so the picture is the same as draw's.
    void drawInView(float t, const ViewFrustum& view, MeshFaces faces = MeshFaces::all);
    // Draws the cross-fade of this mesh at tThis (weight p) with other at
    // tOther (weight 1 - p); when the two cannot be blended (a display list,
    // no frames, different vertex counts) only the dominant one is drawn.
    void drawBlended(float tThis, float tOther, Mesh& other, float p);
    // Position of vertex i at time t; zero for a bad index, an empty mesh or a
    // compiled one. Leaves the drawing cache alone.
    Vec3 vertexAt(int32_t i, float t) const;
    // Position of vertex i in the cross-fade as drawBlended would draw it.
    Vec3 vertexAtBlended(int32_t i, float tThis, float tOther, Mesh& other, float p);

    int32_t frameCount;
    int32_t vertexCount;
    // frameCount key times, and per keyframe 3 * vertexCount position and
    // normal values; 2 texture coordinates per vertex. All but the key times
    // are released once compiled.
    std::vector<float> keyTimes;
    std::vector<std::vector<float>> framePositions;
    std::vector<std::vector<float>> frameNormals;
    std::vector<float> texCoords;

    // The pose last drawn, 3 floats a vertex (released once compiled), and the
    // wrapped time it was computed for: -1 when fresh, -FLT_MAX after a cross-fade.
    const std::vector<float>& getWorkPositions() const { return workPositions; }
    const std::vector<float>& getWorkNormals() const { return workNormals; }
    float getLastTime() const { return lastTime; }
    // The display list of a compiled mesh (the first of one per cluster), else 0.
    uint32_t getDisplayList() const { return displayList; }
    // A sphere in model space that holds every vertex of every keyframe, and
    // so every pose drawn between them; radius -1 for an empty mesh. Kept
    // when the mesh is compiled.
    const Vec3& getBoundsCentre() const { return boundsCentre; }
    float getBoundsRadius() const { return boundsRadius; }

    // A run of consecutive triangles that lie close together, with a sphere
    // over every keyframe.
    struct Cluster {
        int32_t first;  // first vertex
        int32_t count;  // vertices, a multiple of 3
        Vec3 centre;
        float radius;
    };
    // The runs, in order and covering every vertex, of a mesh large enough
    // that a view often sees only part of it; empty for the others.
    const std::vector<Cluster>& getClusters() const { return clusters; }
    // Whether two triangles of the first keyframe lie in one plane over a
    // common area (facesOverlapInOnePlane), where a blended pass lands twice;
    // such faces are the overlapping ones of draw's split.
    bool hasOverlappingFaces() const { return overlappingFaces; }

    // Test seam: the work positions, writable, so that a test can mark them
    // and see whether the next draw recomputed them.
    std::vector<float>& workPositionsForTest() { return workPositions; }

private:
    // Brings t into one animation period.
    float wrapTime(float t) const;
    // The two keyframes a, b and the fraction f of b for the wrapped time t.
    void chooseFrames(float t, int32_t& a, int32_t& b, float& f) const;
    bool canBlendWith(const Mesh& other) const;
    bool parse(MemoryReader& reader);
    void findBounds();
    void findClusters();
    // The sphere over every keyframe of vertices first .. first + count - 1.
    void sphereOf(int32_t first, int32_t count, Vec3& centre, float& radius) const;
    void compile();
    // The sets of overlapping and lone faces per part (cluster) from the first
    // keyframe's marks, and hasOverlappingFaces.
    void findFaceSets();
    // The clusters, or 1 for a mesh without them.
    int32_t partCount() const;
    int32_t listCount() const;
    // The display list of part's faces.
    uint32_t listOf(int32_t part, MeshFaces faces) const;
    // Draws part's faces from its list, or from the work arrays as posed.
    void drawPart(int32_t part, MeshFaces faces);
    // The work arrays' vertices of that list, in one call.
    void drawWorkElements(const std::vector<uint32_t>& vertices);
    // The work arrays as OpenGL's client arrays, and back off.
    void enableWorkArrays() const;
    static void disableWorkArrays();
    // Recomputes the work arrays for time t unless they hold it already.
    void pose(float t);
    void drawWorkArrays(int32_t first, int32_t count);

    std::vector<float> workPositions;
    std::vector<float> workNormals;
    float lastTime;
    uint32_t displayList;
    Vec3 boundsCentre;
    float boundsRadius;
    std::vector<Cluster> clusters;
    // Per part, empty unless some faces overlap.
    std::vector<MeshFaceSets> faceSets;
    bool overlappingFaces;
};

#endif
