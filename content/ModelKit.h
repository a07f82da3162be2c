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

}  // namespace modelkit

#endif
