#ifndef QUENDRALVOSS_TESTS_SAVESWEEP_H
#define QUENDRALVOSS_TESTS_SAVESWEEP_H

// The save sweep: every room in each story state below, and in it every
// answer row and every script step that can run there. Each one is carried
// out live in the real game and played out until the player is in control;
// the game is saved and loaded through the play screen's requests, and the
// world the load rebuilt must be the world the player left, object for
// object (see support/WorldRecords.h). The cases come from the tables: the
// rows that the resolver chooses for every action on every object of the
// room. Two checks hold the cases against the tables: every row of every
// action table is chosen in some state, and every step of the step registry
// is passed by some case in the states where its scene plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ActionEntry.h"
#include "app/Costume.h"
#include "app/FatalError.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "engine/FrameTimer.h"
#include "engine/ScreenSize2D.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "script/ActionResolver.h"
#include "script/ActionRow.h"
#include "script/StepIds.h"
#include "script/StepRow.h"
#include "support/PlayHarness.h"
#include "support/PrivateDisplay.h"
#include "support/WorldRecords.h"
#include "text/Text.h"

namespace sweep {

using playtest::ObjectRecord;
using screentest::ScreenSession;

// One story state a room is swept in: the flags it is built under and the
// place where the player stands while scenes play (clear of every object and
// of every trigger and exit of the room).
struct SweepState {
    const char* label;
    int32_t room;
    void (*flags)(StoryState& story);
    float x, y, z;
};

inline void byDay(StoryState&) {}
// Late at night: the rope was tied and the pumpkin has gone long before.
inline void lateAtNight(StoryState& s) {
    s.nightAlmostOver = true;
    s.ropeTaken = true;
    s.ropeOnPole = true;
    s.storyCount33 = 6;
}
// The scenes of the other costumes are swept in a state or two each.
inline void wearDeath(StoryState& s) {
    s.costumeGhost = s.costumeWerewolf = false;
    s.costumeDeath = true;
}
inline void wearWerewolf(StoryState& s) {
    s.costumeGhost = s.costumeDeath = false;
    s.costumeWerewolf = true;
}
// The rock lifted off the key, in the death costume.
inline void rockLifted(StoryState& s) {
    s.rockTaken = true;
    wearDeath(s);
}
// The lock open with the key it took, the broomstick in the crack, the
// flower, the knife and the rope in hand: the way to the statues is open.
inline void lockOpen(StoryState& s) {
    s.rockTaken = s.keyTaken = s.lockOpened = true;
    s.broomstickTaken = s.broomstickInCrack = true;
    s.flowerTaken = s.knifeTaken = s.ropeTaken = true;
}
// The statues awake, Monique's hat lying in the street, and the shady cat's
// first scene played (its next question plays the other).
inline void statuesAwake(StoryState& s) {
    lockOpen(s);
    s.storyFlag20 = true;
    s.moniqueHasFlower = true;
    s.storyValue14 = 13.0f;
    s.storyFlag22 = true;
}
// The hat on the broomstick: the scarecrow stands before the statues.
inline void scarecrow(StoryState& s) {
    statuesAwake(s);
    s.hatTaken = s.hatOnBroomstick = true;
}
// The statues gone and a coin in the machine's slot.
inline void coinInSlot(StoryState& s) {
    scarecrow(s);
    s.storyFlag21 = true;
    s.coinInserted = true;
}
// The machine has dispensed its candle, and the pumpkin is carved.
inline void candleInMachine(StoryState& s) {
    scarecrow(s);
    s.storyFlag21 = true;
    s.storyFlag07 = true;
    s.storyCount33 = 4;
}
inline void gateOpen(StoryState& s) {
    lateAtNight(s);
    s.storyFlag48 = true;
}
inline void ropeTied(StoryState& s) {
    s.ropeTaken = s.ropeOnPole = true;
}
// The bone by the dog, the rope tied, the pumpkin cut twice.
inline void bonePlaced(StoryState& s) {
    ropeTied(s);
    s.bonePlaced = true;
    s.storyCount33 = 2;
}
inline void pumpkinCarved(StoryState& s) {
    bonePlaced(s);
    s.boneTaken = s.dogGotBone = true;
    s.storyCount33 = 4;
}
inline void pumpkinLit(StoryState& s) {
    pumpkinCarved(s);
    s.storyCount33 = 5;
}
// The dog with its bone, the spider gone, the pumpkin gone, the door open.
inline void gardenDone(StoryState& s) {
    pumpkinCarved(s);
    s.storyCount33 = 6;
    s.storyCount35 = true;
    s.doorKnocked = true;
}
// The coin in the well and the person asked: the painting can open.
inline void paintingReady(StoryState& s) {
    gardenDone(s);
    s.coinInWell = true;
    s.storyFlag42 = true;
}
inline void paintingOpen(StoryState& s) {
    paintingReady(s);
    s.storyFlag37 = true;
}
inline void goatGreeted(StoryState& s) {
    paintingOpen(s);
    s.storyFlag43 = true;
}
// The dust swept away: the goat person can hand over its trick.
inline void dustSwept(StoryState& s) {
    goatGreeted(s);
    s.storyCount40 = 8;
}
inline void trickLearned(StoryState& s) {
    dustSwept(s);
    s.specialTrickLearned = true;
}
inline void tunnelOpen(StoryState& s) {
    gateOpen(s);
    s.storyValue49 = 1.0f;
    s.storyValue50 = 0.5f;
    s.storyValue52 = 1.0f;
    s.storyFlag51 = true;
}
// A second before the tunnel closes, with the eyes opening: the closing runs
// out live while the cases play.
inline void tunnelClosing(StoryState& s) {
    tunnelOpen(s);
    s.storyValue50 = 0.96f;
    s.storyValue52 = 0.5f;
}
inline void tunnelClosed(StoryState& s) {
    tunnelOpen(s);
    s.storyValue50 = 1.0f;
}

// Every room by day and late at night, then the story states of the street,
// the garden, the house and the tunnel along the story's way.
inline const SweepState kSweepStates[] = {
    {"0 street", 0, byDay, 8.0f, 5.0f, 0.0f},
    {"0 late night", 0, lateAtNight, 8.0f, 5.0f, 0.0f},
    {"0 rock lifted", 0, rockLifted, 8.0f, 5.0f, 0.0f},
    {"0 lock open", 0, [](StoryState& s) { lockOpen(s); wearWerewolf(s); }, 8.0f, 5.0f, 0.0f},
    {"0 statues awake", 0, statuesAwake, 8.0f, 5.0f, 0.0f},
    {"0 scarecrow", 0, scarecrow, 8.0f, 5.0f, 0.0f},
    {"0 coin in slot", 0, coinInSlot, 8.0f, 5.0f, 0.0f},
    {"0 candle in machine", 0, candleInMachine, 8.0f, 5.0f, 0.0f},
    {"0 gate open", 0, gateOpen, 8.0f, 5.0f, 0.0f},
    {"1 garden", 1, byDay, 11.0f, 20.0f, 0.0f},
    {"1 late night", 1, lateAtNight, 11.0f, 20.0f, 0.0f},
    {"1 rope tied", 1, ropeTied, 11.0f, 20.0f, 0.0f},
    {"1 bone placed", 1, bonePlaced, 11.0f, 20.0f, 0.0f},
    {"1 carved pumpkin", 1, pumpkinCarved, 11.0f, 20.0f, 0.0f},
    {"1 lit pumpkin", 1, pumpkinLit, 11.0f, 20.0f, 0.0f},
    {"1 garden done", 1, gardenDone, 11.0f, 20.0f, 0.0f},
    {"2 well", 2, ropeTied, 0.0f, 0.0f, 0.91f},
    {"2 late night", 2, lateAtNight, 0.0f, 0.0f, 0.91f},
    {"3 shed", 3, byDay, -4.6528f, 39.24951f, 0.0f},
    {"3 late night", 3, lateAtNight, -4.6528f, 39.24951f, 0.0f},
    {"4 hall", 4, gardenDone, 12.5f, 30.2f, 1.0f},
    {"4 late night", 4, lateAtNight, 12.5f, 30.2f, 1.0f},
    {"4 painting ready", 4, paintingReady, 12.5f, 30.2f, 1.0f},
    {"4 painting open", 4, paintingOpen, 12.5f, 30.2f, 1.0f},
    {"5 behind painting", 5, paintingOpen, 14.1f, 42.3f, 1.0f},
    {"5 late night", 5, lateAtNight, 14.1f, 42.3f, 1.0f},
    {"5 goat greeted", 5, goatGreeted, 14.1f, 42.3f, 1.0f},
    {"5 dust swept", 5, dustSwept, 14.1f, 42.3f, 1.0f},
    {"5 trick learned", 5, trickLearned, 14.1f, 42.3f, 1.0f},
    {"6 upstairs", 6, gardenDone, 10.45f, 43.55f, 7.35f},
    {"6 trick learned", 6, trickLearned, 10.45f, 43.55f, 7.35f},
    {"6 late night", 6, lateAtNight, 10.45f, 43.55f, 7.35f},
    {"7 tunnel", 7, byDay, -1.5f, 5.0f, 0.0f},
    {"7 late night", 7, gateOpen, -1.5f, 5.0f, 0.0f},
    {"7 tunnel open", 7, tunnelOpen, -1.5f, 5.0f, 0.0f},
    {"7 tunnel closing", 7, tunnelClosing, -1.5f, 5.0f, 0.0f},
    {"7 tunnel closed", 7, tunnelClosed, -1.5f, 5.0f, 0.0f},
};
inline const int32_t kSweepStateCount = static_cast<int32_t>(sizeof(kSweepStates) / sizeof(kSweepStates[0]));

// The places where a room's own rules start a scene or change objects when
// the player stands there (facing yaw): the statues wake in the wall's gap
// and leave once the player is far from them, the dog notices the player in
// its corner, the painting swings open, the tunnel opens at its end and the
// eyes open in the hall.
struct RulePlace {
    const char* label;
    int32_t room;
    float x, y, yaw;
};
inline const RulePlace kRulePlaces[] = {
    {"the wall's gap", 0, 12.65f, 9.85f, 1.5707964f},
    {"far from the statues", 0, 0.5f, 5.0f, 0.0f},
    {"the dog's corner", 1, 12.45f, 24.8f, 0.0f},
    {"before the painting", 4, 14.0f, 39.0f, 1.5707964f},
    {"the tunnel's end", 7, -29.5f, 5.0f, 3.1415927f},
    {"in the hall", 7, -10.5f, -3.2f, 1.5707964f},
};

// A chain of cases played live one after another in one state, saved and
// loaded only at its end: drift that one case from a built room cannot show
// (a look an earlier change left that a later one keeps). Each link is an
// action on a target, with the items of all the chain's actions in hand.
struct ChainLink {
    int32_t action;
    ObjectName target;
};
struct SweepChain {
    const char* label;
    const char* state;
    std::vector<ChainLink> links;
};
const int32_t kUseKnifeAction = 10;
const int32_t kUseLitCandleAction = 14;
inline const SweepChain kSweepChains[] = {
    {"the pumpkin cut twice", "1 garden", {{kUseKnifeAction, kObjBigPumpkin}, {kUseKnifeAction, kObjBigPumpkin}}},
    {"the pumpkin carved", "1 garden",
     {{kUseKnifeAction, kObjBigPumpkin}, {kUseKnifeAction, kObjBigPumpkin}, {kUseKnifeAction, kObjBigPumpkin},
      {kUseKnifeAction, kObjBigPumpkin}}},
    {"the pumpkin carved and lit", "1 garden",
     {{kUseKnifeAction, kObjBigPumpkin}, {kUseKnifeAction, kObjBigPumpkin}, {kUseKnifeAction, kObjBigPumpkin},
      {kUseKnifeAction, kObjBigPumpkin}, {kUseLitCandleAction, kObjBigPumpkin}}},
};

inline const int32_t kSweepChainCount = static_cast<int32_t>(sizeof(kSweepChains) / sizeof(kSweepChains[0]));

// The state of that label; null when none has it.
inline const SweepState* stateNamed(const std::string& label) {
    for (const SweepState& state : kSweepStates) {
        if (label == state.label) return &state;
    }
    return nullptr;
}

// The first action ids that are items; 0 to 3 are always in hand.
const int32_t kFirstItem = 4;
const int32_t kActionCount = 19;

// An item in hand: the player holds its action, and the flags say where it
// is not (taken from where it lay, not placed anywhere).
inline void holdItem(StoryState& s, int32_t actionId) {
    switch (actionId) {
    case 4: s.rockTaken = true; break;
    case 5: s.rockTaken = s.keyTaken = true; s.lockOpened = false; break;
    case 6: s.bristlesTaken = true; break;
    case 7: s.broomstickTaken = true; s.broomstickInCrack = s.hatOnBroomstick = false; break;
    case 8: s.flowerTaken = true; s.moniqueHasFlower = s.hatTaken = s.hatOnBroomstick = false; break;
    case 9: s.moniqueHasFlower = s.hatTaken = true; s.hatOnBroomstick = false; break;
    case 10: s.knifeTaken = true; break;
    case 11: s.ropeTaken = true; s.ropeOnPole = false; break;
    case 12: s.coinHeld = true; break;
    case 13: case 14: s.storyFlag07 = s.candleTaken = true; break;
    case 15: s.broomTaken = true; break;
    case 16: s.bonePlaced = s.boneTaken = true; s.dogGotBone = false; break;
    case 17: s.specialTrickLearned = true; break;
    case 18: s.treatTaken = true; break;
    default: break;
    }
}

// What one state's sweep did, for its summary line.
struct SweepCounts {
    int rowsTried = 0, rowsActive = 0, rulesTried = 0, rulesActive = 0;
    int compared = 0, notRunnable = 0, ended = 0, stuck = 0, frames = 0;
    std::set<int32_t> stepsSeen;
};

class SaveSweep {
public:
    explicit SaveSweep(const SweepState& sweepState) : state(&sweepState) {}

