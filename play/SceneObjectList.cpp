#include "play/SceneObjectList.h"

#include "app/FatalError.h"
#include "play/Player.h"
#include "play/SceneObject.h"
#include "text/Text.h"

namespace {

void removeAll(std::vector<SceneObject*>& list, const SceneObject* object) {
    for (size_t k = list.size(); k-- > 0;) {
        if (list[k] == object) {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
}

// Frees every object in list order, then empties the list.
void destroyAll(std::vector<std::unique_ptr<SceneObject>>& list) {
    for (std::unique_ptr<SceneObject>& object : list) {
        object.reset();
    }
    list.clear();
}

// Takes object out of list and hands it over; null when list does not hold it.
std::unique_ptr<SceneObject> release(std::vector<std::unique_ptr<SceneObject>>& list, const SceneObject* object) {
    for (size_t k = 0; k < list.size(); ++k) {
        if (list[k].get() == object) {
            std::unique_ptr<SceneObject> out = std::move(list[k]);
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
            return out;
        }
    }
    return nullptr;
}

// Closed intervals on one axis.
bool overlaps(float c, float h, float o, float e) { return c + h >= o - e && o + e >= c - h; }

}  // namespace

SceneObjectList::SceneObjectList() : player(nullptr) {}

SceneObjectList::~SceneObjectList() { clearSceneObjects(); }

void SceneObjectList::setPlayer(Player* p) { player = p; }

void SceneObjectList::watchList(std::vector<SceneObject*>* list) { watchers.push_back(list); }

SceneObject* SceneObjectList::appendSceneObject(std::unique_ptr<SceneObject> object) {
    worldList.push_back(object.get());
    owned.push_back(std::move(object));
    return worldList.back();
}

SceneObject* SceneObjectList::findSceneObject(const std::string& name) {
    for (size_t k = 0; k < worldList.size(); ++k) {
        if (worldList[k]->name == name) {
            return worldList[k];
        }
    }
    raiseFatalError(kFatalGeneral, text::kPlayException5);
    blanks.push_back(makeSceneObject());
    return blanks.back().get();
}

bool SceneObjectList::containsSceneObject(const std::string& name) const {
    for (const SceneObject* object : worldList) {
        if (object->name == name) {
            return true;
        }
    }
    return false;
}

bool SceneObjectList::boxHitsAnySceneObject(float cx, float cy, float cz, float hx, float hy, float hz) const {
    for (size_t k = 0; k < worldList.size(); ++k) {
        const SceneObject* o = worldList[k];
        if (overlaps(cx, hx, o->position.x, o->halfSize.x) && overlaps(cy, hy, o->position.y, o->halfSize.y) &&
            overlaps(cz, hz, o->position.z, o->halfSize.z)) {
            return true;
        }
    }
    return false;
}

void SceneObjectList::forget(const SceneObject* object) {
    if (player) {
        player->forgetTarget(object);
    }
    for (size_t k = 0; k < watchers.size(); ++k) {
        removeAll(*watchers[k], object);
    }
}

bool SceneObjectList::deleteSceneObject(SceneObject* object) {
    // The object taken out is destroyed and freed as the statement ends.
    return takeSceneObject(object) != nullptr;
}

std::unique_ptr<SceneObject> SceneObjectList::takeSceneObject(SceneObject* object) {
    std::unique_ptr<SceneObject> taken = release(owned, object);
    if (!taken) {
        return nullptr;
    }
    removeAll(worldList, object);
    forget(object);
    return taken;
}

void SceneObjectList::clearSceneObjects() {
    for (size_t k = 0; k < worldList.size(); ++k) {
        if (player) {
            player->forgetTarget(worldList[k]);
        }
    }
    for (size_t k = 0; k < watchers.size(); ++k) {
        watchers[k]->clear();
    }
    worldList.clear();
    destroyAll(owned);
    destroyAll(blanks);
}
