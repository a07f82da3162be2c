#include "content/MusicMix.h"

#include <algorithm>
#include <cmath>

#include "content/Noise.h"

namespace {

const float kTwoPi = 6.28318530718f;

// One partial of an additive voice: frequency ratio, level and the time it
// takes to die away to about 5 % (0: held for the note).
struct Partial {
    float ratio, level, decay;
};

// An additive instrument: its partials, attack and release (seconds),
// vibrato depth (fraction of the pitch), breath noise and how many slightly
// detuned copies play together (a section rather than one player).
struct Additive {
    const Partial* partials;
    int count;
    float attack, release, vibrato, breath;
    int copies;
};

const Partial kMusicBox[] = {{1, 1, 1.4f}, {2, 0.12f, 0.5f}, {5.4f, 0.22f, 0.18f}, {8.93f, 0.07f, 0.08f}};
const Partial kCelesta[] = {{1, 1, 1.8f}, {2, 0.3f, 0.7f}, {3, 0.08f, 0.35f}, {4.16f, 0.05f, 0.2f}};
const Partial kBell[] = {{0.5f, 0.5f, 5}, {1, 1, 4}, {1.19f, 0.55f, 3},  {1.56f, 0.4f, 2.4f}, {2, 0.45f, 2},
                         {2.51f, 0.3f, 1.4f}, {2.66f, 0.22f, 1.1f}, {3.01f, 0.18f, 0.9f}, {4.1f, 0.1f, 0.5f}};
const Partial kVibes[] = {{1, 1, 2.6f}, {4, 0.22f, 0.35f}, {10, 0.05f, 0.1f}};
const Partial kFlute[] = {{1, 1, 0}, {2, 0.22f, 0}, {3, 0.09f, 0}, {4, 0.03f, 0}};
const Partial kReed[] = {{1, 0.45f, 0}, {2, 1, 0}, {3, 0.75f, 0}, {4, 0.45f, 0},
                         {5, 0.3f, 0},  {6, 0.18f, 0}, {7, 0.1f, 0}, {8, 0.06f, 0}};
const Partial kStrings[] = {{1, 1, 0},    {2, 0.5f, 0},  {3, 0.33f, 0}, {4, 0.25f, 0},
                            {5, 0.18f, 0}, {6, 0.12f, 0}, {7, 0.08f, 0}};
const Partial kOrgan[] = {{1, 1, 0}, {2, 0.55f, 0}, {3, 0.3f, 0}, {4, 0.22f, 0}, {6, 0.1f, 0}, {8, 0.07f, 0}};

const Additive kAdditive[] = {
    {kMusicBox, 4, 0.002f, 0.05f, 0, 0, 1},
    {kCelesta, 4, 0.003f, 0.08f, 0, 0, 1},
    {kBell, 9, 0.002f, 0.2f, 0, 0, 1},
    {kVibes, 3, 0.004f, 0.1f, 0, 0, 1},
    {kFlute, 4, 0.07f, 0.15f, 0.006f, 0.04f, 1},
    {kReed, 8, 0.04f, 0.1f, 0.004f, 0.01f, 1},
    {kStrings, 7, 0.45f, 0.6f, 0.004f, 0, 2},
    {kStrings, 7, 0.5f, 0.7f, 0.003f, 0, 2},  // Choir: levels reshaped by formants
    {kOrgan, 6, 0.04f, 0.12f, 0, 0, 1},
};

float envelope(float t, float attack, float hold, float release) {
    if (t < 0) return 0;
    float e = t < attack ? t / attack : 1.0f;
    if (t > hold) e *= std::max(0.0f, 1.0f - (t - hold) / release);
    return e;
}

// The "oo" of a distant choir: partials near 400 and 900 Hz sound strongest.
float choirLevel(float hz) {
    const float a = (hz - 400) / 260, b = (hz - 900) / 320;
    return std::exp(-a * a) + 0.45f * std::exp(-b * b) + 0.04f;
}

std::vector<float> additive(MusicMix::Instrument which, float seconds, float freq, int rate, uint32_t seed) {
    const Additive& a = kAdditive[which];
    float ring = 0;
    for (int k = 0; k < a.count; ++k) ring = std::max(ring, a.partials[k].decay);
    const bool struck = a.partials[0].decay > 0;
    const float hold = struck ? 0.0f : seconds;
    const float length = struck ? std::max(seconds, ring * 1.2f) : seconds + a.release;
    std::vector<float> out(size_t(length * float(rate)) + 1, 0.0f);
    float total = 0;  // every instrument about as loud, whatever its partials
    for (int k = 0; k < a.count; ++k) total += a.partials[k].level;
    Noise rng(seed);
    const float vibratoRate = 4.8f + rng.next() * 1.2f;
    for (int copy = 0; copy < a.copies; ++copy) {
        const float detune = a.copies > 1 ? (copy == 0 ? -0.0025f : 0.0025f) : 0.0f;
        for (int k = 0; k < a.count; ++k) {
            const Partial& p = a.partials[k];
            const float hz = freq * p.ratio * (1 + detune);
            if (hz > float(rate) * 0.45f) continue;
            float level = p.level * 1.5f / (total * float(a.copies));
            if (which == MusicMix::Choir) level = choirLevel(hz) * 0.6f / float(a.copies);
            double phase = rng.next();
            for (size_t i = 0; i < out.size(); ++i) {
                const float t = float(i) / float(rate);
                float f = hz;
                if (a.vibrato > 0) f *= 1 + a.vibrato * std::min(1.0f, t * 2.5f) * std::sin(kTwoPi * vibratoRate * t);
                phase += double(f) / double(rate);
                float e = level;
                if (p.decay > 0) e *= std::exp(-3.0f * t / p.decay);
                out[i] += float(std::sin(kTwoPi * (phase - std::floor(phase)))) * e;
            }
        }
    }
    float breath = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = float(i) / float(rate);
        if (a.breath > 0) {
            breath += (rng.next() * 2 - 1 - breath) * 0.15f;
            out[i] += breath * a.breath * 3;
        }
        out[i] *= struck ? envelope(t, a.attack, length - 0.05f, 0.05f) : envelope(t, a.attack, hold, a.release);
    }
    return out;
}

