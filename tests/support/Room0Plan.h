#ifndef QUENDRALVOSS_TESTS_ROOM0PLAN_H
#define QUENDRALVOSS_TESTS_ROOM0PLAN_H

// Room 0's records as the street is laid out, in creation order, with their
// names in both languages, for the English and the German room tests.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ResourceCache.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "text/Text.h"

#include <gtest/gtest.h>

namespace playtest {

struct PlanRow {
    const char* en;
    const char* de;
    int32_t mesh;  // -1: the blank mesh
    float x, y, z;
    float hx;      // collision half extent along x; kNoCollision none
    int32_t glows;
};

// The number of the mesh an object shows, -1 for the blank mesh.
inline int32_t meshNumber(const SceneObject* object) {
    const std::string* key = gResourceCache->meshTable().keyOf(object->sceneObjectMesh());
    if (!key) return -2;
    const std::string& k = *key;
    if (k.size() < 9 || k.compare(0, 4, "res/") != 0) return -1;
    return std::stoi(k.substr(4));
}

const int32_t kGridObjects = 88;

// Rows 1 to 14 of a new game, rock and key untouched.
inline std::vector<PlanRow> itemRows() {
    return {
        {"", "", 32, 3.87f, 9.52f, 0.0f, kNoCollision, 0},
        {"flower", "blume", 12, 3.87f, 9.52f, 0.0f, kNoCollision, 0},
        {"rock", "stein", 14, 6.0f, 2.0f, 0.0f, kNoCollision, 0},
        {"crack", "spalt", -1, 12.0f, 8.5f, 0.0f, kNoCollision, 0},
        {"bristles", "borsten", 27, 24.8f, 0.9f, 0.0f, kNoCollision, 0},
        {"broomstick", "besenstiel", 21, 24.0f, 0.75f, 0.621f, kNoCollision, 0},
        {" lock ", " schloss ", -1, 17.5f, 0.6f, 1.1f, kNoCollision, 0},
        {"", "", 25, 15.17f, 0.875f, 0.58f, 0.285f, 0},
        {"left slider", "linker schieber", -1, 15.4f, 1.0f, 0.9f, kNoCollision, 0},
        {"right slider", "rechter schieber", -1, 15.2f, 1.0f, 0.9f, kNoCollision, 0},
        {"coin slot", "mUnzschacht", -1, 15.0f, 1.0f, 1.1f, kNoCollision, 0},
    };
}

// Rows 15 to 22 of the evening.
inline std::vector<PlanRow> processionRows() {
    return {
        {"something", "etwas", -1, 3.0f, 6.0f, 1.0f, 1.15f, 0},
        {"monique", "monique", -1, 13.7f, 3.0f, 1.0f, 0.45f, 3},
        {"followed leader", "verfolgter anfUhrer", -1, 20.7f, 3.1f, 1.0f, 0.5f, 2},
        {"knife", "messer", -1, 21.1f, 3.6f, 1.2f, kNoCollision, 0},
        {"stationary witch", "stationAre hexe", 20, 23.26f, 1.1f, 1.6f, 0.3f, 2},
        {"shady cat", "verdAchtige katze", 37, 22.3f, 1.0f, 0.6f, 0.15f, 0},
        {"homeless skeleton", "heimatloses skelett", -1, 27.0f, 7.8f, 1.565f, 0.282f, 2},
    };
}

// Rows 15n to 19n of the late night, the gate still closed.
inline std::vector<PlanRow> gateRows() {
    return {
        {"gate", "tor", 210, 4.5f, 5.0f, 0.62393f, kNoCollision, 2},
        {"", "", -1, 3.45f, 3.8f, 10.0f, 1.0f, 0},
        {"", "", -1, 3.45f, 6.2f, 10.0f, 1.0f, 0},
        {"", "", -1, 2.21f, 5.0f, 10.0f, 0.5f, 0},
        {"gate1", "gate1", -1, 3.45f, 5.0f, 10.0f, 1.74f, 0},
    };
}

// Rows 25 to 28 with the snake asleep and the statues not yet awake.
inline std::vector<PlanRow> closingRows() {
    return {
        {"sleeping snake", "schlafende schlange", 22, 10.0f, 0.6f, 2.0f, kNoCollision, 0},
        {"right bird statue", "rechte vogelstatue", 63, 13.7f, 10.0f, 1.92f, kNoCollision, 0},
        {"left bird statue", "linke vogelstatue", 29, 11.6f, 10.0f, 1.92f, kNoCollision, 0},
        {"", "", -1, 11.95f, 10.7f, 1.0f, 0.0695f, 0},
    };
}

inline std::vector<PlanRow> joined(std::initializer_list<std::vector<PlanRow>> parts) {
    std::vector<PlanRow> all;
    for (const std::vector<PlanRow>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Compares the world list after the grid with rows, in the build's language;
// returns a description of the first difference, or "".
inline std::string comparePlan(const PlayScreen& p, const std::vector<PlanRow>& rows) {
    const std::vector<SceneObject*>& objects = p.world.worldList.objects();
    if (objects.size() != kGridObjects + rows.size()) {
        return "count " + std::to_string(objects.size()) + " instead of " +
               std::to_string(kGridObjects + rows.size());
    }
    for (size_t k = 0; k < rows.size(); ++k) {
        const PlanRow& row = rows[k];
        const SceneObject* o = objects[kGridObjects + k];
        const std::string name = text::kGerman ? row.de : row.en;
        const std::string where = "row " + std::to_string(k) + " (" + name + "): ";
        if (o->name != name) return where + "name '" + o->name + "'";
        if (meshNumber(o) != row.mesh) return where + "mesh " + std::to_string(meshNumber(o));
        if (o->position.x != row.x || o->position.y != row.y || o->position.z != row.z) return where + "position";
        if (o->halfSize.x != row.hx) return where + "size";
        if (static_cast<int32_t>(o->attachments().size()) != row.glows) return where + "glows";
    }
    return "";
}

// Builds room 0 under the main flag combinations and checks each plan, in
// the build's language.
inline void checkRoom0Plans(PlayScreen& p) {
    // The procession has walked on since the game began; the plans are those
    // of its starting place.
    p.story.storyValue04 = 0.0f;
    p.enterRoom(room::kStreet);
    EXPECT_EQ("", comparePlan(p, joined({itemRows(), processionRows(), closingRows()})));

    // The grid: 88 objects, south wall first, the lock in the gateway.
    const std::vector<SceneObject*>& grid = p.world.worldList.objects();
    EXPECT_EQ(7, meshNumber(grid[0]));
    EXPECT_FLOAT_EQ(-7.5f, grid[0]->position.x);
    int32_t locks = 0;
    for (int32_t k = 0; k < kGridObjects; ++k) {
        if (!grid[k]->name.empty()) {
            ++locks;
            EXPECT_EQ(text::kGerman ? "schloss" : "lock", grid[k]->name);
            EXPECT_EQ(33, meshNumber(grid[k]));
            EXPECT_FLOAT_EQ(0.765f, grid[k]->halfSize.x);
        }
    }
    EXPECT_EQ(1, locks);

    // Late at night the gate and its boxes stand in for the procession.
    p.story.nightAlmostOver = true;
    p.enterRoom(room::kStreet);
    EXPECT_EQ("", comparePlan(p, joined({itemRows(), gateRows(), closingRows()})));
    p.story.storyFlag48 = true;
    p.enterRoom(room::kStreet);
    std::vector<PlanRow> open = gateRows();
    open.pop_back();
    open[0].mesh = 211;
    EXPECT_EQ("", comparePlan(p, joined({itemRows(), open, closingRows()})));
    p.story.nightAlmostOver = false;
    p.story.storyFlag48 = false;

    // The rock taken: the key it lay on is there, until the key is taken too.
    p.story.rockTaken = true;
    p.enterRoom(room::kStreet);
    std::vector<PlanRow> items = itemRows();
    items[2] = PlanRow{"key", "schlUssel", 15, 6.0f, 2.0f, 0.012f, kNoCollision, 0};
    EXPECT_EQ("", comparePlan(p, joined({items, processionRows(), closingRows()})));

    // Every item taken: rows 2, 3, 4, 6, 7, 19 and 25 are gone, the rest keep
    // their order.
    p.story.flowerTaken = p.story.keyTaken = p.story.bristlesTaken = p.story.broomstickTaken = true;
    p.story.knifeTaken = p.story.ropeTaken = true;
    p.enterRoom(room::kStreet);
    items = itemRows();
    items.erase(items.begin() + 4, items.begin() + 6);
    items.erase(items.begin() + 1, items.begin() + 3);
    std::vector<PlanRow> procession = processionRows();
    procession.erase(procession.begin() + 3);
    std::vector<PlanRow> closing = closingRows();
    closing.erase(closing.begin());
    EXPECT_EQ("", comparePlan(p, joined({items, procession, closing})));

    // The lock opened: the gateway's lock is scenery without collision.
    p.story.lockOpened = true;
    p.enterRoom(room::kStreet);
    for (int32_t k = 0; k < kGridObjects; ++k) {
        EXPECT_TRUE(p.world.worldList.objects()[k]->name.empty());
    }
    bool openLock = false;
    for (int32_t k = 0; k < kGridObjects; ++k) {
        const SceneObject* o = p.world.worldList.objects()[k];
        if (meshNumber(o) == 36) {
            openLock = true;
            EXPECT_FLOAT_EQ(kNoCollision, o->halfSize.x);
            EXPECT_FLOAT_EQ(12.65f, o->position.x);
        }
    }
    EXPECT_TRUE(openLock);
}

}  // namespace playtest

#endif
