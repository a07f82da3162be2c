#ifndef QUENDRALVOSS_PLAY_PLAYER_H
#define QUENDRALVOSS_PLAY_PLAYER_H

#include <cstdint>
#include <memory>
#include <vector>

#include "app/ActionEntry.h"
#include "engine/Vec3.h"

class FileStream;
class SceneObject;

// The one person the player controls: body box, feet and view, the action list
// (which is the inventory), the targets in view, the chosen action and target,
// the default target "yourself" and the walk rhythm behind head bob and
// footsteps. Selections never outlive what they point at: removing an action
// or forgetting a target clears the choice, and validation picks anew.
class Player {
public:
    // Empty lists, no self target yet; constructPlayer builds it.
    Player();
    // Runs destroyPlayer.
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Back to the defaults (body (0.2, 0.2, 0.8), eyes 1.5, step 0.34), the
    // "yourself" object at (-999, -999, -999), then resetPlayer.
    void constructPlayer();
    // Deletes the self target, the placeholder target and every action entry,
    // empties both lists and clears the choices; safe to run twice.
    void destroyPlayer();
    // New game: feet and view at zero, actions 0, 1, 2, 3 with 0 chosen.
    void resetPlayer();
    // Empties both lists (action entries deleted) and the walk state.
    void clearPlayerLists();
    // The action list in order; the entries are owned here and change only
    // through the operations below.
    const std::vector<std::unique_ptr<ActionEntry>>& actions() const { return actionList; }
    // Appends an entry holding id (-1: the placeholder "use unknown item on")
    // and returns it; the choice stays as it was.
    ActionEntry* appendAction(int32_t id);
    // Deletes the first entry with id (nothing when there is none); when it
    // was the chosen one, no action is chosen until the next validation.
    void removeActionById(int32_t id);
    // Makes the chosen action one of the list: true when it had to choose
    // ("ask" first, else the first entry); an empty list gets the placeholder
    // -1 and fatal error "exception:\n1".
    bool validateCurrentAction();
    // Makes the chosen target one of the list: true when it had to choose (the
    // first entry); an empty list gets the placeholder "unknown object" and
    // fatal error "exception:\n2".
    bool validateCurrentTarget();
    // Drops object from the targets and the choice, for an object that is
    // about to be freed.
    void forgetTarget(const SceneObject* object);
    // The placeholder target "unknown object", made on first use and owned
    // here.
    SceneObject* placeholderTarget();
    // The default target "yourself", owned here; null before constructPlayer.
    SceneObject* selfTarget() const { return self.get(); }

    // Walk rhythm and footsteps for this frame; flags 1..4 choose the sound
    // group of the surface (the last flag set wins, none set: silence).
    void updateFootsteps(float dt, bool flag1, bool flag2, bool flag3, bool flag4);
    // Eye with head bob; view angles with roll sway.
    Vec3 playerEyePosition() const;
    Vec3 playerViewAngles() const;
    // The walking box (from the step height to the head) and the body box
    // centre (feet to head; its half extents are halfSize).
    Vec3 playerBoxHalfSize() const;
    Vec3 playerBoxCentre() const;
    Vec3 playerFeetProbe() const;
    // The same two centres for the feet at another place.
    Vec3 playerBoxCentreAt(const Vec3& feet) const;
    Vec3 playerFeetProbeAt(const Vec3& feet) const;

    // The player block of the save file: five floats (x, y, z, pitch, yaw), the
    // action count, the ids. False at the first failed word.
    bool savePlayer(FileStream& stream) const;
    // Reads the same block; false at the first failed word (the values and
    // entries read so far stay). The roll becomes 0. The chosen action is the
    // last id 1 read, else none. A count of 0 or less raises "save file
    // corrupted" and gives false.
    bool loadPlayer(FileStream& stream);

    Vec3 halfSize{0.2f, 0.2f, 0.8f};
    float eyeHeight = 1.5f;
    float stepHeight = 0.34f;
    int32_t lastFootstepSound = -1;
    float airTime = 1.0f;
    Vec3 position;
    Vec3 viewAngles;  // roll, pitch, yaw
    std::vector<SceneObject*> targets;  // not owned
    ActionEntry* selectedAction = nullptr;
    SceneObject* selectedTarget = nullptr;
    float walkPhase = 0.0f;
    float walkIntensity = 0.0f;

private:
    // Moves every field; only for constructPlayer, on a destroyed player.
    Player& operator=(Player&&) = default;
    void deleteActions();

    std::vector<std::unique_ptr<ActionEntry>> actionList;
    std::unique_ptr<SceneObject> self;           // "yourself", from constructPlayer on
    std::unique_ptr<SceneObject> unknownTarget;  // the placeholder, null until needed
};

// Copies the three floats of source into destination.
void copyVec3(Vec3& destination, const Vec3& source);

#endif
