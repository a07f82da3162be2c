#ifndef QUENDRALVOSS_PLAY_GARDENLOOKS_H
#define QUENDRALVOSS_PLAY_GARDENLOOKS_H

#include <cstdint>

class SceneObject;
class SceneObjectList;

// The looks of the garden's objects that both the room's build and the live
// changes of the story give them, each described once (in Room1.cpp): what a
// load rebuilds is what the player saw.

// The rope tied to the well's pole, named; returned (owned by list).
SceneObject* appendRopeOnPole(SceneObjectList& list);
// The bone laid down before the dog, named; returned (owned by list).
SceneObject* appendPlacedBone(SceneObjectList& list);

// The dog awake behind the placed bone: the character texture, its place,
// its box and its two glowing eyes. The mesh is the caller's.
void poseAwakeDog(SceneObject& dog);
// The dog guarding the placed bone: a cross-fade into the guarding mesh
// over seconds (a cut on a dog without a mesh yet), at speed 1.
void fadeDogToGuarding(SceneObject& dog, float seconds);
// The dog content with its bone: the filled hole and the dog chewing (speed
// 2, its eyes glowing), both unnamed.
void appendContentDog(SceneObjectList& list);

// The big pumpkin's mesh after cut number cut (1 to 4, 4 carved).
void cutPumpkin(SceneObject& pumpkin, int32_t cut);
// A cut pumpkin's pose, held at the end of the first cut (all its later
// meshes have one keyframe).
void holdCutPumpkin(SceneObject& pumpkin);
// The carved pumpkin lit: the lantern's mesh and picture and its two eyes.
void lightPumpkin(SceneObject& pumpkin);
// The stump under the lit pumpkin, unnamed.
void appendPumpkinStump(SceneObjectList& list);

// The house door opened by the knock, held at the end of its opening,
// unnamed.
void appendOpenedDoor(SceneObjectList& list);

#endif
