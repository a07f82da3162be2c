#ifndef QUENDRALVOSS_SCRIPT_ROWPARTS_H
#define QUENDRALVOSS_SCRIPT_ROWPARTS_H

#include <cstdint>

#include "engine/Vec3.h"
#include "text/AnswerTexts.h"
#include "text/ObjectNames.h"

class PlayScreen;
class SceneObject;
struct StoryState;

// The pieces that answer rows of several actions are built from. Every
// operation works on the play screen whose action is being carried out.

// Opens the answer panel with answer id.
void showAnswer(PlayScreen& play, AnswerText id);
// Sound n once on any free channel at volume.
void playRowSound(int32_t n, float volume);

// The first world object named name; a missing one is fatal error
// "exception:\n5" and yields a blank object owned by the world list's blank
// list, so the row's remaining edits land there and nothing leaks.
SceneObject* rowObject(PlayScreen& play, ObjectName name);
// Takes the object named name out of the world list (and the targets) and
// destroys it; a missing name is the fatal error above and deletes nothing.
void deleteRowObject(PlayScreen& play, ObjectName name);
// Builds a scene object named name ("" for scenery) with mesh, texture and
// reflection texture (-1: left as constructed) at position and appends it to
// the world list; returns it.
SceneObject* addRowObject(PlayScreen& play, const char* name, int32_t mesh, int32_t texture, int32_t reflection,
                          const Vec3& position);

// Appends a new entry of actionId to the player's action list and selects it.
void giveAction(PlayScreen& play, int32_t actionId);
// Appends a new entry of actionId to the player's action list; the chosen
// action stays as it was.
void appendActionEntry(PlayScreen& play, int32_t actionId);
// The end of every give: sound::kGive at volume, then the targets are rebuilt and
// the chosen target validated, so a picked-up object is no longer chosen.
void finishGive(PlayScreen& play, float volume);
// Picks the object named name up: deletes it, gives actionId, sets *flag,
// clears *cleared (when not null), selects the new entry, then finishGive at
// 0.5.
void pickUp(PlayScreen& play, ObjectName name, int32_t actionId, bool StoryState::*flag,
            bool StoryState::*cleared = nullptr);

// The view fades to black over a second and step follows after a delay of 1.
void fadeOutToStep(PlayScreen& play, int32_t step);
// A camera flight of two seconds (easing) to position and view angles (roll,
// pitch, yaw), with the step delay 2; the camera stops following the player.
void startRowFlight(PlayScreen& play, const Vec3& position, const Vec3& angles);
// Moves the ground grid's disturbed area two cells along its second axis and
// raises it by 0.1; nothing in a room without a grid.
void rippleGroundGrid(PlayScreen& play);
// The costume's line for a trick, death's flag first, then werewolf's, then
// ghost's; with no costume flag the panel stays closed.
void showCostumeAnswer(PlayScreen& play);
// The same choice among the given answers, one for each costume.
void showAnswerForCostume(PlayScreen& play, AnswerText ghost, AnswerText werewolf, AnswerText death);

// Step 48 once the bone has been placed, otherwise step 47.
void stepForDog(PlayScreen& play);
// " door " joins rooms 1 and 3: in room 1 it leads to 3 ("...you enter."),
// in room 3 to 1 ("...you exit."), anywhere else it does nothing.
void useShedDoor(PlayScreen& play);
// The rope joins rooms 1 and 2, either way; anywhere else nothing.
void useRopeBetweenRooms(PlayScreen& play);

// Conditions several actions share.
bool birdStatuesAwake(const PlayScreen& play);
bool bonePlaced(const PlayScreen& play);
// The late part of the night has not begun.
bool nightYoung(const PlayScreen& play);

#endif
