#include "play/Player.h"

#include <cmath>

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "app/FatalError.h"
#include "app/SaveCodec.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/FileStream.h"
#include "engine/Random.h"
#include "play/SaveFieldTable.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "text/Text.h"

namespace {

const int32_t kAskAction = 1;
// 3 pi x phase: one step every 2/3 s, the bob at that rate, the sway at half.
const float kStepRate = 9.424778f;
const float kSwayRate = 4.712389f;

// The fixed words of the player block, in save order: the feet, then pitch
// and yaw. The action count and ids follow them.
const SaveField<Player> kPlayerFields[] = {
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Player::position, &Vec3::x},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Player::position, &Vec3::y},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Player::position, &Vec3::z},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Player::viewAngles, &Vec3::y},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Player::viewAngles, &Vec3::z},
};
const int32_t kPlayerFieldCount = static_cast<int32_t>(sizeof(kPlayerFields) / sizeof(kPlayerFields[0]));

bool contains(const std::vector<std::unique_ptr<ActionEntry>>& list, const ActionEntry* entry) {
    for (size_t k = 0; k < list.size(); ++k) {
        if (list[k].get() == entry) {
            return true;
        }
    }
    return false;
}

bool contains(const std::vector<SceneObject*>& list, const SceneObject* object) {
    for (size_t k = 0; k < list.size(); ++k) {
        if (list[k] == object) {
            return true;
        }
    }
    return false;
}

// The footstep of one sound group: base + k, k uniform in 0..count-1.
int32_t pickFrom(int32_t base, float scale) { return base + static_cast<int32_t>(randomUnit() * scale); }

}  // namespace

void copyVec3(Vec3& destination, const Vec3& source) { destination.set(source.x, source.y, source.z); }

Player::Player() = default;

Player::~Player() { destroyPlayer(); }

void Player::constructPlayer() {
    destroyPlayer();
    *this = Player();
    self = makeSceneObject();
    self->position.set(-999.0f, -999.0f, -999.0f);
    self->name = text::kTargetSelf;
    resetPlayer();
}

void Player::destroyPlayer() {
    deleteActions();
    targets.clear();
    selectedAction = nullptr;
    selectedTarget = nullptr;
    self.reset();
    unknownTarget.reset();
}

void Player::deleteActions() {
    // First to last, as they were added.
    for (std::unique_ptr<ActionEntry>& entry : actionList) {
        entry.reset();
    }
    actionList.clear();
}

ActionEntry* Player::appendAction(int32_t id) {
    actionList.push_back(std::make_unique<ActionEntry>(constructActionEntry(id)));
    return actionList.back().get();
}

void Player::clearPlayerLists() {
    deleteActions();
    targets.clear();
    selectedAction = nullptr;
    selectedTarget = nullptr;
    // The walk state of a player that has not taken a step.
    const Player fresh;
    lastFootstepSound = fresh.lastFootstepSound;
    airTime = fresh.airTime;
    walkPhase = fresh.walkPhase;
    walkIntensity = fresh.walkIntensity;
}

void Player::resetPlayer() {
    position.set(0.0f, 0.0f, 0.0f);
    viewAngles.set(0.0f, 0.0f, 0.0f);
    clearPlayerLists();
    ActionEntry* first = appendAction(action::kKnockOn);
    appendAction(action::kAsk);
    appendAction(action::kTrick);
    appendAction(action::kTake);
    selectedAction = first;
}

void Player::removeActionById(int32_t id) {
    for (size_t k = 0; k < actionList.size(); ++k) {
        if (actionList[k]->actionId != id) {
            continue;
        }
        // A later entry could reuse the freed address and pass the identity
        // test as the old choice, so the choice goes with the entry.
        if (selectedAction == actionList[k].get()) {
            selectedAction = nullptr;
        }
        actionList.erase(actionList.begin() + static_cast<std::ptrdiff_t>(k));
        return;
    }
}

bool Player::validateCurrentAction() {
    if (actionList.empty()) {
        raiseFatalError(kFatalGeneral, text::kPlayException1);
        selectedAction = appendAction(constructEmptyActionEntry().actionId);
        return true;
    }
    if (selectedAction && contains(actionList, selectedAction)) {
        return false;
    }
    selectedAction = actionList.front().get();
    for (const std::unique_ptr<ActionEntry>& entry : actionList) {
        if (entry->actionId == kAskAction) {
            selectedAction = entry.get();
            break;
        }
    }
    return true;
}

SceneObject* Player::placeholderTarget() {
    if (!unknownTarget) {
        unknownTarget = makeSceneObject();
        unknownTarget->name = text::kTargetUnknown;
    }
    return unknownTarget.get();
}

