#ifndef QUENDRALVOSS_PLAY_PLAYER_H
#define QUENDRALVOSS_PLAY_PLAYER_H

#include <cstdint>
#include <vector>

#include "engine/Vec3.h"

struct ActionEntry;
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

    // Body (0.2, 0.2, 0.8), eyes 1.5, step 0.34, the "yourself" object at
    // (-999, -999, -999), then resetPlayer.
    void constructPlayer();
    // Deletes the self target, the placeholder target and every action entry,
    // empties both lists and clears the choices; safe to run twice.
    void destroyPlayer();
    // New game: feet and view at zero, actions 0, 1, 2, 3 with 0 chosen.
    void resetPlayer();
    // Empties both lists (action entries deleted) and the walk state.
    void clearPlayerLists();
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

    Vec3 halfSize;
    float eyeHeight;
    float stepHeight;
    int32_t lastFootstepSound;
    float airTime;
    Vec3 position;
    Vec3 viewAngles;  // roll, pitch, yaw
    std::vector<ActionEntry*> actions;   // owned
    std::vector<SceneObject*> targets;   // not owned
    SceneObject* selfTarget;             // owned
    ActionEntry* selectedAction;
    SceneObject* selectedTarget;
    float walkPhase;
    float walkIntensity;

private:
    void deleteActions();
    ActionEntry* appendAction(int32_t id);

    SceneObject* unknownTarget;  // owned placeholder, null until needed
};

// Copies the three floats of source into destination.
void copyVec3(Vec3& destination, const Vec3& source);

#endif
