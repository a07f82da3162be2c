// The picture loader on any unscrambled bytes: the format check, the decoder
// and the upload either fail the load cleanly or give a bindable texture.
#include "engine/Texture.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::openWindowOnce(64, 48);
    fuzz::writeScrambled(fuzz::kInputFile, data, size);
    Texture texture;
    if (!texture.load(fuzz::kInputFile)) {
        fuzz::require(texture.glName == 0, "a failed load kept a texture");
        return 0;
    }
    fuzz::require(texture.alphaMode >= Texture::alphaOpaque && texture.alphaMode <= Texture::alphaBlended,
                  "a loaded picture with an unknown alpha mode");
    texture.bind();
    texture.setNearest();
    unbindTexture();
    return 0;
}
