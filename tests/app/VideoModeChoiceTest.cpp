// Which built-in rows the mode choice tries on a display, and what it opens
// on the test display with no mode on the command line.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/VideoModeChoice.h"
#include "engine/FullScreenModes.h"
#include "engine/Platform.h"
#include "support/DesktopSize.h"

namespace {

// The built-in rows that the display lets the choice try, as "WxH" for a
// full-screen row and "wWxH" for a window, joined by blanks.
std::string rowsTried(const FullScreenModes& display) {
    std::string tried;
    for (const VideoMode& mode : kBuiltInVideoModes) {
        if (builtInModeFits(mode, display)) {
            tried += std::string(tried.empty() ? "" : " ") + (mode.fullscreen ? "" : "w") +
                     std::to_string(mode.width) + "x" + std::to_string(mode.height);
        }
    }
    return tried;
}

}  // namespace

// A full-screen row is tried only when one mode of the display is at least as
// wide and as high; the windows are always tried.
TEST(VideoModeChoice, FullScreenRowsLargerThanEveryModeOfTheDisplayAreSkipped) {
    FullScreenModes display;
    display.anySize = false;
    display.sizes = {{1280, 1024}, {1920, 1080}};
    EXPECT_EQ("1920x1080 1680x1050 1600x900 1536x864 1440x900 1400x1050 1366x768 1360x768 1280x1024 1280x800 "
              "1280x768 1280x720 1024x768 800x600 640x480 320x240 w800x450 w640x360",
              rowsTried(display));
    display.sizes = {{640, 480}};
    EXPECT_EQ("640x480 320x240 w800x450 w640x360", rowsTried(display));
    display.sizes.clear();
    EXPECT_EQ("w800x450 w640x360", rowsTried(display));
    // A display that takes any size, or one that could not be asked, leaves
    // every row to the attempt to open it.
    display.anySize = true;
    const std::string all = rowsTried(display);
    EXPECT_EQ(26, std::count(all.begin(), all.end(), ' ')) << all;
    EXPECT_TRUE(builtInModeFits(kBuiltInVideoModes[0], FullScreenModes()));
}

// With no mode on the command line the game opens full screen, no larger than
// the display, on either SDL library.
TEST(VideoModeChoice, NoArgumentsOpenAFullScreenModeNoLargerThanTheDisplay) {
    int width = 0;
    int height = 0;
    ASSERT_TRUE(desktopSize(width, height));

    char program[] = "quendralvoss";
    char* argv[] = {program, nullptr};
    ASSERT_TRUE(openChosenVideoMode(1, argv));
    EXPECT_EQ(1, gFullscreen);
    EXPECT_LE(gScreenWidth, static_cast<float>(width));
    EXPECT_LE(gScreenHeight, static_cast<float>(height));
    const SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(nullptr, screen);
    EXPECT_LE(screen->w, width);
    EXPECT_LE(screen->h, height);
    SDL_Quit();
}
