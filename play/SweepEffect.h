#ifndef QUENDRALVOSS_PLAY_SWEEPEFFECT_H
#define QUENDRALVOSS_PLAY_SWEEPEFFECT_H

#include <memory>

class SceneObject;
class Texture;

// Shows one scene object of its own through a moving mask: a first pass in
// the effect texture, shifted by progress through the texture matrix, then the
// object's real textures laid exactly over what that pass left. progress moves
// toward targetProgress at rate; the object's glow sprites fade with it. The
// instance is owned and is not part of the world list.
class SweepEffect {
public:
    // No texture and no instance; constructSweepEffect sets the defaults.
    SweepEffect();
    // Destroys what is still held.
    ~SweepEffect();
    SweepEffect(const SweepEffect&) = delete;
    SweepEffect& operator=(const SweepEffect&) = delete;

    // No instance, progress 0.75, target 0, rate 1/14; the sweep mask picture
    // with nearest filtering (missing: fatal error 1, the effect still works).
    void constructSweepEffect();
    // Destroys and frees the instance when present, then gives back the
    // texture; the owner deletes the effect afterwards.
    void destroySweepEffect();
    // Advances the instance and its sprites' fade, then moves progress.
    void updateSweepEffect(float dt);
    // The masked pass, the real passes over it and the sprites; nothing
    // without an instance. The instance's texture is unchanged afterwards.
    void drawSweepEffect();

    Texture* effectTexture;
    std::unique_ptr<SceneObject> instance;
    float progress;
    float targetProgress;
    float rate;
};

#endif