    // The game started, its splash shown, and a new game in the ghost costume
    // entered straight from there (the menus and the intro add nothing here).
    bool start() {
        if (!display.started()) return false;
        playtest::writeEveryCatalogResource();
        s.start();
        s.frames(1);
        gCostume = kCostumeGhost;
        gNewGameRequest = 1;
        gGameState = kGameStatePlay;
        PlayScreen& p = play();
        p.enterPlayScreen();
        s.frames(1);
        if (gGameState != kGameStatePlay || gNewGameRequest != 0) return false;
        // Only the world counts here; the pictures of the many scenes would
        // take most of the time.
        p.drawsFrames = false;
        p.tutorial.actionSelectionLearned = p.tutorial.targetSelectionLearned = p.tutorial.executionLearned = true;
        setUp(-1);
        // Where the player comes to rest on the floor of the spot.
        for (int i = 0; i < 40; ++i) frame();
        restZ = p.player.position.z;
        return gGameState == kGameStatePlay;
    }

    PlayScreen& play() { return *s.app->getPlayScreen(); }

    // The rows the resolver chooses in state for any action on any object of
    // the room (with the action's item in hand), without carrying them out.
    std::set<const ActionRow*> rowsChosenIn(const SweepState& other) {
        state = &other;
        std::set<const ActionRow*> chosen;
        for (int32_t action = 0; action < kActionCount; ++action) {
            setUp(action);
            for (const std::string& name : targetNames()) chosen.insert(chooseActionRow(play(), action, name));
        }
        return chosen;
    }

