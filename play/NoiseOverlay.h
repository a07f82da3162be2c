#ifndef QUENDRALVOSS_PLAY_NOISEOVERLAY_H
#define QUENDRALVOSS_PLAY_NOISEOVERLAY_H

class Texture;

// Darkens and disturbs the view: as level rises toward targetLevel, a
// jittering noise picture and a black veil cover the 2D overlay, and the
// camera's fog closes in, turns lighter and its field of view widens. While it
// exists it owns gCamera's field of view, fog end and fog colour.
class NoiseOverlay {
public:
    // No texture; initNoiseOverlay takes it.
    NoiseOverlay();
    // Gives back the texture if still held.
    ~NoiseOverlay();
    NoiseOverlay(const NoiseOverlay&) = delete;
    NoiseOverlay& operator=(const NoiseOverlay&) = delete;

    // Level and target 0, rate 0.1, clock 0; the film grain picture with
    // nearest filtering (missing: fatal error 1, the overlay still works).
    void initNoiseOverlay();
    // Gives back the texture and puts the camera's field of view back to
    // normal; the owner deletes the overlay afterwards.
    void releaseNoiseOverlay();
    // Moves level toward targetLevel at rate and writes the camera's fog end,
    // fog colour and field of view from it.
    void updateNoiseOverlay(float dt);
    // The noise window and the veil over the whole 2D overlay.
    void drawNoiseOverlay() const;

    float level;
    float targetLevel;
    float rate;
    float time;
    Texture* noiseTexture;
};

#endif
