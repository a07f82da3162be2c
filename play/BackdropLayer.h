#ifndef QUENDRALVOSS_PLAY_BACKDROPLAYER_H
#define QUENDRALVOSS_PLAY_BACKDROPLAYER_H

class Mesh;
class Texture;

// The backdrop of room 7: a slowly turning dark-red sky around the camera, a
// band of mist drifting past under a red fog, and a figure in the texture of
// the player's costume that a fade value brings in. Holds one cache reference
// on each of its three meshes and four textures.
class BackdropLayer {
public:
    // Nothing held; createBackdropLayer takes the resources.
    BackdropLayer();
    // Gives back whatever is still held.
    ~BackdropLayer();
    BackdropLayer(const BackdropLayer&) = delete;
    BackdropLayer& operator=(const BackdropLayer&) = delete;

    // Clock 0; the backdrop meshes (mist, sky, costume) and their pictures and
    // the costume texture: 254 death, 255 ghost, 256 werewolf, tested in that
    // order with the last set flag winning (death's when none is set). Only
    // the chosen one is taken. Missing files are fatal error 1.
    void createBackdropLayer(bool ghost, bool werewolf, bool death);
    // Gives back the three meshes and four textures; the owner deletes the
    // layer afterwards.
    void freeBackdropLayer();
    // Advances the clock (also the meshes' animation time).
    void advanceBackdropLayer(float dt);
    // Sky and mist; gCamera's fog and far settings are as before afterwards.
    void drawBackdropSky();
    // The costume figure at fade (0 or below: nothing; above 1 counts as 1).
    void drawBackdropCostume(float fade);

    float time;
    Mesh* driftMesh;
    Texture* driftTexture;
    Mesh* skyMesh;
    Texture* skyTexture;
    Mesh* costumeMesh;
    Texture* costumeTexture;
    Texture* costumeOverlayTexture;
};

#endif
