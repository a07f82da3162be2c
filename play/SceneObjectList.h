#ifndef QUENDRALVOSS_PLAY_SCENEOBJECTLIST_H
#define QUENDRALVOSS_PLAY_SCENEOBJECTLIST_H

#include <memory>
#include <string>
#include <vector>

#include "play/SceneObject.h"

class Player;
class SceneObject;

// The world list: the scene objects of the current room in the order they
// were added, owned here. Objects are found by exact name, tested against a
// box for collision and freed here only; every list that merely points at
// them (the player's targets and the lists registered with watchList) drops
// an object before it is freed.
class SceneObjectList {
public:
    SceneObjectList();
    // Runs clearSceneObjects.
    ~SceneObjectList();
    SceneObjectList(const SceneObjectList&) = delete;
    SceneObjectList& operator=(const SceneObjectList&) = delete;

    // The player whose targets must forget freed objects (may be null).
    void setPlayer(Player* player);
    // A non-owning list of world objects that forgets freed objects and is
    // emptied by clearSceneObjects.
    void watchList(std::vector<SceneObject*>* list);

    // Appends object, which the list owns from now on; returns it.
    SceneObject* appendSceneObject(std::unique_ptr<SceneObject> object);
    // The first object whose name equals name byte for byte. A missing name
    // raises fatal error "exception:\n5" and returns a blank object kept in a
    // list of its own (freed with the room, never a world object).
    SceneObject* findSceneObject(const std::string& name);
    // True when some object of the world list is named name byte for byte;
    // never an error, for rules that act only on what is there.
    bool containsSceneObject(const std::string& name) const;
    // True when the box (centre, half extents) overlaps, faces touching
    // included, the box of any object; default boxes (kNoCollision) never overlap.
    bool boxHitsAnySceneObject(float cx, float cy, float cz, float hx, float hy, float hz) const;
    // Removes object from the world list, drops it from the watching lists,
    // destroys and frees it. False, freeing nothing, when object is not
    // in the world list (such as a blank from findSceneObject).
    bool deleteSceneObject(SceneObject* object);
    // Takes object out of the world list and every list that watches it,
    // without freeing it, and hands it to the caller. Null when object is not
    // in the world list.
    std::unique_ptr<SceneObject> takeSceneObject(SceneObject* object);
    // Destroys and frees every object and every blank; empties the watched
    // lists and drops the objects from the player's targets.
    void clearSceneObjects();

    const std::vector<SceneObject*>& objects() const { return worldList; }
    size_t blankCount() const { return blanks.size(); }

private:
    void forget(const SceneObject* object);

    std::vector<SceneObject*> worldList;                // the order, as objects() shows it
    std::vector<std::unique_ptr<SceneObject>> owned;    // the same objects, owned
    std::vector<std::unique_ptr<SceneObject>> blanks;
    std::vector<std::vector<SceneObject*>*> watchers;
    Player* player;
};

#endif
