// The 12 music tracks: seamless minor-key night loops synthesised into a
// wrapping buffer (every note that runs past the end continues at the
// start), encoded as OGG Vorbis.
#include <cmath>

#include "content/AudioEncoders.h"
#include "content/Catalog.h"
#include "content/Noise.h"
#include "content/SoundBuffer.h"

namespace {

const int kRate = 22050;

struct Style {
    int number;
    float root;      // Hz of the tonic
    float seconds;   // loop length
    float pad;       // drone level
    float bells;     // melody level (0 none)
    int notes;       // melody notes in the loop
    float pulse;     // low heartbeat level
    float air;       // wind noise level
};

// Near-silence for 1, an intro theme for 93, night ambience elsewhere.
const Style kStyles[] = {
    {1, 55.0f, 24, 0.05f, 0.0f, 0, 0.0f, 0.04f},
    {83, 98.0f, 32, 0.5f, 0.25f, 10, 0.2f, 0.2f},
    {93, 110.0f, 32, 0.6f, 0.5f, 24, 0.0f, 0.1f},
    {94, 82.41f, 32, 0.55f, 0.35f, 14, 0.15f, 0.3f},
    {95, 73.42f, 32, 0.6f, 0.3f, 12, 0.3f, 0.15f},
    {96, 110.0f, 32, 0.6f, 0.55f, 20, 0.0f, 0.15f},
    {154, 87.31f, 32, 0.5f, 0.3f, 12, 0.0f, 0.35f},
    {155, 65.41f, 32, 0.5f, 0.25f, 10, 0.0f, 0.25f},
    {272, 92.5f, 24, 0.7f, 0.5f, 32, 0.45f, 0.2f},
    {273, 77.78f, 32, 0.5f, 0.3f, 10, 0.1f, 0.1f},
    {274, 103.8f, 32, 0.5f, 0.35f, 14, 0.1f, 0.1f},
    {345, 130.8f, 32, 0.45f, 0.3f, 10, 0.0f, 0.2f},
};

void renderChannel(SoundBuffer& b, const Style& s, uint32_t seed, float detune) {
    const float minor[] = {1.0f, 1.1225f, 1.1892f, 1.3348f, 1.4983f, 1.5874f, 1.7818f, 2.0f};
    // Drone: tonic and fifth, slowly swelling; whole cycles per loop.
    for (int k = 0; k < 3; ++k) {
        float f = s.root * (k == 1 ? 1.4983f : float(1 << (k / 2))) * (1 + detune * (k + 1));
        f = std::round(f * s.seconds) / s.seconds;  // whole cycles per loop
        b.tone(0, s.seconds, f, s.pad * (k == 0 ? 0.5f : 0.3f), 0, 0, SoundBuffer::Triangle);
    }
    Noise rng(seed);
    for (int i = 0; i < s.notes; ++i) {
        const float t = s.seconds * float(i) / float(s.notes) + rng.next() * 0.2f;
        const float f = s.root * 4 * minor[int(rng.next() * 7.99f)] * (rng.next() < 0.3f ? 0.5f : 1.0f);
        b.tone(t, 3.0f, f * (1 + detune), s.bells * (0.6f + 0.4f * rng.next()), 0.01f, 2.0f);
        b.tone(t, 2.0f, f * 2.01f, s.bells * 0.2f, 0.005f, 1.0f);
    }
    if (s.pulse > 0)
        for (float t = 0; t < s.seconds - 0.01f; t += 1.0f) {
            b.tone(t, 0.3f, s.root * 0.5f, s.pulse, 0.005f, 0.12f);
            b.tone(t + 0.25f, 0.3f, s.root * 0.5f, s.pulse * 0.6f, 0.005f, 0.12f);
        }
    if (s.air > 0) {
        SoundBuffer wind(s.seconds, kRate, true);
        wind.noise(0, s.seconds, s.air, 0, 0, 0.02f, seed + 7);
        for (size_t i = 0; i < wind.samples.size(); ++i) {
            const float t = float(i) / kRate;
            const float swell = 0.6f + 0.4f * std::sin(6.2832f * t * 4 / s.seconds);
            b.samples[i] += wind.samples[i] * swell;
        }
    }
}

}  // namespace

std::vector<uint8_t> makeMusicResource(int n) {
    for (const Style& s : kStyles) {
        if (s.number != n) continue;
        SoundBuffer left(s.seconds, kRate, true), right(s.seconds, kRate, true);
        renderChannel(left, s, uint32_t(n), 0.0f);
        renderChannel(right, s, uint32_t(n), 0.003f);
        left.echo(0.37f, 0.35f, 4);
        right.echo(0.41f, 0.35f, 4);
        const float peak = n == 1 ? 0.05f : 0.5f;
        left.normalize(peak);
        right.normalize(peak);
        std::vector<float> stereo(left.samples.size() * 2);
        for (size_t i = 0; i < left.samples.size(); ++i) {
            stereo[2 * i] = left.samples[i];
            stereo[2 * i + 1] = right.samples[i];
        }
        return encodeOgg(stereo, 2, kRate, 0.2f);
    }
    return {};
}
