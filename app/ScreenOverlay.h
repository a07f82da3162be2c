#ifndef QUENDRALVOSS_APP_SCREENOVERLAY_H
#define QUENDRALVOSS_APP_SCREENOVERLAY_H

#include "app/VignetteHole.h"

class Texture;

// Two full-screen layers drawn over the 3D view on the 2D overlay: a faint
// drifting fog picture (2) that turns with the camera, and a darkening
// vignette (3). The main menu, the intro and the play screen each own one.
class ScreenOverlay {
public:
    // Holds nothing; its owner calls createScreenOverlay.
    ScreenOverlay();
    // Gives back what is still held (freeScreenOverlay), so that an owner's
    // destruction frees it in member order.
    ~ScreenOverlay();
    ScreenOverlay(const ScreenOverlay&) = delete;
    ScreenOverlay& operator=(const ScreenOverlay&) = delete;

    // Time 0; acquires the fog layer and vignette pictures (a missing one is the resource-file
    // fatal error, raised by the acquire).
    void createScreenOverlay();
    // Releases both pictures that are held.
    void freeScreenOverlay();
    // Time 0; gives back what is held and takes the fog layer and vignette afresh (the
    // cache may have been purged since).
    void reloadScreenOverlay();
    void advanceScreenOverlay(float dt);
    // Both expect the 2D overlay projection; each covers the whole overlay
    // and ends with the texture unbound.
    void drawScreenOverlayFog() const;
    void drawScreenOverlayVignette() const;
    // The same over the full-width band bottom..top of the overlay only.
    void drawScreenOverlayFog(float bottom, float top) const;
    void drawScreenOverlayVignette(float bottom, float top) const;
    // Whether the joined drawing can run: both pictures held, the fog
    // picture opaque, three texture units.
    bool canJoinScreenOverlay() const;
    // The fog layer with the vignette over it, as drawing the two one after
    // the other over the band bottom..top gives (up to rounding), in one
    // quad; ends with the textures unbound.
    void drawScreenOverlayJoined(float bottom, float top) const;

    // The fog picture's lower-left texture coordinate for the camera's
    // rotation now and the time: it repeats four times per full turn.
    void fogOffset(float& u0, float& v0) const;

    float time;
    Texture* fogLayer;
    Texture* vignette;
    // Where the vignette blends nothing in, found when it is taken.
    VignetteHole vignetteHole;
};

#endif
