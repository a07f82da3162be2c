#include "app/VideoModeChoice.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "engine/FullScreenModes.h"
#include "engine/Platform.h"

const char* const kGameTitle = "Quendralvoss";

const VideoMode kBuiltInVideoModes[27] = {
    {3840, 2160, true}, {3440, 1440, true}, {2560, 1600, true}, {2560, 1440, true},
    {2560, 1080, true}, {2048, 1536, true}, {2048, 1080, true}, {1920, 1200, true},
    {1920, 1080, true}, {1680, 1050, true}, {1600, 1200, true}, {1600, 900, true},
    {1536, 864, true},  {1440, 900, true},  {1400, 1050, true}, {1366, 768, true},
    {1360, 768, true},  {1280, 1024, true}, {1280, 800, true},  {1280, 768, true},
    {1280, 720, true},  {1024, 768, true},  {800, 600, true},   {640, 480, true},
    {320, 240, true},   {800, 450, false},  {640, 360, false}};

namespace {
// The leading number of text as atoi reads it, or -1 when there is none or it
// overflows, so that every bad argument falls outside the accepted ranges.
long leadingNumber(const char* text) {
    errno = 0;
    char* end = nullptr;
    const long value = strtol(text, &end, 10);
    if (end == text || errno == ERANGE || value > INT_MAX || value < INT_MIN) {
        return -1;
    }
    return value;
}
}  // namespace

bool parseVideoModeArguments(int argc, char** argv, VideoMode& mode) {
    if (argc != 4) {
        return false;
    }
    const bool windowed = std::strcmp(argv[1], "w") == 0;
    const bool fullscreen = std::strcmp(argv[1], "f") == 0;
    if (!windowed && !fullscreen) {
        return false;
    }
    const long width = leadingNumber(argv[2]);
    if (width < 320 || width > 7680) {
        return false;
    }
    const long height = leadingNumber(argv[3]);
    if (height < 240 || height > 4320) {
        return false;
    }
    mode.width = static_cast<int>(width);
    mode.height = static_cast<int>(height);
    mode.fullscreen = fullscreen;
    return true;
}

bool builtInModeFits(const VideoMode& mode, const FullScreenModes& display) {
    return !mode.fullscreen || display.offers(mode.width, mode.height);
}

bool openChosenVideoMode(int argc, char** argv) {
    VideoMode requested;
    if (parseVideoModeArguments(argc, argv, requested) &&
        initVideo(kGameTitle, requested.width, requested.height, requested.fullscreen)) {
        return true;
    }
    // Classic SDL 1.2 refuses a full-screen mode larger than every mode of
    // the display; sdl12-compat opens it, larger than the display, so the
    // list makes that test itself.
    FullScreenModes display;
    display.query();
    for (const VideoMode& mode : kBuiltInVideoModes) {
        if (builtInModeFits(mode, display) && initVideo(kGameTitle, mode.width, mode.height, mode.fullscreen)) {
            return true;
        }
    }
    return false;
}