// Karplus-Strong: a noise burst circulating in a delay line one period long,
// softened on every pass; `damping` < 1 shortens the ring, `bright` keeps
// more of the high partials.
std::vector<float> pluck(float seconds, float freq, float damping, float bright, int rate, uint32_t seed) {
    std::vector<float> out(size_t(seconds * float(rate)) + 1, 0.0f);
    // The loss filter delays by half a sample where it averages; the line
    // is one sample longer than the whole part and read between two taps.
    const float period = float(rate) / freq - 0.5f * (1 - bright);
    const size_t n = size_t(std::max(2.0f, std::floor(period)));
    const float frac = 1 - (period - float(n));
    std::vector<float> line(n + 1);
    Noise rng(seed);
    float smooth = 0;
    for (float& s : line) {
        smooth += (rng.next() * 2 - 1 - smooth) * (0.3f + 0.7f * bright);
        s = smooth;
    }
    size_t pos = 0;
    float last = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const float a = line[pos], b = line[(pos + 1) % line.size()];
        const float delayed = a + (b - a) * frac;
        const float y = damping * (bright * delayed + (1 - bright) * 0.5f * (delayed + last));
        last = delayed;
        out[i] = a;
        line[pos] = y;
        pos = (pos + 1) % line.size();
    }
    for (size_t i = 0; i < out.size(); ++i) {  // no click at the pluck or the cut-off
        const float left = float(out.size() - i) / (0.05f * float(rate));
        if (left < 1) out[i] *= left;
        const float into = float(i) / (0.0015f * float(rate));
        if (into < 1) out[i] *= into;
    }
    return out;
}

std::vector<float> drum(float freq, int rate, uint32_t seed) {
    std::vector<float> out(size_t(0.6f * float(rate)), 0.0f);
    Noise rng(seed);
    double phase = 0;
    float hiss = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = float(i) / float(rate);
        const float f = freq * (1 + 0.6f * std::exp(-t * 30));
        phase += double(f) / double(rate);
        hiss += (rng.next() * 2 - 1 - hiss) * 0.3f;
        out[i] = float(std::sin(kTwoPi * phase)) * std::exp(-t * 7) + hiss * 0.5f * std::exp(-t * 60);
        out[i] *= std::min(1.0f, t / 0.002f) * std::min(1.0f, (0.6f - t) / 0.05f);
    }
    return out;
}

}  // namespace

MusicMix::MusicMix(float seconds, int rate)
    : left(seconds, rate, true), right(seconds, rate, true), sampleRate(rate) {}

void MusicMix::mixIn(const std::vector<float>& voice, long first, float pan) {
    const long n = long(left.samples.size());
    const float angle = (std::max(-1.0f, std::min(1.0f, pan)) + 1) * 0.25f * 3.14159265f;
    const float gl = std::cos(angle) * 1.41421f, gr = std::sin(angle) * 1.41421f;
    for (size_t i = 0; i < voice.size(); ++i) {
        const size_t at = size_t((((first + long(i)) % n) + n) % n);
        left.samples[at] += voice[i] * gl;
        right.samples[at] += voice[i] * gr;
    }
}