    // Switches the sweep to another state, with the player's resting height
    // on its spot measured again.
    void switchState(const SweepState& other) {
        state = &other;
        restZ = -1.0f;
        setUp(-1);
        for (int i = 0; i < 40; ++i) frame();
        restZ = play().player.position.z;
    }

    // Every row the resolver chooses for an action on an object of the room,
    // each row once: the rows refer to the objects they change by name, so a
    // row does the same whichever of its targets it was chosen for.
    void sweepRows() {
        for (int32_t action = 0; action < kActionCount; ++action) {
            setUp(action);
            std::vector<std::pair<std::string, const ActionRow*>> cases;
            std::set<const ActionRow*> chosen;
            for (const std::string& name : targetNames()) {
                const ActionRow* row = chooseActionRow(play(), action, name);
                if (row && chosen.insert(row).second) cases.push_back({name, row});
            }
            for (size_t k = 0; k < cases.size(); ++k) {
                if (k > 0) setUp(action);
                runRow(action, cases[k].first, *cases[k].second);
            }
        }
    }

    // The room's own rules: the room left to itself for two seconds, then
    // each place of its rules that the player can stand on in this state and
    // where the rules start something.
    void sweepRoomRules() {
        setUp(-1);
        ++counts.rulesTried;
        for (int i = 0; i < 44 && gGameState == kGameStatePlay; ++i) frame();
        if (playOut("two seconds in the room")) saveLoadAndCompare("two seconds in the room");
        for (const RulePlace& place : kRulePlaces) {
            if (place.room != state->room) continue;
            setUp(-1);
            PlayScreen& p = play();
            p.player.position.set(place.x, place.y, p.player.position.z);
            p.player.viewAngles.set(0.0f, 0.0f, place.yaw);
            if (!playtest::objectsHoldingPlayer(p).empty()) continue;
            ++counts.rulesTried;
            const std::vector<ObjectRecord> before = playtest::worldRecords(p);
            frame();
            const bool going = p.script.scriptStep != step::kNone || p.world.pendingRoom != room::kNone ||
            !p.isPlayerInControl();
            if (!going && playtest::compareWorlds(p.world.room, before, playtest::worldRecords(p)).empty()) continue;
            ++counts.rulesActive;
            const std::string label = std::string("standing at ") + place.label;
            if (playOut(label)) saveLoadAndCompare(label);
        }
    }

