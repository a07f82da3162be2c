#include "content/SoundBuffer.h"

#include <algorithm>
#include <cmath>

#include "content/Noise.h"

namespace {
const float kTwoPi = 6.28318530718f;

float waveAt(SoundBuffer::Wave w, float phase) {
    const float p = phase - std::floor(phase);
    switch (w) {
        case SoundBuffer::Triangle: return p < 0.5f ? 4 * p - 1 : 3 - 4 * p;
        case SoundBuffer::Saw: return 2 * p - 1;
        case SoundBuffer::Square: return p < 0.5f ? 0.7f : -0.7f;
        default: return std::sin(kTwoPi * p);
    }
}

// Attack, decay and a short release against clicks; a voice that fills a
// whole looping buffer (`endless`) has no release, so the loop has no dip.
float envelope(float t, float duration, float attack, float decay, bool endless = false) {
    if (t < 0 || t > duration) return 0;
    float e = attack > 0 && t < attack ? t / attack : 1.0f;
    if (decay > 0) e *= std::exp(-3.0f * t / decay);
    const float release = std::min(0.01f, duration * 0.5f);
    if (!endless && t > duration - release) e *= (duration - t) / release;
    return e;
}

// Two-pole resonator (band-pass) state.
struct Resonator {
    float y1 = 0, y2 = 0;
    float step(float x, float freq, float q, float rate) {
        const float r = std::exp(-3.14159265f * freq / (q * rate));
        const float c = 2 * r * std::cos(kTwoPi * freq / rate);
        const float y = (1 - r) * x + c * y1 - r * r * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};
}  // namespace

SoundBuffer::SoundBuffer(float seconds, int rate, bool wrap)
    : samples(size_t(std::max(1.0f, seconds * float(rate))), 0.0f), sampleRate(rate), wrapAround(wrap) {}

void SoundBuffer::add(long i, float value) {
    const long n = long(samples.size());
    if (wrapAround) {
        i = ((i % n) + n) % n;
    } else if (i < 0 || i >= n) {
        return;
    }
    samples[size_t(i)] += value;
}

void SoundBuffer::tone(float start, float duration, float freq, float amp, float attack, float decay,
                       Wave wave, float freqEnd, float vibrato) {
    const long first = long(start * float(sampleRate));
    const long count = long(duration * float(sampleRate));
    const bool endless = wrapAround && count >= long(samples.size()) && attack <= 0 && decay <= 0;
    double phase = 0;
    for (long k = 0; k < count; ++k) {
        const float t = float(k) / float(sampleRate);
        float f = freqEnd > 0 ? freq + (freqEnd - freq) * (t / duration) : freq;
        if (vibrato > 0) f *= 1.0f + vibrato * std::sin(kTwoPi * 5.5f * t);
        phase += double(f) / double(sampleRate);
        add(first + k, waveAt(wave, float(phase)) * amp * envelope(t, duration, attack, decay, endless));
    }
}

void SoundBuffer::noise(float start, float duration, float amp, float attack, float decay,
                        float smoothing, uint32_t seed) {
    Noise rng(seed);
    const long first = long(start * float(sampleRate));
    const long count = long(duration * float(sampleRate));
    const bool endless = wrapAround && count >= long(samples.size()) && attack <= 0 && decay <= 0;
    float state = 0;
    const float gain = 1.0f / std::sqrt(std::max(0.01f, smoothing));
    for (long k = 0; k < count; ++k) {
        const float t = float(k) / float(sampleRate);
        state += (rng.next() * 2 - 1 - state) * smoothing;
        add(first + k, state * gain * amp * envelope(t, duration, attack, decay, endless));
    }
}

void SoundBuffer::knock(float start, float amp, float pitch, uint32_t seed) {
    noise(start, 0.02f, amp * 0.6f, 0.0005f, 0.01f, 0.5f, seed);
    tone(start, 0.18f, pitch, amp, 0.001f, 0.06f, Sine, pitch * 0.8f);
    tone(start, 0.12f, pitch * 2.3f, amp * 0.4f, 0.001f, 0.03f, Sine);
}

void SoundBuffer::voice(float start, float duration, float pitch, float amp, float rate,
                        float breath, uint32_t seed) {
    static const float vowels[5][2] = {{730, 1090}, {270, 2290}, {530, 1840}, {570, 840}, {300, 870}};
    Noise rng(seed);
    const long first = long(start * float(sampleRate));
    const long count = long(duration * float(sampleRate));
    Resonator f1, f2;
    double phase = 0;
    const int syllables = std::max(1, int(duration * rate));
    std::vector<int> vowelOf(size_t(syllables) + 1);
    std::vector<float> pitchOf(size_t(syllables) + 1);
    for (int s = 0; s <= syllables; ++s) {
        vowelOf[size_t(s)] = int(rng.next() * 4.999f);
        pitchOf[size_t(s)] = pitch * (0.85f + 0.3f * rng.next());
    }
    for (long k = 0; k < count; ++k) {
        const float t = float(k) / float(sampleRate);
        const float pos = t / duration * float(syllables);
        const int s = std::min(syllables - 1, int(pos));
        const float within = pos - float(s);
        const float glide = std::min(1.0f, within * 3);
        const float* va = vowels[vowelOf[size_t(s)]];
        const float* vb = vowels[vowelOf[size_t(s) + 1]];
        const float p = pitchOf[size_t(s)] + (pitchOf[size_t(s) + 1] - pitchOf[size_t(s)]) * within;
        phase += double(p * (1.0f + 0.01f * std::sin(kTwoPi * 6 * t))) / double(sampleRate);
        const float buzz = waveAt(Saw, float(phase)) * (1 - breath) + (rng.next() * 2 - 1) * breath;
        const float form1 = va[0] + (vb[0] - va[0]) * glide * 0.3f;
        const float form2 = va[1] + (vb[1] - va[1]) * glide * 0.3f;
        const float y = f1.step(buzz, form1, 6, float(sampleRate)) * 1.0f +
                        f2.step(buzz, form2, 8, float(sampleRate)) * 0.6f;
        const float syllableEnv = std::sin(3.14159265f * within);
        add(first + k, y * amp * 4.0f * syllableEnv * envelope(t, duration, 0.02f, 0));
    }
}

void SoundBuffer::echo(float delay, float feedback, int repeats) {
    const std::vector<float> dry = samples;
    const long d = long(delay * float(sampleRate));
    float g = feedback;
    for (int r = 1; r <= repeats; ++r, g *= feedback)
        for (size_t i = 0; i < dry.size(); ++i) add(long(i) + d * r, dry[i] * g);
}

void SoundBuffer::lowpass(float smoothing) {
    float state = wrapAround && !samples.empty() ? samples.back() : 0.0f;
    for (int pass = 0; pass < (wrapAround ? 2 : 1); ++pass)
        for (float& s : samples) {
            state += (s - state) * smoothing;
            if (pass == (wrapAround ? 1 : 0)) s = state;
        }
}

void SoundBuffer::normalize(float peak) {
    float m = 0;
    for (float s : samples) m = std::max(m, std::fabs(s));
    if (m < 1e-6f) return;
    for (float& s : samples) s *= peak / m;
}

void SoundBuffer::fadeOut(float seconds) {
    const long n = long(samples.size());
    const long f = std::min(n, long(seconds * float(sampleRate)));
    for (long i = 0; i < f; ++i) samples[size_t(n - 1 - i)] *= float(i) / float(f);
}
