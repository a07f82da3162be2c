// Loading "game.sav" through the real play screen on any bytes. The game runs
// from the generated content: it is started once, reaches play by a new game
// through the menus and the intro, and then each input is written as the save
// and loaded the way the main menu's continue asks for it (the load request
// at the start of a play frame). The load ends either in play on the saved
// game, which plays on for a few frames, or on the error screen; after an
// error the harness puts the game back into play for the next input.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/FatalError.h"
#include "app/SaveCodec.h"
#include "fuzz/FuzzSupport.h"
#include "support/PlayHarness.h"

namespace {

playtest::ScreenSession* session = nullptr;

// The game shuts down as the program would before the statics go: the font
// registry's maps are the only holders of the glyphs a live screen still uses,
// and LeakSanitizer looks at the heap after they are destroyed.
void endGame() {
    delete session;
    session = nullptr;
}

void startGame() {
    session = new playtest::ScreenSession(160, 90, false);
    std::atexit(endGame);
    fuzz::require(session->videoOpen, "no video mode (is DISPLAY set?)");
    const std::string generated = std::string(QV_BUILD_DIR) + "/res";
    fuzz::require(access((generated + "/0/65.dat").c_str(), R_OK) == 0 && symlink(generated.c_str(), "res") == 0,
                  "no generated content in the build directory");
    fuzz::require(playtest::reachPlayByNewGame(*session), "the game did not reach play by a new game");
}

}  // namespace

// A made-up save may put the player anywhere, even deep inside a wall; the
// load mends only what the codec's rounding did, so there is nothing to check.
void screentest::expectPlayerClearAfterLoad(const PlayScreen&) {}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!session) startGame();
    fuzz::writePlain(saveFileName(), data, size);
    gFatalErrorText.clear();
    gGameState = kGameStatePlay;
    gLoadRequest = 1;
    for (int k = 0; k < 4 && gGameState == kGameStatePlay; ++k) {
        fuzz::require(!session->frames(1), "the game quit while loading");
    }
    fuzz::require(gGameState != kGameStateError || !gFatalErrorText.empty(), "an error screen without a message");
    return 0;
}
