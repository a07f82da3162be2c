#ifndef QUENDRALVOSS_TESTS_SCRIPT_RESOLVERHARNESS_H
#define QUENDRALVOSS_TESTS_SCRIPT_RESOLVERHARNESS_H

// The action resolver's test bench: the real game with its play screen, a
// world made of one object for every name of the name table, all in front of
// the player's eyes, the sound log, and a way to execute one action on one
// named target from a fresh new-game state.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ActionEntry.h"
#include "app/FatalError.h"
#include "app/GameState.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/ActionResolver.h"
#include "support/PlayResources.h"
#include "support/ScreenHarness.h"
#include "text/AnswerTexts.h"
#include "text/ObjectNames.h"

namespace resolvertest {

// Every mesh, texture and sound an answer row loads, as small stand-ins.
inline void writeRowResources() {
    for (int32_t n : {142, 152, 174, 140, 26, 15, 14, 34, 21, 18, 133, 135, 136, 137, 109, 134, 138, 202, 59}) {
        playtest::writeResourceOnce(playtest::resourcePath(n), screentest::makeMeshBytes(2));
    }
    for (int32_t n : {28, 115, 275, 212, 132, 58, 139, 79, 35, 6}) {
        playtest::writeResourceOnce(playtest::resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
    }
    for (int32_t n : {4,   5,   41,  45,  46,  276, 278, 303, 304, 305, 306, 307, 309, 310, 311, 312, 314, 315,
                      317, 321, 324, 325, 326, 328, 329, 330, 331, 332, 333, 334, 335, 337, 338, 339, 347}) {
        playtest::writeResourceOnce(playtest::resourcePath(n), makeWavBytes(20));
    }
}

// One expected sound: its number (0 ends the list) and volume.
struct Cue {
    int32_t number;
    float volume;
};

// One row exercised: the action and target, the state set before (may be
// null), the answer (kNoAnswer: the panel stays closed), the sounds in order,
// the step written (-1 none) and further expectations (may be null).
struct RowCase {
    int32_t action;
    ObjectName target;
    void (*prepare)(PlayScreen&);
    AnswerText answer;
    Cue sounds[3];
    int32_t step;
    void (*verify)(PlayScreen&);
};

inline bool hasAction(const PlayScreen& p, int32_t actionId) {
    for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
        if (entry->actionId == actionId) return true;
    }
    return false;
}
inline int32_t selectedActionId(const PlayScreen& p) {
    return p.player.selectedAction ? p.player.selectedAction->actionId : -100;
}
inline int32_t countNamed(const PlayScreen& p, ObjectName name) {
    int32_t n = 0;
    for (const SceneObject* object : p.world.worldList.objects()) {
        if (object->name == objectName(name)) ++n;
    }
    return n;
}
inline SceneObject* lastObject(const PlayScreen& p) { return p.world.worldList.objects().back(); }
inline bool isTarget(const PlayScreen& p, ObjectName name) {
    for (const SceneObject* object : p.player.targets) {
        if (object->name == objectName(name)) return true;
    }
    return false;
}

// Whether object shows mesh n / texture n (the cache's handle of that number).
inline bool showsMesh(const SceneObject* object, int32_t n) {
    Mesh* mesh = acquireMeshByNumber(n);
    const bool same = object->sceneObjectMesh() == mesh;
    gResourceCache->releaseMesh(mesh);
    return same;
}
inline bool showsTexture(const Texture* handle, int32_t n) {
    Texture* texture = acquireTextureByNumber(n);
    const bool same = handle == texture;
    gResourceCache->releaseTexture(texture);
    return same;
}
inline bool near(const Vec3& v, float x, float y, float z) {
    return std::fabs(v.x - x) < 1e-5f && std::fabs(v.y - y) < 1e-5f && std::fabs(v.z - z) < 1e-5f;
}

// Where the player stands: within reach of the big pumpkin and the door.
const float kStandX = 20.0f;
const float kStandY = 30.0f;

class ResolverTest : public testing::Test {
protected:
    void SetUp() override {
        writeRowResources();
        s.start();
        gSoundCueLog = &cues;
    }
    void TearDown() override {
        gSoundCueLog = nullptr;
        // The room the play screen gives back on destruction is the one built.
        play().world.room = room::kStreet;
    }

