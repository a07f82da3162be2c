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

// Frees each object once, even one that was appended twice.
void destroyAll(std::vector<SceneObject*>& list) {
    for (size_t k = 0; k < list.size(); ++k) {
        bool seen = false;
        for (size_t j = 0; j < k && !seen; ++j) {
            seen = list[j] == list[k];
        }
        if (!seen) {
            list[k]->destroySceneObject();
            delete list[k];
        }
    }
    list.clear();
}

// Closed intervals on one axis.
bool overlaps(float c, float h, float o, float e) { return c + h >= o - e && o + e >= c - h; }

}  // namespace

SceneObjectList::SceneObjectList() : player(nullptr) {}

SceneObjectList::~SceneObjectList() { clearSceneObjects(); }

void SceneObjectList::setPlayer(Player* p) { player = p; }

void SceneObjectList::watchList(std::vector<SceneObject*>* list) { watchers.push_back(list); }

void SceneObjectList::appendSceneObject(SceneObject* object) { worldList.push_back(object); }

SceneObject* SceneObjectList::findSceneObject(const std::string& name) {
    for (size_t k = 0; k < worldList.size(); ++k) {
        if (worldList[k]->name == name) {
            return worldList[k];
        }
    }
    raiseFatalError(kFatalGeneral, text::kPlayException5);
    SceneObject* blank = new SceneObject();
    blank->constructSceneObject();
    blanks.push_back(blank);
    return blank;
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
    const size_t before = worldList.size();
    removeAll(worldList, object);
    if (worldList.size() == before) {
        return false;
    }
    forget(object);
    object->destroySceneObject();
    delete object;
    return true;
}

bool SceneObjectList::takeSceneObject(SceneObject* object) {
    const size_t before = worldList.size();
    removeAll(worldList, object);
    if (worldList.size() == before) {
        return false;
    }
    forget(object);
    return true;
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
    destroyAll(worldList);
    destroyAll(blanks);
}
