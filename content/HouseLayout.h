#ifndef QUENDRALVOSS_CONTENT_HOUSELAYOUT_H
#define QUENDRALVOSS_CONTENT_HOUSELAYOUT_H

#include <vector>

#include "content/MeshBuilder.h"

// Where the house's front openings are, in world x and z: the front door
// and the two tall windows of the hall (with the curtains behind them), and
// the two upper windows. The outside front (205), the glass (90) and the
// inside shell (156) share them.
namespace house {

const float kFrontY = 29.28f;
const float kInsideFrontY = 29.5f;

inline std::vector<MeshBuilder::Hole> frontOpenings() {
    return {{11.74f, 1.0f, 13.25f, 3.8f},  // the door
            {3.9f, 1.75f, 8.9f, 6.75f},    // hall windows (curtains x 3.9-8.9, 16.1-21.1)
            {16.1f, 1.75f, 21.1f, 6.75f},
            {4.4f, 8.3f, 8.4f, 10.5f},     // upper windows
            {16.6f, 8.3f, 20.6f, 10.5f}};
}

}  // namespace house

#endif