bool Player::validateCurrentTarget() {
    if (targets.empty()) {
        raiseFatalError(kFatalGeneral, text::kPlayException2);
        SceneObject* placeholder = placeholderTarget();
        targets.push_back(placeholder);
        selectedTarget = placeholder;
        return true;
    }
    if (selectedTarget && contains(targets, selectedTarget)) {
        return false;
    }
    selectedTarget = targets.front();
    return true;
}

void Player::forgetTarget(const SceneObject* object) {
    if (selectedTarget == object) {
        selectedTarget = nullptr;
    }
    for (size_t k = targets.size(); k-- > 0;) {
        if (targets[k] == object) {
            targets.erase(targets.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
}

void Player::updateFootsteps(float dt, bool flag1, bool flag2, bool flag3, bool flag4) {
    const float old = walkPhase;
    walkPhase = old + dt;
    const float i = walkIntensity - 2.0f * dt;
    if (i < 0.0f) {
        walkIntensity = 0.0f;
        return;
    }
    if (i > 1.0f) {
        walkIntensity = 1.0f;
    } else {
        walkIntensity = i;
        if (!(i > 0.0f)) {
            return;
        }
    }
    if (!(airTime < 0.55f)) {
        return;
    }
    const float a = wrapPositive(old * kStepRate, kFullTurn);
    const float b = wrapPositive(walkPhase * kStepRate, kFullTurn);
    if (!(a > kPi && b < kPi)) {
        return;
    }
    int32_t s = -1;
    do {
        s = -1;
        if (flag1) {
            s = pickFrom(sound::kStepEarth1, 5.9999f);
        }
        if (flag2) {
            s = pickFrom(sound::kStepBoards1, 5.9999f);
        }
        if (flag3) {
            s = pickFrom(sound::kStepWading1, 5.9999f);
        }
        if (flag4) {
            s = pickFrom(sound::kStepWetStone1, 3.9999f);
        }
    } while (s != -1 && s == lastFootstepSound);
    if (s != -1) {
        playCueOnAnyChannel(s, 0.2f * walkIntensity);
    }
    lastFootstepSound = s;
}

Vec3 Player::playerEyePosition() const {
    Vec3 eye = position;
    eye.add(0.0f, 0.0f, eyeHeight);
    eye.add(0.0f, 0.0f, cosf(kStepRate * walkPhase) * 0.03f * walkIntensity);
    return eye;
}

Vec3 Player::playerViewAngles() const {
    Vec3 angles = viewAngles;
    angles.add(sinf(kSwayRate * walkPhase) * 0.01f * walkIntensity, 0.0f, 0.0f);
    return angles;
}

Vec3 Player::playerBoxHalfSize() const {
    Vec3 half;
    copyVec3(half, halfSize);
    half.subtract(0.0f, 0.0f, 0.5f * stepHeight);
    return half;
}

Vec3 Player::playerBoxCentre() const { return playerBoxCentreAt(position); }

Vec3 Player::playerFeetProbe() const { return playerFeetProbeAt(position); }

Vec3 Player::playerBoxCentreAt(const Vec3& feet) const {
    Vec3 centre = feet;
    centre.add(0.0f, 0.0f, halfSize.z + 0.5f * stepHeight);
    return centre;
}

Vec3 Player::playerFeetProbeAt(const Vec3& feet) const {
    Vec3 centre = feet;
    centre.add(0.0f, 0.0f, halfSize.z);
    return centre;
}

bool Player::savePlayer(FileStream& stream) const {
    if (!writeSaveFields(stream, *this, kPlayerFields, kPlayerFieldCount)) {
        return false;
    }
    stream.writeU32(encodeSaveInt(static_cast<int32_t>(actionList.size())));
    if (stream.failed()) {
        return false;
    }
    for (const std::unique_ptr<ActionEntry>& entry : actionList) {
        stream.writeU32(encodeSaveInt(entry->actionId));
        if (stream.failed()) {
            return false;
        }
    }
    return true;
}

bool Player::loadPlayer(FileStream& stream) {
    if (!readSaveFields(stream, *this, kPlayerFields, kPlayerFieldCount)) {
        return false;
    }
    // The roll is not saved: a loaded view is level.
    viewAngles.x = 0.0f;
    clearPlayerLists();
    const int32_t n = decodeSaveInt(stream.readU32());
    if (stream.failed()) {
        return false;
    }
    // The four first actions are never taken away, so a list without any
    // entry was not written by the game.
    if (n <= 0) {
        raiseFatalError(kFatalGeneral, text::kErrorSaveCorrupted);
        return false;
    }
    for (int32_t k = 0; k < n; ++k) {
        const int32_t id = decodeSaveInt(stream.readU32());
        if (stream.failed()) {
            return false;
        }
        ActionEntry* entry = appendAction(id);
        if (id == kAskAction) {
            selectedAction = entry;
        }
    }
    return true;
}
