#ifndef QUENDRALVOSS_CONTENT_MODELKIT_H
#define QUENDRALVOSS_CONTENT_MODELKIT_H

#include <cstdint>
#include <utility>
#include <vector>

#include "content/MarkerLayout.h"
#include "content/MeshBuilder.h"
#include "content/Rig.h"

// Turning built models into mesh files.
namespace modelkit {

typedef std::vector<std::pair<float, std::vector<BonePose>>> PoseKeys;

// One keyframe at time 0 (drawn from a display list by the game).
std::vector<uint8_t> still(const MeshBuilder& b);
// Two identical keyframes at 0 and `last` (a static look where the game
// needs an animated mesh: glow sprites, cross-fades, held times).
std::vector<uint8_t> held(const MeshBuilder& b, float last);
// Keyframes from posed copies of the built model: one frame per key.
std::vector<uint8_t> posed(const std::vector<MeshVertex>& base, const Rig& rig, const PoseKeys& keys,
                           const Transform& after = Transform());
// Moves the markers into place (see MarkerLayout.h); the padding sits at the
// given point on bone 0.
void placeMarkers(std::vector<MeshVertex>& v, const std::vector<Marker>& markers, V3 pad);
// A pose keyed loop: key 0 and key `period` both show poses[0]; the other
// poses are spread evenly between.
PoseKeys loop(const std::vector<std::vector<BonePose>>& poses, float period);

// Stone laid in courses over the rectangle x0..x1, y0..y1 of the plane
// z = 0, facing +z: rows along x, `course` apart, blocks about `block` long,
// every other row offset by half a block; each block a slab `relief` high
// with bevelled edges and `joint` between blocks. The rectangle's edges
// carry half a joint, and a block cut in two by a side edge keeps that side
// square and level, so rectangles of whole blocks laid edge to edge join
// without a seam. `jitter` tilts and lifts each whole block (rough stone).
struct Courses {
    float course = 0.25f, block = 0.5f, relief = 0.04f, bevel = 0.02f, joint = 0.02f, jitter = 0.0f;
    uint32_t seed = 1;
};
void stoneCourses(MeshBuilder& b, float x0, float x1, float y0, float y1, const Courses& c);
// One slab over x0..x1, y0..y1 from z = 0 up to `height`, its top inset by
// `bevel` on the sides flagged (west, south, east, north); `tilt` slopes
// the top (dz per unit x and y).
void bevelledSlab(MeshBuilder& b, float x0, float y0, float x1, float y1, float height, float bevel,
                  const bool sides[4], float tiltX = 0, float tiltY = 0);

}  // namespace modelkit

#endif
