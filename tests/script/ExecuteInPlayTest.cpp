// The execute input in a running game: the click, then the resolver's answer,
// in the same frame; the answer then holds the player until it is closed.
#include <gtest/gtest.h>

#include "play/SoundCue.h"
#include "support/PlayHarness.h"
#include "text/AnswerTexts.h"

using namespace playtest;

TEST(ExecuteInPlay, TheClickComesFirstAndTheAnswerOpensInTheSameFrame) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    PlayScreen& p = play(s);
    bool* learned[] = {&p.tutorial.lookDownLearned,       &p.tutorial.lookLeftLearned,
                       &p.tutorial.lookUpLearned,         &p.tutorial.lookRightLearned,
                       &p.tutorial.walkForwardLearned,    &p.tutorial.walkLeftLearned,
                       &p.tutorial.walkBackLearned,       &p.tutorial.walkRightLearned,
                       &p.tutorial.actionSelectionLearned, &p.tutorial.targetSelectionLearned,
                       &p.tutorial.executionLearned};
    for (bool* flag : learned) *flag = true;
    ASSERT_TRUE(p.isPlayerInControl());
    // "knock on" "yourself": no row of its own, so the fall-back.
    p.player.selectedTarget = p.player.selfTarget();

    std::vector<SoundCue> cues;
    gSoundCueLog = &cues;
    holdKey(SDLK_3, true);
    s.frames(1);
    holdKey(SDLK_3, false);
    gSoundCueLog = nullptr;

    ASSERT_GE(cues.size(), 2u);
    EXPECT_EQ(40, cues[0].number);
    EXPECT_FLOAT_EQ(0.8f, cues[0].volume);
    EXPECT_EQ(4, cues[1].number);
    EXPECT_TRUE(p.answerPanel.isAnswerShowing());
    EXPECT_EQ(answerText(kAnsEllipsis), p.answerPanel.text);
    EXPECT_FALSE(p.isPlayerInControl());
}
