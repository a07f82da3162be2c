#ifndef QUENDRALVOSS_PLAY_STREETLOOKS_H
#define QUENDRALVOSS_PLAY_STREETLOOKS_H

#include "text/ObjectNames.h"

class SceneObject;
class SceneObjectList;
struct StoryState;

// The looks of the street's objects that both the room's build and the live
// changes of the story give them, each described once (in Room0.cpp): what a
// load rebuilds is what the player saw.

// The street's row for the item of that name as story now holds it (the
// rock, the key under it, the broomstick leaning or in the crack, the
// dispensed candle, ...), named: the last of its rows that holds; null when
// none does.
SceneObject* appendStreetItem(SceneObjectList& list, const StoryState& story, ObjectName name);

// The hat on the broomstick in the crack, as both sides of the wall show it,
// under name (kUnnamedRow: none); returned (owned by list).
SceneObject* appendHatOnBroomstick(SceneObjectList& list, ObjectName name);
// Monique's hat where her scene drops it, at x along the street, named;
// returned (owned by list).
SceneObject* appendDroppedHat(SceneObjectList& list, float x);

// The gateway's lock, the same from both sides of the wall: shut, named and
// in the way, or once open standing open; returned (owned by list).
SceneObject* appendGatewayLock(SceneObjectList& list, bool open);
// The lock standing open once it has swung: the open mesh, out of the way
// and no longer a target.
void standLockOpen(SceneObject& lock);

// The gate late at night standing open once it has swung: the open mesh.
void standGateOpen(SceneObject& gate);

// The shady cat at rest, before and after its close-ups: its sitting mesh,
// running, without the glow in its eye.
void restShadyCat(SceneObject& cat);

// A bird statue awake: its awake mesh, the character texture and its two
// glowing eyes. Its clock is the caller's.
void wakeLeftBirdStatue(SceneObject& statue);
void wakeRightBirdStatue(SceneObject& statue);

#endif
