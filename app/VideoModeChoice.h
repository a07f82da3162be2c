#ifndef QUENDRALVOSS_APP_VIDEOMODECHOICE_H
#define QUENDRALVOSS_APP_VIDEOMODECHOICE_H

class FullScreenModes;

// The window title, handed to every attempt to open a mode.
extern const char* const kGameTitle;

// One video mode the game may open.
struct VideoMode {
    int width;
    int height;
    bool fullscreen;
};

// The built-in list, tried in order when the command line names no mode or
// its mode fails.
extern const VideoMode kBuiltInVideoModes[27];

// Reads an explicit mode from the command line: exactly three arguments,
// "w" or "f", a width in 320..7680 and a height in 240..4320 (leading digits
// count; junk, overflow or a missing number is out of range). False when the
// command line names no valid mode.
bool parseVideoModeArguments(int argc, char** argv, VideoMode& mode);

// Whether a built-in row may be tried on a display that offers these modes: a
// window always, a full-screen row only when some offered mode is at least as
// large, so that no row opens larger than the display.
bool builtInModeFits(const VideoMode& mode, const FullScreenModes& display);

// Opens the command line's mode as asked or, failing that, the first mode of
// the built-in list that fits the display and opens. False when none does.
bool openChosenVideoMode(int argc, char** argv);

#endif
