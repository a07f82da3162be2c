#ifndef QUENDRALVOSS_SCRIPT_STEPPARTS_H
#define QUENDRALVOSS_SCRIPT_STEPPARTS_H

#include <cstdint>

#include "engine/Vec3.h"
#include "text/ObjectNames.h"
#include "script/StepRow.h"
#include "text/StepTexts.h"

class PlayScreen;
class SceneObject;
class SweepEffect;

// The pieces the script steps are built from, shared by several scenes.
// Every operation works on the play screen whose world script runs the step.

// The first world object named name (PlayScreen::findSceneObject).
SceneObject* sceneObject(PlayScreen& play, ObjectName name);
// The object named name cut to mesh with animation time and speed; returns it.
SceneObject* poseObject(PlayScreen& play, ObjectName name, int32_t mesh, float time, float speed);
// Opens the answer panel with the scene line id.
void say(PlayScreen& play, StepText id);
// Sound n on any free channel at volume, then the line, then next is written.
void cueLine(PlayScreen& play, int32_t n, float volume, StepText line, int32_t next);
// Sets the step delay to seconds and writes next, which then follows after it.
void nextAfter(PlayScreen& play, float seconds, int32_t next);
// Says the line for the costume worn: ghost, else werewolf, else death.
// Returns the line said; kNoStepLine (nothing said) without a costume flag.
StepText sayForCostume(PlayScreen& play, StepText ghost, StepText werewolf, StepText death);
// One of the fish person's six sounds, chosen at random, at 0.5.
void playFishSound();
// The fade of the scene toward target (0 black, 1 shown) at rate a second.
void fadeScene(PlayScreen& play, float target, float rate);
void fadeScene(PlayScreen& play, float target);
// The scene fades toward black at the rate it has; next follows after a
// delay of 1.
void darkenToStep(PlayScreen& play, int32_t next);
// A flight back to the player's eye and view angles.
void flyBackToPlayer(PlayScreen& play, float seconds, bool ease);
// An eased two-second flight back to the player, then a delay of 2 and next.
void returnToPlayer(PlayScreen& play, int32_t next);
// A flight from where it ends (from) turning toward point.
void flyToward(PlayScreen& play, const Vec3& from, const Vec3& point, float seconds, bool ease);
// Puts gCamera at position with angles in degrees.
void placeCamera(const Vec3& position, const Vec3& degrees);
// Sets the object's animation time and speed.
void animate(SceneObject* object, float time, float speed);
// Appends a glow sprite at vertex, its extent scaled component-wise by scale,
// coloured (r, g, b, a).
void addGlow(SceneObject* object, int32_t vertex, const Vec3& scale, float r, float g, float b, float a);
// Frees and removes every glow sprite of the object.
void freeGlows(SceneObject* object);
// Switches the object's collision off.
void noCollision(SceneObject* object);

// A new sweep effect takes instance over; the object leaves the world list
// (the effect owns and draws it). A sweep still running is ended. A blank from
// a missed lookup is not in the world list and is not taken.
SweepEffect* sweepTakesOver(PlayScreen& play, SceneObject* instance);
// "you", in the costume worn, stands before the person: the figure is
// appended, the scene shown from the person's side, and the delay set to 3.
void showYou(PlayScreen& play);

#endif
