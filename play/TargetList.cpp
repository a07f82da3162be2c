#include "play/TargetList.h"

#include <cmath>

#include "play/Player.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"

namespace {

const float kReach = 3.0f;
const float kSideCone = 0.95f;
const float kUpDownCone = 0.7f;

}  // namespace

void rebuildTargetList(Player& player, const SceneObjectList& world) {
    player.targets.clear();
    player.targets.push_back(player.selfTarget());
    const Vec3 eye = player.playerEyePosition();
    const float pitch = player.viewAngles.y;
    const float yaw = player.viewAngles.z;
    const std::vector<SceneObject*>& objects = world.objects();
    for (size_t k = 0; k < objects.size(); ++k) {
        SceneObject* object = objects[k];
        // Into the eye's frame, where the view runs along +X.
        Vec3 d = object->position;
        d.subtract(eye);
        d.rotate(Vec3(0.0f, 0.0f, -yaw));
        d.rotate(Vec3(0.0f, -pitch, 0.0f));
        if (d.length() > kReach) {
            continue;
        }
        if (!(d.x > 0.0f)) {
            continue;
        }
        if (!(fabsf(d.y) < kSideCone * d.x)) {
            continue;
        }
        if (!(fabsf(d.z) < kUpDownCone * d.x)) {
            continue;
        }
        if (object->name.empty()) {
            continue;
        }
        player.targets.push_back(object);
    }
}
