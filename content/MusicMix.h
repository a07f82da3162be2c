#ifndef QUENDRALVOSS_CONTENT_MUSICMIX_H
#define QUENDRALVOSS_CONTENT_MUSICMIX_H

#include <cstdint>
#include <vector>

#include "content/SoundBuffer.h"

// A stereo loop that the music is played into, note by note, with
// instrument-like voices: additive partials for bells, winds, bowed strings,
// voices and organ, plucked strings by Karplus-Strong, and a low drum.
// Both channels wrap, so a note or echo that runs past the end of the loop
// sounds on at its start and the loop has no seam.
class MusicMix {
public:
    enum Instrument {
        MusicBox, Celesta, Bell, Vibes, Flute, Reed, Strings, Choir, Organ,
        Harp, Pizzicato, Harpsichord, Drum
    };

    MusicMix(float seconds, int rate);

    // One note from start (seconds) lasting `seconds` (the sustained
    // instruments hold it that long, then release; struck and plucked ones
    // ring out on their own), panned -1 (left) .. 1 (right).
    void note(Instrument instrument, float start, float seconds, float freq, float amp, float pan,
              uint32_t seed);
    // Wind: low-passed noise swelling `swells` whole times per loop.
    void wind(float amp, int swells, uint32_t seed);
    // A room's reverberation (parallel combs, then all-passes), run twice
    // round the loop so the tail that leaves the end comes in at the start;
    // `mix` is the wet level, `size` scales the room (about 1).
    void reverb(float mix, float size);
    // Scales both channels together so the louder peak is `peak`.
    void normalize(float peak);
    // The two channels interleaved, left first.
    std::vector<float> interleaved() const;

    SoundBuffer left, right;

private:
    void mixIn(const std::vector<float>& voice, long first, float pan);
    int sampleRate;
};

#endif
