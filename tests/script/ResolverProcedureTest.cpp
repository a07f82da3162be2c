// The resolver's procedure around the rows: reach, validation, unknown
// actions, missing objects and the ground grid; and the tables as a whole.
#include "app/ActionId.h"
#include "play/GroundGrid.h"
#include "script/ResolverHarness.h"
#include "script/StepIds.h"
#include "script/TableChecks.h"
#include "text/Text.h"

using namespace resolvertest;

namespace {

class ResolverProcedureTest : public ResolverTest {
protected:
    // The player at (x, y) with every object one unit in front of the eyes.
    void standAt(float x, float y) {
        play().player.position.set(x, y, 0.0f);
        for (SceneObject* object : play().world.worldList.objects()) object->position.set(x + 1.0f, y, 1.5f);
    }
};

struct ReachCase {
    ObjectName target;
    float x, y;
    bool reached;
};

}  // namespace

// The big pumpkin and the door are reached only from beyond strict bounds, for
// every action; " door " has no bound.
TEST_F(ResolverProcedureTest, ReachBoundsAreStrict) {
    const ReachCase cases[] = {
        {kObjBigPumpkin, 14.0f, 30.0f, false},  {kObjBigPumpkin, 20.0f, 25.5f, false},
        {kObjBigPumpkin, 14.01f, 25.51f, true}, {kObjDoor, 11.05f, 30.0f, false},
        {kObjDoor, 20.0f, 27.0f, false},        {kObjDoor, 11.06f, 27.01f, true},
        {kObjSpacedDoor, 0.0f, 0.0f, true},
    };
    for (const ReachCase& c : cases) {
        for (int32_t action : {0, 1, 10}) {
            SCOPED_TRACE(std::string(objectName(c.target)) + " from " + std::to_string(c.x) + ", " +
                         std::to_string(c.y) + " action " + std::to_string(action));
            freshWorld();
            standAt(c.x, c.y);
            execute(action, c.target);
            if (c.reached) {
                EXPECT_NE(answerText(kAnsCantReach), shownAnswer());
            } else {
                EXPECT_EQ(answerText(kAnsCantReach), shownAnswer());
                EXPECT_TRUE(cues.empty());
                EXPECT_EQ(step::kNone, play().script.scriptStep);
            }
        }
    }
    // Reached, the row applies: the knock on the door.
    freshWorld();
    standAt(11.06f, 27.01f);
    execute(0, kObjDoor);
    EXPECT_EQ(step::kDoorGivesWay, play().script.scriptStep);
}

// A selection that validation must correct is corrected, and nothing else
// happens on that execute; an empty action list does nothing at all.
TEST_F(ResolverProcedureTest, AnInvalidSelectionGivesNoAnswer) {
    PlayScreen& p = play();

    freshWorld();
    p.player.removeActionById(action::kTake);  // the chosen "take" is gone
    p.player.selectedAction = nullptr;
    p.rebuildTargetList();
    p.player.selectedTarget = p.player.targets.back();
    performAction(p);
    EXPECT_EQ(action::kAsk, selectedActionId(p));
    EXPECT_EQ("", shownAnswer());
    EXPECT_TRUE(cues.empty());

    freshWorld();
    execute(1, kObjGate);
    p.script.scriptStep = step::kNone;
    p.findSceneObject(kObjGate)->position.set(0.0f, 0.0f, 0.0f);  // out of view now
    performAction(p);
    EXPECT_EQ(p.player.selfTarget(), p.player.selectedTarget);
    EXPECT_EQ(step::kNone, p.script.scriptStep);
    EXPECT_EQ("", shownAnswer());

    freshWorld();
    p.player.clearPlayerLists();
    performAction(p);
    EXPECT_EQ("", shownAnswer());
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ("", gFatalErrorText);
}

// The placeholder entry -1, or any id past the use actions, has no rows.
TEST_F(ResolverProcedureTest, AnUnknownActionIdAnswersThatItIsUnknown) {
    for (int32_t id : {-1, 19}) {
        freshWorld();
        execute(id, kObjGate);
        EXPECT_EQ("how to do this\nis unknown.", shownAnswer());
        EXPECT_EQ(step::kNone, play().script.scriptStep);
        EXPECT_TRUE(cues.empty());
    }
}

// A row that edits an object missing from the room raises "exception:\n5";
// its edits land on a blank that belongs to the world list's blank list and
// goes with the room, not on any world object.
TEST_F(ResolverProcedureTest, EditingAMissingObjectRaisesTheErrorAndLeaksNoBlank) {
    freshWorld(kObjFollowedLeader);
    const size_t objects = play().world.worldList.objects().size();
    execute(3, kObjKnife);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kPlayException5));
    EXPECT_EQ(1u, play().world.worldList.blankCount());
    EXPECT_EQ(objects - 1, play().world.worldList.objects().size());  // only the knife left
    EXPECT_TRUE(hasAction(play(), action::kUseKnife));
    play().clearRoom();
    EXPECT_EQ(0u, play().world.worldList.blankCount());
}

// Asking the fish person moves the ground grid's source where there is a
// grid and is harmless where there is none.
TEST_F(ResolverProcedureTest, TheGridRippleMovesTheSourceAndNeedsNoGrid) {
    freshWorld();
    ASSERT_EQ(nullptr, play().effects.groundGrid);
    execute(1, kObjFishPerson);
    EXPECT_EQ(step::kFishRises, play().script.scriptStep);

    freshWorld();
    GroundGrid& grid = replaceEffect(play().effects.groundGrid);
    grid.sourceRow = 40;
    grid.sourceColumn = 13;
    execute(1, kObjFishPerson);
    EXPECT_EQ(40, grid.sourceRow);
    EXPECT_EQ(15, grid.sourceColumn);
    EXPECT_FLOAT_EQ(0.1f, grid.sourceOffset);
    clearEffect(play().effects.groundGrid);
}

// With no row of its own a target gets the action's fall-back.
TEST_F(ResolverProcedureTest, FallBacksOfEveryAction) {
    for (int32_t action = 0; action < 19; ++action) {
        SCOPED_TRACE(action);
        freshWorld();
        play().story.costumeWerewolf = true;
        execute(action, kObjTunnelWall1);
        const AnswerText expected = action == 0 || action == 1 ? kAnsEllipsis
                                    : action == 2              ? kAnsRoar
                                    : action == 3              ? kAnsYouCant
                                    : action == 17             ? kAnsSpecialOccasion
                                                               : kAnsDoesntWork;
        EXPECT_EQ(answerText(expected), shownAnswer());
        EXPECT_EQ(action == 0 ? 1 : action == 1 ? 5 : action == 2 ? 1 : -1, play().script.scriptStep);
        EXPECT_EQ(action == 0 ? 1u : 0u, cues.size());
    }
}

TEST(ResolverTables, RowsLookUpNamesOfTheNameTable) { checkRowNames(); }

TEST(ResolverTables, AnswersFitThePanelInLowerCase) { checkAnswerTexts(""); }
