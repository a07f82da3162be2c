// The cursor and the interface sounds that the menus and the intro share, fed
// keys through the real run loop while GameState names no screen, so that only
// the calls under test act on the input.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "app/MenuCursor.h"
#include "app/MenuSounds.h"
#include "support/ScreenHarness.h"

using namespace screentest;

namespace {
const int32_t kNoScreen = 0;
const int32_t kMoveChannel = 1;

class MenuCursorTest : public testing::Test {
protected:
    void SetUp() override {
        session.start();
        gGameState = kNoScreen;
    }

    // Holds keys for one frame, runs step on it with the cursor's channel
    // silent, and lets go; true when the move sound played.
    bool withKeys(std::initializer_list<SDLKey> keys, const std::function<void()>& step) {
        for (SDLKey key : keys) pushKey(key, true);
        session.frames(1);
        Mix_HaltChannel(-1);
        step();
        const bool sounded = Mix_Playing(kMoveChannel) != 0;
        for (SDLKey key : keys) pushKey(key, false);
        session.frames(1);
        return sounded;
    }
    bool column(std::initializer_list<SDLKey> keys, int32_t last) {
        return withKeys(keys, [this, last] { moveMenuCursorVertically(selected, last); });
    }
    bool row(std::initializer_list<SDLKey> keys, int32_t first, int32_t last) {
        return withKeys(keys, [this, first, last] { moveMenuCursorAcross(selected, first, last); });
    }
    // The mixer volume of the one channel that plays, -1 when none or several do.
    static int playingVolume() {
        int volume = -1;
        int playing = 0;
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
            if (Mix_Playing(channel)) {
                ++playing;
                volume = Mix_Volume(channel, -1);
            }
        }
        return playing == 1 ? volume : -1;
    }

    ScreenSession session;
    int32_t selected = 0;
};
}  // namespace

TEST_F(MenuCursorTest, AColumnStepsOnePerPressAndStopsSilentlyAtEitherEnd) {
    EXPECT_FALSE(column({SDLK_UP}, 2));
    EXPECT_EQ(0, selected);
    EXPECT_TRUE(column({SDLK_DOWN}, 2));
    EXPECT_EQ(1, selected);
    EXPECT_EQ(76, Mix_Volume(kMoveChannel, -1));  // 0.6 of full volume
    EXPECT_TRUE(column({SDLK_DOWN}, 2));
    EXPECT_FALSE(column({SDLK_DOWN}, 2));
    EXPECT_EQ(2, selected);
    // A longer menu (the pause menu with a joystick) lets it go one further.
    EXPECT_TRUE(column({SDLK_DOWN}, 3));
    EXPECT_EQ(3, selected);
}

TEST_F(MenuCursorTest, UpIsTakenBeforeDownWithinOneFrame) {
    // At the top up is refused and down taken; at the bottom up is taken first,
    // which frees the way for down again.
    EXPECT_TRUE(column({SDLK_UP, SDLK_DOWN}, 2));
    EXPECT_EQ(1, selected);
    selected = 2;
    EXPECT_TRUE(column({SDLK_UP, SDLK_DOWN}, 2));
    EXPECT_EQ(2, selected);
}

TEST_F(MenuCursorTest, ARowMovesByLeftAndRightWithinItsChoices) {
    selected = 1;
    EXPECT_FALSE(row({SDLK_UP, SDLK_DOWN}, 0, 2));
    EXPECT_EQ(1, selected);
    EXPECT_TRUE(row({SDLK_LEFT}, 0, 2));
    EXPECT_FALSE(row({SDLK_LEFT}, 0, 2));
    EXPECT_EQ(0, selected);
    EXPECT_TRUE(row({SDLK_RIGHT}, 0, 2));
    EXPECT_TRUE(row({SDLK_RIGHT}, 0, 2));
    EXPECT_FALSE(row({SDLK_RIGHT}, 0, 2));
    EXPECT_EQ(2, selected);
}

TEST_F(MenuCursorTest, TheOtherMenuSoundsPlayOnAFreeChannelAtTheirVolumes) {
    Mix_HaltChannel(-1);
    playMenuJumpSound();
    EXPECT_EQ(76, playingVolume());
    Mix_HaltChannel(-1);
    playMenuConfirmSound();
    EXPECT_EQ(102, playingVolume());  // 0.8 of full volume
    Mix_HaltChannel(-1);
    playMenuPauseSound();
    EXPECT_EQ(102, playingVolume());
}
