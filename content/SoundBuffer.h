#ifndef QUENDRALVOSS_CONTENT_SOUNDBUFFER_H
#define QUENDRALVOSS_CONTENT_SOUNDBUFFER_H

#include <cstdint>
#include <vector>

// A mono sample buffer that sound effects and music voices are synthesised
// into. Everything is added (mixed) into the buffer; with `wrap` set, what
// runs past the end continues at the start, which makes seamless loops.
// Times are in seconds, frequencies in Hz, amplitudes linear.
class SoundBuffer {
public:
    enum Wave { Sine, Triangle, Saw, Square };

    SoundBuffer(float seconds, int rate, bool wrap = false);

    int rate() const { return sampleRate; }
    float seconds() const { return float(samples.size()) / float(sampleRate); }

    // A tone gliding from freq to freqEnd (<= 0: no glide), with a linear
    // attack and an exponential decay (time to fall to about 5 %; <= 0: hold).
    void tone(float start, float duration, float freq, float amp, float attack, float decay,
              Wave wave = Sine, float freqEnd = -1, float vibrato = 0);
    // Filtered noise: one-pole low-pass smoothing 0..1 (1 = white), decay as above.
    void noise(float start, float duration, float amp, float attack, float decay, float smoothing,
               uint32_t seed);
    // A knock: a short noise click and a damped resonance at the body pitch.
    void knock(float start, float amp, float pitch, uint32_t seed);
    // Gibberish speech: a buzz through two gliding formants, in syllables.
    void voice(float start, float duration, float pitch, float amp, float syllablesPerSecond,
               float breathiness, uint32_t seed);
    // Adds a delayed copy (feedback echo), wrapping when the buffer wraps.
    void echo(float delay, float feedback, int repeats);
    void lowpass(float smoothing);
    // Scales so the loudest sample has the given peak (silence stays silent).
    void normalize(float peak);
    // Fades the last seconds out to 0 (effects that must not click).
    void fadeOut(float seconds);

    std::vector<float> samples;

private:
    void add(long index, float value);

    int sampleRate;
    bool wrapAround;
};

#endif