    // The chain's links played out live in turn from the state's room, then
    // the one save and load; a link that cannot run fails the chain.
    void sweepChain(const SweepChain& chain) {
        PlayScreen& p = play();
        setUp(-1);
        for (const ChainLink& link : chain.links) {
            const bool held = std::any_of(p.player.actions().begin(), p.player.actions().end(),
                                          [&link](const std::unique_ptr<ActionEntry>& entry) {
                                              return entry->actionId == link.action;
                                          });
            if (link.action >= kFirstItem && !held) {
                holdItem(p.story, link.action);
                p.player.appendAction(link.action);
            }
        }
        const std::string label = std::string("the chain \"") + chain.label + "\"";
        std::vector<int32_t> steps;
        for (const ChainLink& link : chain.links) {
            ASSERT_TRUE(face(objectName(link.target))) << label << ": \"" << objectName(link.target)
                                                       << "\" is out of sight";
            for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
                if (entry->actionId == link.action) p.player.selectedAction = entry.get();
            }
            performAction(p);
            const Vec3 angles = p.player.viewAngles;
            toSpot();
            p.player.viewAngles = angles;
            ASSERT_TRUE(playOut(label)) << label << " did not hand control back";
            steps.insert(steps.end(), caseSteps.begin(), caseSteps.end());
        }
        caseSteps = steps;
        saveLoadAndCompare(label);
    }

