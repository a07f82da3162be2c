#ifndef QUENDRALVOSS_PLAY_WELLLOOKS_H
#define QUENDRALVOSS_PLAY_WELLLOOKS_H

class SceneObject;

// The looks of the well's objects that both the room's build and the live
// changes of the story give them, each described once (in Room2And3.cpp):
// what a load rebuilds is what the player saw.

// The fish person back over its stand in the pond after its dive: the
// resurfacing mesh from its start fading into the floating one over 0.9 s,
// in the place, turn and box the room builds it with.
void settleFishPersonInPond(SceneObject& fish);

#endif
