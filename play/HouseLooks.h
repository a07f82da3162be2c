#ifndef QUENDRALVOSS_PLAY_HOUSELOOKS_H
#define QUENDRALVOSS_PLAY_HOUSELOOKS_H

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

#endif
