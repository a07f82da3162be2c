#ifndef QUENDRALVOSS_TESTS_FUZZSUPPORT_H
#define QUENDRALVOSS_TESTS_FUZZSUPPORT_H

// What the fuzz targets share: a private working directory for the run, the
// input written to disk the way the game finds its files, and the window and
// audio device that the loaders need. Each helper aborts when the machine
// cannot give what it needs, so a broken set-up never passes as a clean run.
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The name every target writes its input to, inside the working directory.
extern const char* const kInputFile;

// Makes a fresh temporary directory the working directory (once per process)
// and removes it at exit.
void enterScratchDirectory();
// Writes size bytes to path, scrambled as every resource file is stored.
void writeScrambled(const char* path, const uint8_t* data, size_t size);
// Writes size bytes to path as they are.
void writePlain(const char* path, const uint8_t* data, size_t size);
// Opens the game's OpenGL window at width x height (once per process), under
// the display in DISPLAY.
void openWindowOnce(int width, int height);
// Opens the window and then the game's audio device (once per process).
void openAudioOnce();
// Aborts with message when condition is false: a broken promise of the code
// under test, reported as a crash the fuzzer keeps.
void require(bool condition, const char* message);

}  // namespace fuzz

#endif
