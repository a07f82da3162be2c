// The whole story played through the real run loop, as a player plays it:
// from the main menu's new game through the intro, all eight places, every
// scene on the story's path and the ending's pages back to the main menu,
// once in each costume. Along the way the game is saved through the pause
// menu, the program started again and the game continued from the main menu
// at seven checkpoints, and the rest of the story is played from the loaded
// game. The same test runs in the English and in the German program.
#include <gtest/gtest.h>

#include <string>

#include "app/Costume.h"
#include "story/StoryRoute.h"
#include "support/TestDirectory.h"
#include "text/Text.h"

namespace {

class Playthrough : public testing::TestWithParam<int32_t> {};

std::string costumeLabel(int32_t costume) {
    return costume == kCostumeDeath ? "death" : costume == kCostumeGhost ? "ghost" : "werewolf";
}

TEST_P(Playthrough, FromANewGameToTheEndingThroughEveryCheckpoint) {
    const int32_t costume = GetParam();
    TestDirectory dir;
    story::StoryDriver driver(std::string(text::kGerman ? "de " : "en ") + costumeLabel(costume), costume,
                              1234u + static_cast<unsigned>(costume));
    story::StoryRoute route(driver);
    const bool ended = route.playToTheEnd();
    ASSERT_TRUE(ended) << driver.failureText();
    EXPECT_EQ(kGameStateMainMenu, gGameState);
    EXPECT_EQ((std::vector<std::string>{"after the statues", "after the dog scene",
                                        "in the house before the night scene", "in the house after the night scene",
                                        "in the tunnel, open", "in the tunnel, closing",
                                        "in the hall, the tunnel closed"}),
              route.checkpoints);
}

INSTANTIATE_TEST_SUITE_P(EveryCostume, Playthrough, testing::Values(kCostumeDeath, kCostumeGhost, kCostumeWerewolf),
                         [](const testing::TestParamInfo<int32_t>& info) { return costumeLabel(info.param); });

}  // namespace
