// The sound loader on any unscrambled bytes: the format check and the mixer's
// decoder and conversion either fail the load or give a chunk that plays.
#include "engine/Sound.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::openAudioOnce();
    fuzz::writeScrambled(fuzz::kInputFile, data, size);
    Sound sound;
    if (!sound.load(fuzz::kInputFile)) {
        fuzz::require(!sound.isLoaded(), "a failed load kept a chunk");
        return 0;
    }
    sound.play(0.5f);
    sound.playOnChannel1(1.0f);
    sound.unload();
    return 0;
}
