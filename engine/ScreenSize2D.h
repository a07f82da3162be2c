#ifndef QUENDRALVOSS_ENGINE_SCREENSIZE2D_H
#define QUENDRALVOSS_ENGINE_SCREENSIZE2D_H

// The 2D overlay: the plane X = 0 seen from +X, Y from 0 (left) to width
// (right), Z from 0 (bottom) to height (top). Overlay drawing uses the 3D
// drawing code with positions (0, y, z).
class ScreenSize2D {
public:
    // Width and height 1; the application sets 48 x 36.
    ScreenSize2D();

    // Loads the overlay projection and view (anything with X in -10..10 shows)
    // and turns the depth test and fog off.
    void apply() const;

    float width;
    float height;
};

extern ScreenSize2D* gScreenSize2D;

#endif
