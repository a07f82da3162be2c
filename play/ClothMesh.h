#ifndef QUENDRALVOSS_PLAY_CLOTHMESH_H
#define QUENDRALVOSS_PLAY_CLOTHMESH_H

#include <cstdint>

#include "engine/Vec3.h"

class Texture;
class ViewFrustum;

// A hanging sheet of cloth, 2 units wide and 5 high, simulated as a 20 x 20
// grid of points joined by pulling springs: held at its two top rows, swaying
// in a travelling wave and pushed aside by the player's chest. Holds one cache
// reference on each of its two textures.
class ClothMesh {
public:
    static const int32_t kPoints = 20;

    // No textures; buildClothMesh takes them.
    ClothMesh();
    // Gives back any textures still held.
    ~ClothMesh();
    ClothMesh(const ClothMesh&) = delete;
    ClothMesh& operator=(const ClothMesh&) = delete;

    // The sheet from (x0 - 1, y0, z0) to (x0 + 1, y0, z0 + 5) with wave
    // strength amplitude; takes the curtain picture (nearest) and the metal sheen. Missing
    // textures are fatal error 1; the cloth is built regardless.
    void buildClothMesh(float x0, float y0, float z0, float amplitude);
    // Gives back both textures; the owner deletes the cloth afterwards.
    void freeClothMesh();
    // One step with the player's feet at (px, py, pz). Allocates nothing.
    void stepClothMesh(float px, float py, float pz, float dt);
    // The cloth in its texture, then the sphere-mapped sheen on top of it;
    // nothing of it when every quad lies wholly outside view (none could show).
    void drawClothMesh(const ViewFrustum& view) const;

    Vec3 restPoints[kPoints][kPoints];
    Vec3 points[kPoints][kPoints];
    Vec3 velocities[kPoints][kPoints];
    Vec3 lastPlayerPosition;
    float time;
    float waveAmplitude;
    Texture* clothTexture;
    Texture* sheenTexture;

private:
    // Every quad, or none when not inView.
    void drawQuads(bool withTexCoords, bool inView) const;
    // Whether every quad's corners lie beyond one plane of view.
    bool isClothOutside(const ViewFrustum& view) const;
};

#endif
