// The named readings of the story's numbered fields: each name reads its own
// field and no other, so a test on a meaning never looks at a neighbour.
#include <gtest/gtest.h>

#include "play/StoryState.h"

namespace {

struct FlagName {
    const char* name;
    bool StoryState::*field;
    bool (StoryState::*reading)() const;
};

const FlagName kFlags[] = {
    {"candleDispensed", &StoryState::storyFlag07, &StoryState::candleDispensed},
    {"birdStatuesAwake", &StoryState::storyFlag20, &StoryState::birdStatuesAwake},
    {"birdStatuesLeft", &StoryState::storyFlag21, &StoryState::birdStatuesLeft},
    {"shadyCatGiggled", &StoryState::storyFlag22, &StoryState::shadyCatGiggled},
    {"rightStatueAsked", &StoryState::storyFlag23, &StoryState::rightStatueAsked},
    {"leftStatueAsked", &StoryState::storyFlag24, &StoryState::leftStatueAsked},
    {"spiderSweptAway", &StoryState::storyCount35, &StoryState::spiderSweptAway},
    {"fishGaveInterestTalk", &StoryState::storyFlag36, &StoryState::fishGaveInterestTalk},
    {"paintingOpened", &StoryState::storyFlag37, &StoryState::paintingOpened},
    {"dustOnTable", &StoryState::storyFlag41, &StoryState::dustOnTable},
    {"personSawCostume", &StoryState::storyFlag42, &StoryState::personSawCostume},
    {"goatGreeted", &StoryState::storyFlag43, &StoryState::goatGreeted},
    {"gateOpened", &StoryState::storyFlag48, &StoryState::gateOpened},
    {"hallReached", &StoryState::storyFlag51, &StoryState::hallReached},
};

struct ValueName {
    const char* name;
    float StoryState::*field;
    float (StoryState::*reading)() const;
};

const ValueName kValues[] = {
    {"processionShift", &StoryState::storyValue04, &StoryState::processionShift},
    {"hatDropX", &StoryState::storyValue14, &StoryState::hatDropX},
    {"tunnelOpening", &StoryState::storyValue49, &StoryState::tunnelOpening},
    {"tunnelClosing", &StoryState::storyValue50, &StoryState::tunnelClosing},
    {"eyesOpening", &StoryState::storyValue52, &StoryState::eyesOpening},
};

}  // namespace

TEST(StoryStateTest, EachFlagNameReadsItsOwnFieldOnly) {
    for (const FlagName& set : kFlags) {
        SCOPED_TRACE(set.name);
        StoryState story;
        for (const FlagName& other : kFlags) story.*other.field = false;
        story.*set.field = true;
        for (const FlagName& read : kFlags) {
            EXPECT_EQ(&read == &set, (story.*read.reading)()) << read.name;
        }
    }
}

TEST(StoryStateTest, EachValueNameReadsItsOwnField) {
    StoryState story;
    float v = 1.5f;
    for (const ValueName& value : kValues) story.*value.field = (v += 1.0f);
    story.storyCount33 = 5;
    story.storyCount40 = -1;
    v = 1.5f;
    for (const ValueName& value : kValues) EXPECT_EQ(v += 1.0f, (story.*value.reading)()) << value.name;
    EXPECT_EQ(5, story.pumpkinStage());
    EXPECT_EQ(-1, story.dustStage());
}
