#include "fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Platform.h"
#include "engine/Scramble.h"

namespace fuzz {

const char* const kInputFile = "input.dat";

namespace {

std::string scratch;

void removeScratch() {
    if (scratch.empty()) return;
    if (chdir("/") != 0) return;
    const std::string command = "rm -rf '" + scratch + "'";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "fuzz: could not remove %s\n", scratch.c_str());
    }
}

}  // namespace

void require(bool condition, const char* message) {
    if (!condition) {
        std::fprintf(stderr, "fuzz: %s\n", message);
        std::abort();
    }
}

void enterScratchDirectory() {
    if (!scratch.empty()) return;
    char name[] = "/tmp/quendralvoss-fuzz-XXXXXX";
    require(mkdtemp(name) != nullptr, "no temporary directory");
    scratch = name;
    require(chdir(name) == 0, "cannot enter the temporary directory");
    std::atexit(removeScratch);
}

void writePlain(const char* path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path, "wb");
    require(file != nullptr, "cannot write the input file");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    require(std::fclose(file) == 0 && written, "cannot write the input file");
}

void writeScrambled(const char* path, const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    scrambleBuffer(reinterpret_cast<uint8_t*>(&bytes[0]), static_cast<uint32_t>(size));
    writePlain(path, reinterpret_cast<const uint8_t*>(bytes.data()), size);
}

void openWindowOnce(int width, int height) {
    static bool open = false;
    if (open) return;
    require(initVideo("quendralvoss fuzz", width, height, false), "no video mode (is DISPLAY set?)");
    open = true;
}

void openAudioOnce() {
    static bool open = false;
    if (open) return;
    openWindowOnce(64, 48);
    require(openAudio(), "no audio device (set SDL_AUDIODRIVER=dummy or disk)");
    open = true;
}

}  // namespace fuzz
