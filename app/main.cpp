// Entry point of both programs: picks a video mode from the command line or
// the built-in list, runs the game and returns 0 after a normal quit, 1 when
// no mode opens (saying so on standard error) or the run ended on the error
// screen.
#include <cstdio>

#include "app/GameApp.h"
#include "app/VideoModeChoice.h"
#include "engine/Platform.h"
#include "text/Text.h"

int main(int argc, char** argv) {
    if (!openChosenVideoMode(argc, argv)) {
        // No window means no error screen: the reason goes to the terminal.
        std::fprintf(stderr, "%s\n", text::kErrorNoVideoMode);
        return 1;
    }
    bool normalQuit = true;
    {
        // The game is gone before the platform shuts down.
        GameApp app;
        normalQuit = app.runGameApp();
    }
    shutdownPlatform();
    return normalQuit ? 0 : 1;
}
