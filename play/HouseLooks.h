#ifndef QUENDRALVOSS_PLAY_HOUSELOOKS_H
#define QUENDRALVOSS_PLAY_HOUSELOOKS_H

#include <cstdint>

#include "text/ObjectNames.h"

class SceneObject;
class SceneObjectList;

// The looks of the house's objects that both the rooms' build and the live
// changes of the story give them, each described once (in Room4To6.cpp):
// what a load rebuilds is what the player saw.

// The treat lying on the letter upstairs, named; returned (owned by list).
SceneObject* appendTreatOnLetter(SceneObjectList& list);
// The broom put down behind the painting once the dust is swept, unnamed;
// returned (owned by list).
SceneObject* appendPutDownBroom(SceneObjectList& list);

// The dust on the table behind the painting at stage (0 lying, 4 to 7
// blowing away): that stage's picture, drawn without smoothing.
void showDustStage(SceneObject& dust, int32_t stage);

// The big painting swung open: still at the end of its swing (time 6, speed
// 0), no longer barring the way.
void holdSwungPainting(SceneObject& painting);
// The big painting swung open under name (kUnnamedRow: none), as the hall
// and the room behind it show it; returned (owned by list).
SceneObject* appendSwungPainting(SceneObjectList& list, ObjectName name);

// The goat person bound in the dust, as it sits until it is freed: a
// cross-fade over 1 s from its look before (a cut on a goat without a mesh
// yet).
void fadeGoatToBound(SceneObject& goat);
// The goat person out of the noise upstairs, facing ahead, named, its two
// eyes hidden until the sweep shows them; returned (owned by list).
SceneObject* appendGoatPersonFacingAhead(SceneObjectList& list);

#endif
