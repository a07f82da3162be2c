#include "play/OverlayBands.h"

#include <algorithm>

void OverlayBands::cover(float bottom, float top) {
    bottom = std::max(bottom, 0.0f);
    top = std::min(top, height);
    if (bottom < top) {
        bands.push_back(Band{bottom, top});
    }
}

std::vector<OverlayBands::Band> OverlayBands::covered() const {
    std::vector<Band> sorted = bands;
    std::sort(sorted.begin(), sorted.end(), [](const Band& a, const Band& b) { return a.bottom < b.bottom; });
    std::vector<Band> merged;
    for (const Band& band : sorted) {
        if (!merged.empty() && band.bottom <= merged.back().top) {
            merged.back().top = std::max(merged.back().top, band.top);
        } else {
            merged.push_back(band);
        }
    }
    return merged;
}

std::vector<OverlayBands::Band> OverlayBands::uncovered() const {
    std::vector<Band> free;
    float from = 0.0f;
    for (const Band& band : covered()) {
        if (from < band.bottom) {
            free.push_back(Band{from, band.bottom});
        }
        from = band.top;
    }
    if (from < height) {
        free.push_back(Band{from, height});
    }
    return free;
}
