// Action and target selection driven by the inputs the game reads, with the
// clicks heard through the sound log, and the caption texts of the choices.
#include "play/ActionSelection.h"

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "play/Player.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "tests/play/PlayFixture.h"

using namespace playtest;

namespace {

class ActionSelectionTest : public PlayerWorldFixture {
protected:
    int32_t selectedId() const { return player.selectedAction->actionId; }
    void select(int32_t id) {
        for (const std::unique_ptr<ActionEntry>& entry : player.actions()) {
            if (entry->actionId == id) player.selectedAction = entry.get();
        }
    }
    void give(int32_t id) {
        ActionEntry* entry = player.appendAction(id);
        player.selectedAction = entry;
    }
    // One frame of the selection inputs with every tutorial stage learned;
    // the clicks heard in it.
    std::vector<int32_t> press(SDLKey key) {
        cues.clear();
        pressKey(key);
        selection.applySelectionInputs(true, true);
        std::vector<int32_t> heard;
        for (const SoundCue& cue : cues) {
            EXPECT_EQ(1, cue.channel);
            EXPECT_FLOAT_EQ(0.6f, cue.volume);
            heard.push_back(cue.number);
        }
        return heard;
    }
    std::vector<int32_t> wheel(int32_t notches) {
        cues.clear();
        gMouseState->wheel = notches;
        selection.applySelectionInputs(true, true);
        std::vector<int32_t> heard;
        for (const SoundCue& cue : cues) heard.push_back(cue.number);
        return heard;
    }
    SceneObject* add(const char* name, float x, float y) { return PlayerWorldFixture::add(name, x, y, 1.5f); }

    ActionSelection selection{player, world};
};

TEST_F(ActionSelectionTest, StepsThroughActionsWithTheirClicks) {
    const std::vector<int32_t> move = {38};
    const std::vector<int32_t> wrap = {39};
    select(1);
    EXPECT_EQ(move, press(SDLK_1));
    EXPECT_EQ(2, selectedId());
    select(3);
    EXPECT_EQ(wrap, press(SDLK_1));
    EXPECT_EQ(0, selectedId());

    // The wheel moves without wrapping and is silent at either end.
    EXPECT_TRUE(wheel(1).empty()) << "wheel up on the first entry";
    EXPECT_EQ(0, selectedId());
    EXPECT_EQ(move, wheel(-1));
    EXPECT_EQ(1, selectedId());
    EXPECT_EQ(move, wheel(1));
    EXPECT_EQ(0, selectedId());
    select(3);
    EXPECT_TRUE(wheel(-1).empty());
    EXPECT_EQ(3, selectedId());

    // Inputs of a stage not yet learned do nothing and are left unread.
    cues.clear();
    pressKey(SDLK_1);
    selection.applySelectionInputs(false, true);
    EXPECT_TRUE(cues.empty());
    EXPECT_EQ(3, selectedId());
    EXPECT_TRUE(gKeyState->isDown(SDLK_1));
}

TEST_F(ActionSelectionTest, UsedUpItemFallsBackToAskEvenAtTheSameAddress) {
    // The candle turns into the lit candle: the new entry may well take the
    // freed entry's memory, and must still not pass as the old choice.
    give(13);
    EXPECT_EQ("use candle on", selection.currentActionName());
    player.removeActionById(action::kUseCandle);
    player.appendAction(action::kUseLitCandle);
    EXPECT_EQ(std::vector<int32_t>{39}, press(SDLK_1)) << "only a correction, heard as a wrap";
    EXPECT_EQ(1, selectedId());
    EXPECT_EQ("ask", selection.currentActionName());
}

TEST_F(ActionSelectionTest, NamesOfTheChoices) {
    EXPECT_EQ("knock on", selection.currentActionName());
    give(18);
    EXPECT_EQ("use treat on", selection.currentActionName());
    give(-1);
    EXPECT_EQ("use unknown item on", selection.currentActionName());
    give(19);
    EXPECT_EQ("use unknown item on", selection.currentActionName());
    player.clearPlayerLists();
    EXPECT_EQ("do nothing to", selection.currentActionName());
    EXPECT_EQ(kGameStatePlay, gGameState) << "the name alone raises nothing";
    EXPECT_TRUE(player.actions().empty());

    // An empty list stepped: the placeholder and the first exception.
    EXPECT_TRUE(selection.selectNextActionWrapping());
    EXPECT_EQ(-1, selectedId());
    EXPECT_NE(std::string::npos, gFatalErrorText.find("exception:\n1"));
}

TEST_F(ActionSelectionTest, TargetsInViewWithTheirClicksAndTheLostCue) {
    // Only "yourself": every step reports a wrap.
    player.selectedTarget = nullptr;
    EXPECT_EQ(std::vector<int32_t>{39}, press(SDLK_2)) << "the first step corrects";
    EXPECT_EQ(std::vector<int32_t>{39}, press(SDLK_2));
    EXPECT_EQ(player.selfTarget(), player.selectedTarget);
    EXPECT_EQ("yourself", selection.currentTargetName(true));

    add("door", 2.0f, 0.0f);
    add("bench", 2.0f, 0.5f);
    EXPECT_EQ(std::vector<int32_t>{38}, press(SDLK_2));
    EXPECT_EQ("door", selection.currentTargetName(true));
    EXPECT_EQ(std::vector<int32_t>{38}, press(SDLK_2));
    EXPECT_EQ("bench", selection.currentTargetName(true));
    EXPECT_EQ(std::vector<int32_t>{39}, press(SDLK_2));
    cues.clear();
    EXPECT_EQ("yourself", selection.currentTargetName(true));
    EXPECT_TRUE(cues.empty()) << "a target still in view gives no cue";

    // Walking away from the chosen target: the caption names another and
    // sounds 279 once, on any channel; without the cue flag it stays silent.
    press(SDLK_2);
    player.position.set(10.0f, 0.0f, 0.0f);
    cues.clear();
    EXPECT_EQ("yourself", selection.currentTargetName(true));
    ASSERT_EQ(1u, cues.size());
    EXPECT_EQ(279, cues[0].number);
    EXPECT_EQ(-1, cues[0].channel);
    EXPECT_FLOAT_EQ(0.6f, cues[0].volume);
    EXPECT_EQ("yourself", selection.currentTargetName(true));
    EXPECT_EQ(1u, cues.size());
    player.position.set(0.0f, 0.0f, 0.0f);
    press(SDLK_2);
    player.position.set(10.0f, 0.0f, 0.0f);
    cues.clear();
    selection.currentTargetName(false);
    EXPECT_TRUE(cues.empty());
}

}  // namespace