    // "<state>: rows ..., steps ..." for the test's output.
    std::string summary() const {
        char line[1024];
        std::snprintf(line, sizeof line,
                      "[sweep %s] rows %d (%d set something going), room rules %d (%d started something); compared %d, "
                      "raised an error %d, reached the ending %d, stood still %d; steps passed %s",
                      state->label, counts.rowsTried, counts.rowsActive, counts.rulesTried, counts.rulesActive,
                      counts.compared,
                      counts.notRunnable, counts.ended, counts.stuck, stepsText().c_str());
        return line;
    }

    SweepCounts counts;
    // False plays every case out without saving and loading, to learn only
    // which steps the cases pass.
    bool comparing = true;

private:
    std::string stepsText() const {
        std::string out;
        for (int32_t step : counts.stepsSeen) out += std::to_string(step) + " ";
        return out;
    }

    void frame() {
        PlayScreen& p = play();
        // The frame that builds a room draws from the same numbers as every
        // other build.
        if (p.world.pendingRoom >= 0 && p.view.roomFade == 0.0f && !p.answerPanel.isAnswerShowing()) {
            srand(playtest::kRoomSeed);
        }
        s.frames(1);
        ++counts.frames;
    }

    // A new game turned into the state, with the item of action in hand
    // (none for -1), the room built, faded in and the player on the spot.
    void setUp(int32_t action) {
        PlayScreen& p = play();
        gGameState = kGameStatePlay;
        gFatalErrorText.clear();
        p.resetPlayState();
        state->flags(p.story);
        if (action >= kFirstItem) holdItem(p.story, action);
        srand(playtest::kRoomSeed);
        p.enterRoom(state->room);
        if (action >= kFirstItem) {
            p.player.appendAction(action);
        }
        p.view.roomFade = 1.0f;
        toSpot();
    }

    void toSpot() {
        PlayScreen& p = play();
        p.player.position.set(state->x, state->y, restZ >= 0.0f ? restZ : state->z);
        p.player.viewAngles.set(0.0f, 0.0f, 0.0f);
        p.player.walkIntensity = 0.0f;
        gCamera->position = p.player.playerEyePosition();
        gCamera->rotation = p.player.playerViewAngles();
    }

    // Puts the object named name in front of the player's eyes, from whichever
    // side finds it among the targets; false when none does.
    bool face(const std::string& name) {
        PlayScreen& p = play();
        if (name == text::kTargetSelf) {
            p.rebuildTargetList();
            p.player.selectedTarget = p.player.selfTarget();
            return true;
        }
        const SceneObject* object = nullptr;
        for (const SceneObject* o : p.world.worldList.objects()) {
            if (o->name == name) {
                object = o;
                break;
            }
        }
        if (!object) return false;
        // From +x first: the two objects with a reach test are reached from
        // their +x side.
        const float yaws[4] = {3.1415927f, 0.0f, 1.5707964f, 4.712389f};
        for (float yaw : yaws) {
            const Vec3& at = object->position;
            p.player.position.set(at.x - 1.5f * std::cos(yaw), at.y - 1.5f * std::sin(yaw), at.z - p.player.eyeHeight);
            p.player.viewAngles.set(0.0f, 0.0f, yaw);
            p.player.walkIntensity = 0.0f;
            p.rebuildTargetList();
            for (SceneObject* target : p.player.targets) {
                if (target == object) {
                    p.player.selectedTarget = target;
                    return true;
                }
            }
        }
        return false;
    }

