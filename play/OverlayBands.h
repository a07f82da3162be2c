#ifndef QUENDRALVOSS_PLAY_OVERLAYBANDS_H
#define QUENDRALVOSS_PLAY_OVERLAYBANDS_H

#include <vector>

// Horizontal bands of the 2D overlay (full width, from bottom to top in
// overlay units) that something covers, and the bands left free between
// them, for drawing layers apart where something lies between them and
// joined elsewhere.
class OverlayBands {
public:
    struct Band {
        float bottom;
        float top;
    };

    // Nothing covered over 0..height.
    explicit OverlayBands(float height) : height(height) {}

    // Marks bottom..top covered (clipped to 0..height); an empty band adds
    // nothing.
    void cover(float bottom, float top);
    // The covered bands, sorted and merged where they touch or overlap.
    std::vector<Band> covered() const;
    // The bands of 0..height that no covered band touches, bottom first.
    std::vector<Band> uncovered() const;

private:
    float height;
    std::vector<Band> bands;
};

#endif