void MusicMix::note(Instrument instrument, float start, float seconds, float freq, float amp, float pan,
                    uint32_t seed) {
    std::vector<float> voice;
    switch (instrument) {
        case Harp: voice = pluck(std::max(seconds, 2.5f), freq, 0.998f, 0.15f, sampleRate, seed); break;
        case Pizzicato: voice = pluck(std::max(seconds, 0.6f), freq, 0.985f, 0.05f, sampleRate, seed); break;
        case Harpsichord: {
            voice = pluck(std::max(seconds, 1.6f), freq, 0.996f, 0.6f, sampleRate, seed);
            const std::vector<float> octave = pluck(voice.size() / float(sampleRate), freq * 2.003f, 0.994f, 0.5f,
                                                    sampleRate, seed + 1);
            for (size_t i = 0; i < voice.size() && i < octave.size(); ++i) voice[i] = voice[i] * 0.7f + octave[i] * 0.35f;
            break;
        }
        case Drum: voice = drum(freq, sampleRate, seed); break;
        default: voice = additive(instrument, seconds, freq, sampleRate, seed); break;
    }
    if (instrument == Vibes)  // the vibraphone's turning fans
        for (size_t i = 0; i < voice.size(); ++i)
            voice[i] *= 0.8f + 0.2f * std::sin(kTwoPi * 5.0f * float(i) / float(sampleRate));
    for (float& s : voice) s *= amp;
    mixIn(voice, long(start * float(sampleRate)), pan);
}

void MusicMix::wind(float amp, int swells, uint32_t seed) {
    for (int channel = 0; channel < 2; ++channel) {
        SoundBuffer& b = channel ? right : left;
        // Noise runs on for a second past the end; that second is faded in
        // over the start, so the loop's end flows into its beginning.
        const size_t n = b.samples.size(), overlap = size_t(sampleRate);
        SoundBuffer gust(float(n + overlap) / float(sampleRate), sampleRate);
        gust.noise(0, gust.seconds(), amp, 0, 0, 0.015f, seed + uint32_t(channel));
        gust.noise(0, gust.seconds(), amp * 0.3f, 0, 0, 0.08f, seed + 10 + uint32_t(channel));
        for (size_t i = 0; i < n; ++i) {
            float g = gust.samples[i];
            if (i < overlap && n + i < gust.samples.size()) {
                const float w = float(i) / float(overlap);
                g = g * w + gust.samples[n + i] * (1 - w);
            }
            const float x = float(i) / float(n);
            const float swell = 0.55f + 0.45f * std::sin(kTwoPi * (x * float(swells) + 0.3f * float(channel)));
            b.samples[i] += g * swell;
        }
    }
}

void MusicMix::reverb(float mix, float size) {
    const float combs[4] = {0.0297f, 0.0371f, 0.0411f, 0.0437f};
    const float allpasses[2] = {0.005f, 0.0017f};
    for (int channel = 0; channel < 2; ++channel) {
        std::vector<float>& s = channel ? right.samples : left.samples;
        const size_t n = s.size();
        std::vector<float> wet(n, 0.0f);
        for (int c = 0; c < 4; ++c) {
            const size_t d = size_t((combs[c] * size + 0.0023f * float(channel)) * float(sampleRate));
            std::vector<float> line(d, 0.0f);
            float damp = 0;
            size_t pos = 0;
            for (int pass = 0; pass < 2; ++pass)
                for (size_t i = 0; i < n; ++i) {
                    const float out = line[pos];
                    damp += (out - damp) * 0.45f;
                    line[pos] = s[i] + damp * 0.84f;
                    pos = (pos + 1) % d;
                    if (pass == 1) wet[i] += out * 0.25f;
                }
        }
        for (float delay : allpasses) {
            const size_t d = size_t(delay * float(sampleRate));
            std::vector<float> line(d, 0.0f);
            std::vector<float> out(n);
            size_t pos = 0;
            for (int pass = 0; pass < 2; ++pass)
                for (size_t i = 0; i < n; ++i) {
                    const float buffered = line[pos];
                    const float y = buffered - 0.5f * wet[i];
                    line[pos] = wet[i] + 0.5f * buffered;
                    pos = (pos + 1) % d;
                    if (pass == 1) out[i] = y;
                }
            wet = out;
        }
        for (size_t i = 0; i < n; ++i) s[i] = s[i] * (1 - mix * 0.5f) + wet[i] * mix;
    }
}

void MusicMix::normalize(float peak) {
    float m = 0;
    for (float s : left.samples) m = std::max(m, std::fabs(s));
    for (float s : right.samples) m = std::max(m, std::fabs(s));
    if (m < 1e-6f) return;
    for (float& s : left.samples) s *= peak / m;
    for (float& s : right.samples) s *= peak / m;
}

std::vector<float> MusicMix::interleaved() const {
    std::vector<float> out(left.samples.size() * 2);
    for (size_t i = 0; i < left.samples.size(); ++i) {
        out[2 * i] = left.samples[i];
        out[2 * i + 1] = right.samples[i];
    }
    return out;
}