    // "use rope on" row 1 of 6 for "pole" (11)
    static std::string rowLabel(int32_t action, const std::string& name, const ActionRow& row) {
        const ActionTable* table = actionTable(action);
        std::string which = "the fall-back";
        for (int32_t k = 0; k < table->rowCount; ++k) {
            if (&table->rows[k] == &row) {
                which = "row " + std::to_string(k + 1) + " of " + std::to_string(table->rowCount);
            }
        }
        std::string actionName = text::kActionNames[action];
        for (char& c : actionName) c = c == '\n' ? ' ' : c;
        return "\"" + actionName + "\" (" + std::to_string(action) + ") " + which + ", on \"" + name + "\"";
    }

    void runRow(int32_t action, const std::string& name, const ActionRow& row) {
        PlayScreen& p = play();
        ++counts.rowsTried;
        // A row whose target the player cannot pick would go unswept.
        if (!face(name)) {
            ADD_FAILURE() << state->label << ": " << rowLabel(action, name, row) << ": the target is out of sight";
            return;
        }
        for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
            if (entry->actionId == action) p.player.selectedAction = entry.get();
        }
        const std::vector<ObjectRecord> before = playtest::worldRecords(p);
        performAction(p);
        const std::string label = rowLabel(action, name, row);
        if (gGameState != kGameStatePlay) {
            ADD_FAILURE() << state->label << ": " << label << " raised \"" << gFatalErrorText << "\"";
            return;
        }
        const bool going = p.script.scriptStep != step::kNone || p.world.pendingRoom != room::kNone ||
        p.script.scriptStepDelay > 0.0f ||
                           p.view.flight.isRunning();
        const bool edited = !playtest::compareWorlds(p.world.room, before, playtest::worldRecords(p)).empty();
        // The scenes play out where the player stands between cases.
        const Vec3 angles = p.player.viewAngles;
        toSpot();
        p.player.viewAngles = angles;
        if (!going && !edited) return;
        ++counts.rowsActive;
        if (playOut(label)) saveLoadAndCompare(label);
    }

    // Plays frames, confirming every answer once it stands open, until the
    // player has been in control for a few frames; false (counted) when the
    // case cannot run in this state, reaches the ending or stands still
    // without handing control back.
    bool playOut(const std::string& label) {
        PlayScreen& p = play();
        caseSteps.clear();
        int quiet = 0;
        int still = 0;
        bool held = false;
        std::vector<float> last;
        for (int i = 0; i < 6000; ++i) {
            if (gGameState == kGameStateError) {
                ++counts.notRunnable;
                ADD_FAILURE() << "room " << p.world.room << " in state \"" << state->label << "\": " << label
                              << " raised \"" << gFatalErrorText << "\"";
                return false;
            }
            if (gGameState != kGameStatePlay) {
                ++counts.ended;
                return false;
            }
            if (p.script.scriptStep != step::kNone) {
                counts.stepsSeen.insert(p.script.scriptStep);
                if (caseSteps.empty() || caseSteps.back() != p.script.scriptStep) {
                    caseSteps.push_back(p.script.scriptStep);
                }
            }
            quiet = p.isPlayerInControl() && p.view.roomFade >= 1.0f && !held ? quiet + 1 : 0;
            if (quiet >= 3) return true;
            const std::vector<float> now = {static_cast<float>(p.script.scriptStep), p.script.scriptStepDelay,
                                            p.answerPanel.openness, p.view.flight.flightElapsed, p.view.roomFade,
                                            p.view.sceneVisibility, p.story.endingProgress,
                                            static_cast<float>(p.world.pendingRoom)};
            still = now == last ? still + 1 : 0;
            last = now;
            if (still > 60) {
                ++counts.stuck;
                std::printf("[sweep %s] %s stands still at step %d\n", state->label, label.c_str(),
                            p.script.scriptStep);
                return false;
            }
            const bool open = p.answerPanel.openness == 1.0f && p.answerPanel.targetOpenness == 1.0f;
            if (open || held) {
                screentest::pushKey(SDLK_RETURN, !held);
                held = !held;
            }
            frame();
        }
        ++counts.stuck;
        std::printf("[sweep %s] %s never handed control back (step %d)\n", state->label, label.c_str(),
                    p.script.scriptStep);
        return false;
    }

    // Saves through the pause menu, lets the saved game run one frame, loads
    // it back and compares the world after the load's frame with it.
    void saveLoadAndCompare(const std::string& label) {
        if (!comparing) return;
        PlayScreen& p = play();
        gSaveRequest = 1;
        s.frames(1);
        ASSERT_EQ(kGameStatePauseMenu, gGameState) << label;
        // Back to play in the pause menu's frame; the saved game then runs
        // one frame, as the loaded one will.
        screentest::pushKey(SDLK_ESCAPE, true);
        s.frames(1);
        screentest::pushKey(SDLK_ESCAPE, false);
        ASSERT_EQ(kGameStatePlay, gGameState) << label;
        frame();
        ASSERT_EQ(kGameStatePlay, gGameState) << label;
        const int32_t room = p.world.room;
        std::vector<ObjectRecord> saved = playtest::worldRecords(p);
        std::map<std::string, std::string> savedEffects = playtest::effectRecords(p);
        letInProgressThrough(p, saved, savedEffects);
        srand(playtest::kRoomSeed);
        gLoadRequest = 1;
        s.frames(1);
        ASSERT_EQ(kGameStatePlay, gGameState) << label << ": " << gFatalErrorText;
        ++counts.compared;
        EXPECT_EQ(room, p.world.room) << state->label << ": " << label;
        const std::string differences = playtest::compareWorlds(room, saved, playtest::worldRecords(p)) +
                                        playtest::compareEffects(savedEffects, playtest::effectRecords(p));
        EXPECT_EQ("", differences) << "room " << room << " in state \"" << state->label << "\" after " << label
                                   << stepsOfCase();
    }

    // What is still in progress at the save and is not saved, so that the
    // rebuilt room shows it finished: left out of the live records.
    // Two things still running at the save are not saved, and the load shows
    // them finished: a mesh cross-fade (the procession's 0.75 seconds between
    // walking and standing, the dog's, the fish person's and the goat
    // person's blends of a second or two), once the rebuilt object shows the
    // mesh it blends to; and the goat person's dissolve after the trick is
    // learned, a sweep effect of 14 seconds that the rebuilt room leaves out.
    static void letInProgressThrough(const PlayScreen& p, std::vector<ObjectRecord>& live,
                                     std::map<std::string, std::string>& liveEffects) {
        for (ObjectRecord& r : live) r.fadeSource = playtest::kNoFadeSource;
        if (p.world.room == room::kBehindHall && p.story.specialTrickLearned && p.effects.sweepEffect) {
            for (auto k = liveEffects.begin(); k != liveEffects.end();) {
                k = k->first.compare(0, 5, "sweep") == 0 ? liveEffects.erase(k) : std::next(k);
            }
            liveEffects["sweep"] = "none";
        }
    }

    // " (steps 12 13)": the steps the case passed, in the order they ran.
    std::string stepsOfCase() const {
        if (caseSteps.empty()) return " (no step)";
        std::string out = " (steps";
        for (int32_t step : caseSteps) out += " " + std::to_string(step);
        return out + ")";
    }

    // The names of the room's objects, each once, after the player's own.
    std::vector<std::string> targetNames() {
        std::vector<std::string> names = {text::kTargetSelf};
        for (const SceneObject* o : play().world.worldList.objects()) {
            if (!o->name.empty() && std::find(names.begin(), names.end(), o->name) == names.end()) {
                names.push_back(o->name);
            }
        }
        return names;
    }

    const SweepState* state;
    // The steps the case being played out passed, each run of a step once.
    std::vector<int32_t> caseSteps;
    // The states are swept side by side, each drawing a frame at a time: on
    // one shared X server they would wait for one another, so each sweep has
    // a server of its own, and a small window, as what is drawn does not
    // matter here.
    PrivateDisplay display;
    ScreenSession s{160, 120};
    float restZ = -1.0f;
};