    PlayScreen& play() { return *s.app->getPlayScreen(); }

    // A new game in room 0 whose world is replaced by one object of each name
    // (leaving out missing), one unit in front of the eyes, with no answer,
    // sound or error left over.
    void freshWorld(ObjectName missing = kObjectNameCount) {
        PlayScreen& p = play();
        p.world.room = room::kStreet;
        p.resetPlayState();
        p.clearRoom();
        p.player.position.set(kStandX, kStandY, 0.0f);
        p.player.viewAngles.set(0.0f, 0.0f, 0.0f);
        p.player.walkIntensity = 0.0f;
        for (int32_t id = 0; id < kObjectNameCount; ++id) {
            if (id == kObjYourself || id == missing) continue;
            addObject(static_cast<ObjectName>(id));
        }
        p.answerPanel.text.clear();
        cues.clear();
        gFatalErrorText.clear();
        gGameState = kGameStatePlay;
    }

    SceneObject* addObject(ObjectName name) {
        std::unique_ptr<SceneObject> object = makeSceneObject();
        object->name = objectName(name);
        object->position.set(kStandX + 1.0f, kStandY, 1.5f);
        return play().world.worldList.appendSceneObject(std::move(object));
    }

    // The entry of actionId, appended when the player lacks it.
    ActionEntry* entryOf(int32_t actionId) {
        PlayScreen& p = play();
        for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
            if (entry->actionId == actionId) return entry.get();
        }
        ActionEntry* entry = p.player.appendAction(actionId);
        return entry;
    }

    // Chooses actionId and the object named target (the self target for
    // kObjYourself), then executes.
    void execute(int32_t actionId, ObjectName target) {
        PlayScreen& p = play();
        p.player.selectedAction = entryOf(actionId);
        p.rebuildTargetList();
        p.player.selectedTarget = nullptr;
        for (SceneObject* candidate : p.player.targets) {
            if (candidate->name == objectName(target)) {
                p.player.selectedTarget = candidate;
                break;
            }
        }
        ASSERT_NE(nullptr, p.player.selectedTarget) << objectName(target);
        performAction(p);
    }

    // Runs each case from a fresh world and checks its answer, its sounds in
    // order, its step and its own further expectations.
    void runCases(const RowCase* cases, size_t count) {
        for (size_t k = 0; k < count; ++k) {
            const RowCase& c = cases[k];
            SCOPED_TRACE("case " + std::to_string(k) + ": action " + std::to_string(c.action) + " on \"" +
                         objectName(c.target) + "\"");
            freshWorld();
            if (c.prepare) c.prepare(play());
            execute(c.action, c.target);
            EXPECT_EQ(c.answer == kNoAnswer ? std::string() : std::string(answerText(c.answer)), shownAnswer());
            std::vector<SoundCue> expected;
            for (const Cue& cue : c.sounds) {
                if (cue.number != 0) expected.push_back(SoundCue{cue.number, cue.volume, -1});
            }
            ASSERT_EQ(expected.size(), cues.size());
            for (size_t i = 0; i < expected.size(); ++i) {
                EXPECT_EQ(expected[i].number, cues[i].number);
                EXPECT_FLOAT_EQ(expected[i].volume, cues[i].volume);
                EXPECT_EQ(-1, cues[i].channel);
            }
            EXPECT_EQ(c.step, play().script.scriptStep);
            EXPECT_EQ("", gFatalErrorText);
            if (c.verify) c.verify(play());
        }
    }

    // The answer now showing, or "" when the panel stays closed.
    std::string shownAnswer() {
        PlayScreen& p = play();
        return p.answerPanel.isAnswerShowing() ? p.answerPanel.text : std::string();
    }

    screentest::ScreenSession s;
    std::vector<SoundCue> cues;
};

}  // namespace resolvertest

#endif
