// Synthesised sound: seamless loops for the music, and the WAV layout the
// mixer reads.
#include <gtest/gtest.h>

#include <cmath>

#include "content/AudioEncoders.h"
#include "content/MusicMix.h"
#include "content/SoundBuffer.h"

TEST(SoundBuffer, AWrappingBufferLoopsWithoutAJumpOrADip) {
    // 2 s at 8000 Hz, a 110 Hz drone (220 whole cycles) and a note that runs
    // past the end and continues at the start.
    SoundBuffer b(2.0f, 8000, true);
    b.tone(0, 2.0f, 110, 0.5f, 0, 0);
    b.tone(1.8f, 0.6f, 440, 0.3f, 0.01f, 0.5f);
    const size_t n = b.samples.size();
    float largestStep = 0;
    for (size_t i = 1; i < n; ++i) largestStep = std::max(largestStep, std::fabs(b.samples[i] - b.samples[i - 1]));
    // Across the seam the wave moves no more than anywhere else.
    EXPECT_LE(std::fabs(b.samples[0] - b.samples[n - 1]), largestStep * 1.05f);
    // The drone does not fade out before the seam.
    float tailPeak = 0;
    for (size_t i = n - 20; i < n; ++i) tailPeak = std::max(tailPeak, std::fabs(b.samples[i]));
    EXPECT_GT(tailPeak, 0.4f);
    // The wrapped note is heard at the start of the loop.
    float headPeak = 0;
    for (size_t i = 0; i < 800; ++i) headPeak = std::max(headPeak, std::fabs(b.samples[i]));
    EXPECT_GT(headPeak, 0.55f);
}

// The first sample of the loop follows on from the last as a neighbour
// does: the step across the seam is an ordinary one.
void expectSeamless(const std::vector<float>& s) {
    const size_t n = s.size();
    float meanStep = 0;
    for (size_t i = 1; i < n; ++i) meanStep += std::fabs(s[i] - s[i - 1]);
    meanStep /= float(n - 1);
    EXPECT_LT(std::fabs(s[0] - s[n - 1]), meanStep * 3.0f);
}

TEST(MusicMix, NotesWindAndReverbCrossTheSeamWithoutAClick) {
    // The wind alone: its noise must join up with itself (an unjoined
    // seam steps about four times as far as the noise does on average).
    MusicMix wind(3.0f, 8000);
    wind.wind(0.05f, 2, 4);
    expectSeamless(wind.left.samples);
    expectSeamless(wind.right.samples);
    // A plucked note and a held string note that both run past the end and a
    // bell, through the reverb: each carries on across the seam.
    MusicMix mix(3.0f, 8000);
    mix.note(MusicMix::Harp, 2.6f, 1.0f, 220, 0.5f, -0.5f, 1);
    mix.note(MusicMix::Strings, 2.0f, 1.5f, 147, 0.3f, 0.5f, 2);
    mix.note(MusicMix::Bell, 0.5f, 0, 330, 0.3f, 0, 3);
    mix.reverb(0.5f, 1.0f);
    for (const SoundBuffer* channel : {&mix.left, &mix.right}) {
        // Tones move fast; across the seam no more than anywhere else.
        const std::vector<float>& s = channel->samples;
        float largestStep = 0;
        for (size_t i = 1; i < s.size(); ++i) largestStep = std::max(largestStep, std::fabs(s[i] - s[i - 1]));
        EXPECT_LE(std::fabs(s[0] - s[s.size() - 1]), largestStep * 1.05f);
        // The notes started near the end are heard at the start.
        float head = 0;
        for (size_t i = 0; i < 800; ++i) head = std::max(head, std::fabs(channel->samples[i]));
        EXPECT_GT(head, 0.05f);
    }
}

TEST(SoundBuffer, EffectsEndSilentAndNormaliseToTheirPeak) {
    SoundBuffer b(0.5f, 8000);
    b.knock(0.0f, 1.0f, 180, 1);
    b.tone(0.45f, 0.2f, 300, 1.0f, 0, 0);  // runs past the end: cut, not wrapped
    b.normalize(0.8f);
    b.fadeOut(0.01f);
    float peak = 0;
    for (float s : b.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_NEAR(peak, 0.8f, 0.01f);
    EXPECT_NEAR(b.samples.back(), 0.0f, 1e-6f);
    SoundBuffer silent(0.1f, 8000);
    silent.normalize(0.8f);  // silence stays silence
    for (float s : silent.samples) EXPECT_EQ(s, 0.0f);
}

TEST(WavEncoder, WritesA16BitPcmHeaderAndClipsSamples) {
    const std::vector<uint8_t> w = encodeWav({0.0f, 0.5f, 2.0f, -2.0f}, 1, 22050);
    ASSERT_EQ(w.size(), 44u + 8u);
    EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(w[22], 1);   // channels
    EXPECT_EQ(w[34], 16);  // bits
    EXPECT_EQ(w[24] | w[25] << 8 | w[26] << 16, 22050);
    auto sample = [&](int i) { return int16_t(w[44 + 2 * i] | w[45 + 2 * i] << 8); };
    EXPECT_EQ(sample(1), 16384);
    EXPECT_EQ(sample(2), 32767);
    EXPECT_EQ(sample(3), -32767);
}

TEST(OggEncoder, TheSameSamplesGiveTheSameBytes) {
    std::vector<float> s(22050 * 2);
    for (size_t i = 0; i < s.size(); ++i) s[i] = 0.3f * std::sin(float(i) * 0.05f);
    const std::vector<uint8_t> a = encodeOgg(s, 2, 22050, 0.2f), b = encodeOgg(s, 2, 22050, 0.2f);
    ASSERT_GT(a.size(), 100u);
    EXPECT_EQ(std::string(a.begin(), a.begin() + 4), "OggS");
    EXPECT_TRUE(a == b);
}
