#ifndef QUENDRALVOSS_TOOLS_TARGETVIEW_H
#define QUENDRALVOSS_TOOLS_TARGETVIEW_H

#include <vector>

#include "engine/Vec3.h"

class PlayScreen;
class SceneObject;

// Where the player may stand to look at one target of the room: the centre
// of what is drawn of it (of an invisible one, the point of its collision box
// nearest the entry), and places 1.5 to 2 units from that centre with the
// eyes at eye height (farther where the player's box does not fit nearer),
// best first. Places with no collision box between the eyes and the centre
// come before the rest.
class TargetView {
public:
    // Measures object as drawn now (OpenGL feedback, so it needs the game's
    // context) and ranks the places around it, those on the side of entry
    // first; floorZ is the floor the player stands on at the entry. Each place
    // stands on the floor beneath it.
    TargetView(PlayScreen& play, SceneObject& object, const Vec3& entry, float floorZ);

    // The view angles (roll, pitch, yaw) from eye to the centre.
    Vec3 anglesFrom(const Vec3& eye) const;

    Vec3 centre;
    // Feet positions, best first; empty when none fits.
    std::vector<Vec3> places;
};

#endif