// The test name of state k: its label with blanks as underscores.
inline std::string stateTestName(int32_t k) {
    std::string name = kSweepStates[k].label;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// The states reach every row of every table: each is chosen by the resolver
// for some action on some object of some state's room. A row that none
// chooses would go unswept.
inline void checkEveryRowIsChosen() {
    SaveSweep run(kSweepStates[0]);
    ASSERT_TRUE(run.start()) << gFatalErrorText;
    std::set<const ActionRow*> chosen;
    for (const SweepState& state : kSweepStates) {
        const std::set<const ActionRow*> rows = run.rowsChosenIn(state);
        chosen.insert(rows.begin(), rows.end());
    }
    std::string missed;
    for (int32_t action = 0; action < kActionCount; ++action) {
        const ActionTable* table = actionTable(action);
        for (int32_t k = 0; k < table->rowCount; ++k) {
            if (!chosen.count(&table->rows[k])) {
                missed += "\n    " + std::string(text::kActionNames[action]) + " row " + std::to_string(k + 1) + " (" +
                          objectName(table->rows[k].targets.names[0]) + ")";
            }
        }
        if (!chosen.count(table->fallback)) {
            missed += "\n    the fall-back of " + std::string(text::kActionNames[action]);
        }
    }
    EXPECT_EQ("", missed) << "rows no state chooses";
}

// The checks of the step coverage, each small enough for one test: the
// states of room that it sweeps (those labelled, or all of the room's when
// none are) and the scenes whose every step they must pass. The garden's
// frames cost the most, so its states are swept in two parts: the three that
// play its scenes, and the rest.
struct StepCoverage {
    const char* label;
    int32_t room;
    std::vector<std::string> states;
    std::vector<const SceneSteps*> scenes;
};
inline const StepCoverage kStepCoverages[] = {
    {"street", room::kStreet, {},
     {&kShortAnswerSteps, &kSkeletonSteps, &kShadyCatSteps, &kMoniqueSteps, &kStatueSteps, &kSomethingSteps,
      &kGateSteps}},
    {"garden_scenes", room::kGarden, {"1 garden", "1 bone placed", "1 lit pumpkin"},
     {&kDogSteps, &kPumpkinSteps, &kDoorSteps, &kSpiderSteps}},
    {"garden_rest", room::kGarden, {"1 late night", "1 rope tied", "1 carved pumpkin", "1 garden done"}, {}},
    {"fish_pond", room::kFishPond, {}, {&kFishSteps}},
    {"shed", room::kShed, {}, {}},
    {"hall", room::kHall, {}, {&kPaintingSteps, &kCrystalBallSteps}},
    {"behind_hall", room::kBehindHall, {}, {&kDustSteps, &kGoatSteps}},
    {"upper_floor", room::kUpperFloor, {}, {&kPersonSteps, &kSpecialTrickSteps, &kLetterSteps, &kBatSteps}},
    {"tunnel", room::kTunnel, {}, {}},
};
inline const int32_t kStepCoverageCount = static_cast<int32_t>(std::size(kStepCoverages));

// Whether the coverage check sweeps state.
inline bool sweeps(const StepCoverage& coverage, const SweepState& state) {
    if (state.room != coverage.room) return false;
    return coverage.states.empty() ||
           std::find(coverage.states.begin(), coverage.states.end(), state.label) != coverage.states.end();
}

// The checks split the sweep without a gap: every state is swept by one of
// them, and every scene but the ending is checked by one.
inline void checkTheCoverageChecksSplitTheSweep() {
    std::string missed;
    for (const SweepState& state : kSweepStates) {
        const auto checks = std::count_if(std::begin(kStepCoverages), std::end(kStepCoverages),
                                          [&state](const StepCoverage& c) { return sweeps(c, state); });
        if (checks != 1) missed += std::string(" state \"") + state.label + "\" (" + std::to_string(checks) + ")";
    }
    for (int32_t k = 0; k < kStepSceneCount; ++k) {
        const SceneSteps* scene = kStepScenes[k];
        const auto checks = std::count_if(std::begin(kStepCoverages), std::end(kStepCoverages),
                                          [scene](const StepCoverage& c) {
                                              return std::count(c.scenes.begin(), c.scenes.end(), scene) > 0;
                                          });
        if (checks != (scene == &kEndingSteps ? 0 : 1)) {
            missed += " scene " + std::to_string(k) + " (" + std::to_string(checks) + ")";
        }
    }
    EXPECT_EQ("", missed) << "states or scenes not checked exactly once";
}

// The cases of the check's states pass every step of its scenes: each step
// that can add, remove, move, re-mesh or re-texture an object is played out
// live before a save in some state. The return home is left out: it ends in
// the ending screen, with nothing left to save.
inline void checkEveryStepIsPassed(const StepCoverage& coverage) {
    const SweepState* first = std::find_if(std::begin(kSweepStates), std::end(kSweepStates),
                                           [&coverage](const SweepState& state) { return sweeps(coverage, state); });
    ASSERT_NE(std::end(kSweepStates), first) << "no state for " << coverage.label;
    SaveSweep run(*first);
    ASSERT_TRUE(run.start()) << gFatalErrorText;
    run.comparing = false;
    for (const SweepState& state : kSweepStates) {
        if (!sweeps(coverage, state)) continue;
        run.switchState(state);
        run.sweepRows();
        run.sweepRoomRules();
    }
    std::string missed;
    for (const SceneSteps* scene : coverage.scenes) {
        std::vector<int32_t> steps;
        for (int32_t r = 0; r < scene->rowCount; ++r) steps.push_back(scene->rows[r].step);
        for (int32_t r = 0; r < scene->recordCount; ++r) steps.push_back(scene->records[r].step);
        for (int32_t step : steps) {
            if (!run.counts.stepsSeen.count(step)) missed += " " + std::to_string(step);
        }
    }
    EXPECT_EQ("", missed) << "steps no case of " << coverage.label << " passes";
    EXPECT_EQ(0, run.counts.stuck) << "cases that never handed control back";
}

}  // namespace sweep

#endif
