#ifndef QUENDRALVOSS_TESTS_OGGDATA_H
#define QUENDRALVOSS_TESTS_OGGDATA_H

#include <cstdint>
#include <vector>

#include "content/AudioEncoders.h"

// An Ogg Vorbis track of the given length, mono at 22050 Hz: a quiet square
// wave in the format of the game's music, encoded by the content generator's
// own encoder.
inline std::vector<uint8_t> makeOggBytes(uint32_t milliseconds) {
    const uint32_t rate = 22050;
    std::vector<float> samples(rate * milliseconds / 1000);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = (i / 50) % 2 ? 0.03f : -0.03f;
    }
    return encodeOgg(samples, 1, static_cast<int>(rate), 0.0f);
}

#endif
