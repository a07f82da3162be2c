#ifndef QUENDRALVOSS_PLAY_TARGETLIST_H
#define QUENDRALVOSS_PLAY_TARGETLIST_H

class Player;
class SceneObjectList;

// Refills the player's targets: the self target first, then, in world-list
// order, every named object whose position lies within 3.0 of the eye and
// inside the view cone (about 43.5 degrees to each side, 35 up and down).
// There is no line-of-sight test. The entries are not owned.
void rebuildTargetList(Player& player, const SceneObjectList& world);

#endif
