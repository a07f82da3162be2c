// Every room built and played for half a second from the generated content
// itself, not from stand-ins: a resource number that a room asks for and the
// generator does not write shows here as the error screen.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "app/FatalError.h"
#include "support/PlayHarness.h"

using namespace playtest;

TEST(GeneratedRooms, EveryRoomBuildsAndRunsFromTheGeneratedContent) {
    const std::string generated = std::string(QV_BUILD_DIR) + "/res";
    ASSERT_EQ(0, access((generated + "/0/65.dat").c_str(), R_OK)) << "the default build generates res/";
    // The session works in a scratch directory of its own; the content is
    // linked in there in place of the stand-ins.
    ScreenSession s(640, 360, false);
    ASSERT_EQ(0, symlink(generated.c_str(), "res"));
    ASSERT_TRUE(reachPlayByNewGame(s)) << "state " << gGameState << ": " << gFatalErrorText;
    for (int32_t room = 0; room <= 7; ++room) {
        play(s).enterRoom(room);
        ASSERT_NE(kGameStateError, gGameState) << "room " << room << ": " << gFatalErrorText;
        framesAt60(s, 30);
        ASSERT_NE(kGameStateError, gGameState) << "room " << room << ": " << gFatalErrorText;
    }
}
