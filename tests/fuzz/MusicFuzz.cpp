// The music loader on any unscrambled bytes: the format check and the mixer
// either fail the load or give a track that the mixer thread plays for a few
// milliseconds (with the disk audio driver and no delay it decodes as fast as
// it can) before the track is restarted and freed.
#include <SDL.h>

#include "engine/Music.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::openAudioOnce();
    fuzz::writeScrambled(fuzz::kInputFile, data, size);
    Music music;
    if (!music.load(fuzz::kInputFile)) {
        fuzz::require(!music.isLoaded() && music.getReader() == nullptr, "a failed load kept a track");
        return 0;
    }
    music.resume();
    SDL_Delay(3);
    music.restart();
    music.resume();
    SDL_Delay(1);
    music.unload();
    return 0;
}
