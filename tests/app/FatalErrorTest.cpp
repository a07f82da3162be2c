#include <gtest/gtest.h>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "engine/FatalErrorHook.h"
#include "support/ErrorScreenLines.h"

namespace {
const std::string kTail =
    "meeting system requirements\nnew program version\ncontacting www.qvoss.example\n\npress esc key";
}

TEST(FatalError, ComposesHeadBodyAndTailByCode) {
    raiseFatalError(kFatalResourceFile, "res/0");
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_EQ("error\n-----\ncould not load resource file:\nres/0\n\ntry:\nreinstalling\n" + kTail,
              gFatalErrorText);
    raiseFatalError(kFatalGeneral, "exception:\n3");
    EXPECT_EQ("error\n-----\nexception:\n3\n\ntry:\n" + kTail, gFatalErrorText);
    raiseFatalError(42, "odd");
    EXPECT_EQ("error\n-----\nodd\n\ntry:\n" + kTail, gFatalErrorText);
}

TEST(FatalError, AudioAndAspectIgnoreTheDetailAndTheLastWins) {
    raiseFatalError(kFatalAudio, "ignored");
    EXPECT_EQ(std::string::npos, gFatalErrorText.find("ignored"));
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not init:\naudio\n"));
    raiseFatalError(kFatalAspectRatio, "ignored");
    EXPECT_EQ("error\n-----\ninvalid aspect ratio\n\ntry:\nusing a conventional resolution\n" + kTail,
              gFatalErrorText);
}

TEST(FatalError, EveryAdviceLineFitsTheErrorScreen) {
    raiseFatalError(kFatalAudio, "");
    expectLinesFitTheErrorScreen(gFatalErrorText);
}

TEST(FatalError, EngineHookReachesTheErrorScreen) {
    gGameState = kGameStatePlay;
    installFatalErrorHandler();
    reportFatalError(kFatalResourceFile, "12.dat");
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("\n12.dat\n"));
}
