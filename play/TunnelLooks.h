#ifndef QUENDRALVOSS_PLAY_TUNNELLOOKS_H
#define QUENDRALVOSS_PLAY_TUNNELLOOKS_H

#include "text/ObjectNames.h"

class SceneObject;
class SceneObjectList;

// The looks of the tunnel's objects that both the room's build and the live
// opening of the tunnel and of the eyes give them, each described once (in
// Room7.cpp): what a load rebuilds is what the player saw.

// A moving ring's speed, drawn at random: one draw per ring of a pair.
float drawRingSpeed();
// A ring of the open tunnel at x, turned over and moving at speed; returned
// (owned by list) for the caller's lists.
SceneObject* appendMovingRing(SceneObjectList& list, float x, float speed);
// One of the open tunnel's arches at x, turned over, drawn from any
// distance; returned (owned by list) for the caller's lists.
SceneObject* appendOpenArch(SceneObjectList& list, float x);

// One of the hall's eyes under name, opening (at mesh time 5 x opening while
// opening is below 1) or open; returned (owned by list).
SceneObject* appendEye(SceneObjectList& list, ObjectName name, float opening);
// An eye that has opened fully: the open mesh, running.
void openEye(SceneObject& eye);

#endif
