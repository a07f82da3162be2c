#ifndef QUENDRALVOSS_SCRIPT_STEPPARTS_H
#define QUENDRALVOSS_SCRIPT_STEPPARTS_H

#include <cstdint>

#include "engine/Vec3.h"
#include "text/ObjectNames.h"
#include "text/StepTexts.h"

class PlayScreen;
class SceneObject;

// The pieces the script steps are built from. Every operation works on the
// play screen whose world script runs the step.

// A step handler: runs once and writes the next step.
typedef void (*StepHandler)(PlayScreen& play);

// One step number with its handler.
struct StepRecord {
    int32_t step;
    StepHandler handler;
};

// The handler of step (1..144); null for a step without one.
StepHandler stepHandler(int32_t step);

// The step records of each half of the story (ScriptStepsFirst.cpp,
// ScriptStepsSecond.cpp).
extern const StepRecord kFirstSteps[];
extern const int32_t kFirstStepCount;
extern const StepRecord kSecondSteps[];
extern const int32_t kSecondStepCount;

// Opens the answer panel with the scene line id.
void say(PlayScreen& play, StepText id);
// One of the fish person's six sounds, chosen at random, at 0.5.
void playFishSound();
// The fade of the scene toward target (0 black, 1 shown) at rate a second.
void fadeScene(PlayScreen& play, float target, float rate);
void fadeScene(PlayScreen& play, float target);
// A flight back to the player's eye and view angles.
void flyBackToPlayer(PlayScreen& play, float seconds, bool ease);
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

#endif
