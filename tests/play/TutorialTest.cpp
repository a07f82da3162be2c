// The tutorial hints driven by scripted input through the run loop: each
// stage completes only while its hint is steady, the action press is taken
// by the tutorial, the target and execute presses also act, and the finished
// tutorial is the last word of the save.
#include <gtest/gtest.h>

#include "app/ActionEntry.h"
#include "app/JoystickBindings.h"
#include "app/SaveCodec.h"
#include "play/SoundCue.h"
#include "support/PlayHarness.h"
#include "text/Text.h"

using namespace playtest;

namespace {

class TutorialTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reachPlayByNewGame(s));
        gSoundCueLog = &cues;
    }
    void TearDown() override { gSoundCueLog = nullptr; }

    // A key held for one frame, then let go.
    void press(SDLKey key) {
        cues.clear();
        holdKey(key, true);
        s.frames(1);
        holdKey(key, false);
    }
    // Frames until the hint is steady again (at most 2 s).
    void waitSteady() {
        TutorialHints& t = play(s).tutorial;
        for (int i = 0; i < 45 && t.textFade != t.textFadeTarget; ++i) s.frames(1);
        s.frames(1);
    }
    bool heard(int32_t number, int32_t channel) const {
        for (const SoundCue& cue : cues) {
            if (cue.number == number && cue.channel == channel) return true;
        }
        return false;
    }

    ScreenSession s;
    std::vector<SoundCue> cues;
};

const std::string kSpaces8(8, ' ');

}  // namespace

TEST_F(TutorialTest, StagesAdvanceOnlyWhileTheirHintIsSteady) {
    PlayScreen& p = play(s);
    TutorialHints& t = p.tutorial;
    EXPECT_EQ(text::kTutorialHints[0][0], t.text);
    ASSERT_LT(t.textFade, 1.0f);
    // Still fading in: looking left is not counted.
    press(SDLK_LEFT);
    EXPECT_FALSE(t.lookLeftLearned);
    waitSteady();
    EXPECT_FLOAT_EQ(1.0f, t.textFade);
    EXPECT_EQ(kSpaces8 + "!!!!" + std::string(23, ' ') + "\n", t.markLine());

    press(SDLK_LEFT);
    EXPECT_TRUE(t.lookLeftLearned);
    EXPECT_EQ(kSpaces8 + " !!!" + std::string(23, ' ') + "\n", t.markLine());
    press(SDLK_RIGHT);
    press(SDLK_UP);
    EXPECT_FLOAT_EQ(1.0f, t.textFadeTarget);
    press(SDLK_DOWN);
    EXPECT_FLOAT_EQ(0.0f, t.textFadeTarget);

    // The walk hint follows once the look hint has faded out.
    waitSteady();
    EXPECT_EQ(text::kTutorialHints[1][0], t.text);
    EXPECT_EQ(std::string(35, ' ') + "! ! ! !", t.markLine());
    for (SDLKey key : {SDLK_w, SDLK_a, SDLK_s}) press(key);
    EXPECT_EQ(std::string(35, ' ') + "      !", t.markLine());
    press(SDLK_d);
    waitSteady();
    EXPECT_EQ(text::kTutorialHints[2][0], t.text);
    // Until the action stage is learned, the caption lines stay empty and
    // the wheel is not the play screen's.
    EXPECT_FALSE(t.actionSelectionLearned);

    // The select-action press is the tutorial's: a click, no new action.
    const ActionEntry* chosen = p.player.selectedAction;
    ASSERT_EQ(0, chosen->actionId);
    press(SDLK_1);
    EXPECT_TRUE(t.actionSelectionLearned);
    EXPECT_TRUE(heard(38, -1));
    EXPECT_FALSE(heard(38, 1));
    EXPECT_EQ(chosen, p.player.selectedAction);
    waitSteady();
    EXPECT_EQ(text::kTutorialHints[3][0], t.text);

    // The select-target press teaches and selects in the same frame.
    press(SDLK_2);
    EXPECT_TRUE(t.targetSelectionLearned);
    EXPECT_TRUE(heard(39, 1) || heard(38, 1));
    waitSteady();
    EXPECT_EQ(text::kTutorialHints[4][0], t.text);

    // So does the execute press: the click of execution sounds with it.
    press(SDLK_3);
    EXPECT_TRUE(t.executionLearned);
    EXPECT_TRUE(heard(40, -1));
    waitSteady();
    EXPECT_EQ("", t.text);
    EXPECT_EQ("", t.markLine());

    // Finished: the save's last word says so.
    gSaveRequest = 1;
    s.frames(1);
    EXPECT_EQ(990u, fileWords(saveFileName()).back());
}

TEST_F(TutorialTest, TheControllerSetUpRestartsAnUnfinishedTutorial) {
    TutorialHints& t = play(s).tutorial;
    t.lookLeftLearned = t.lookRightLearned = true;
    gControllerSetupDone = 1;
    s.frames(1);
    EXPECT_EQ(0, gControllerSetupDone);
    EXPECT_FALSE(t.lookLeftLearned);
    // A bound select-action button without an open joystick keeps the mouse
    // and keys form.
    gJoystickBindings.selectActionButton = 3;
    EXPECT_EQ(0, TutorialHints::currentForm());
    gJoystickBindings.selectActionButton = kUnbound;

    t.executionLearned = true;
    gControllerSetupDone = 1;
    s.frames(1);
    EXPECT_TRUE(t.executionLearned);
}
