// The game's sound effects by number, synthesised: knocks, steps, clicks,
// creature voices, splashes, creaks. 22050 Hz mono 16-bit WAV.
#include "catalog/ResourceCatalog.h"
#include "content/AudioEncoders.h"
#include "content/Catalog.h"
#include "content/SoundBuffer.h"

namespace {

const int kRate = 22050;

std::vector<uint8_t> finish(SoundBuffer& b, float peak = 0.9f) {
    b.normalize(peak);
    b.fadeOut(0.01f);
    return encodeWav(b.samples, 1, kRate);
}

std::vector<uint8_t> voice(float seconds, float pitch, float rate, float breath, uint32_t seed,
                           float peak = 0.8f) {
    SoundBuffer b(seconds + 0.2f, kRate);
    b.voice(0.05f, seconds, pitch, 1.0f, rate, breath, seed);
    return finish(b, peak);
}

std::vector<uint8_t> footstep(int group, int variant) {
    SoundBuffer b(0.35f, kRate);
    const uint32_t seed = uint32_t(1000 * group + variant);
    const float v = variant * 0.07f;
    switch (group) {
        case 1:  // earth and gravel: a dull thud and a crunch
            b.tone(0, 0.12f, 70 + variant * 6.0f, 0.8f, 0.002f, 0.05f);
            b.noise(0.005f, 0.15f, 0.5f, 0.003f, 0.06f + v * 0.2f, 0.25f + v, seed);
            break;
        case 2:  // wooden boards: a knock with a short creak
            b.knock(0, 0.8f, 140 + variant * 12.0f, seed);
            if (variant % 2) b.tone(0.03f, 0.12f, 420 + variant * 30.0f, 0.12f, 0.02f, 0.1f, SoundBuffer::Saw, 380);
            break;
        case 3:  // wading: a splash
            b.noise(0, 0.3f, 0.8f, 0.01f, 0.2f, 0.6f - v, seed);
            b.tone(0.02f, 0.1f, 500 + variant * 80.0f, 0.15f, 0.005f, 0.05f, SoundBuffer::Sine, 900);
            break;
        default:  // wet stone: a sharp slap
            b.noise(0, 0.08f, 0.7f, 0.001f, 0.03f, 0.8f, seed);
            b.tone(0, 0.08f, 180 + variant * 20.0f, 0.4f, 0.001f, 0.03f);
            break;
    }
    b.lowpass(group == 3 ? 0.5f : 0.7f);
    return finish(b, 0.8f);
}

}  // namespace

std::vector<uint8_t> makeSoundResource(int n) {
    if (n >= 280 && n <= 285) return footstep(1, n - 280);
    if (n >= 286 && n <= 291) return footstep(3, n - 286);
    if (n >= 292 && n <= 295) return footstep(4, n - 292);
    if (n >= 296 && n <= 301) return footstep(2, n - 296);
    SoundBuffer b(1.0f, kRate);
    switch (n) {
        case sound::kKnockKnock:  // knock knock
            b.knock(0.02f, 1, 180, 4);
            b.knock(0.2f, 0.9f, 175, 5);
            return finish(b);
        case sound::kChairRattle:  // chair rattle
            for (int i = 0; i < 5; ++i) b.knock(0.02f + i * 0.06f, 0.8f - i * 0.12f, 220 + i * 15.0f, uint32_t(50 + i));
            return finish(b);
        case sound::kMenuMove: {
            SoundBuffer t(0.06f, kRate);
            t.tone(0, 0.05f, 1800, 1, 0.001f, 0.02f);
            return finish(t, 0.6f);
        }
        case sound::kMenuRise: {
            SoundBuffer t(0.09f, kRate);
            t.tone(0, 0.04f, 1400, 1, 0.001f, 0.02f);
            t.tone(0.04f, 0.04f, 2100, 1, 0.001f, 0.02f);
            return finish(t, 0.6f);
        }
        case sound::kConfirm: {
            SoundBuffer t(0.3f, kRate);
            t.tone(0, 0.25f, 660, 1, 0.002f, 0.12f, SoundBuffer::Triangle);
            t.tone(0.05f, 0.22f, 990, 0.6f, 0.002f, 0.1f, SoundBuffer::Sine);
            return finish(t, 0.7f);
        }
        case sound::kSlideClunkSnap:  // slide, clunk, snap
            b.noise(0, 0.25f, 0.4f, 0.02f, 0, 0.3f, 41);
            b.knock(0.28f, 1, 120, 42);
            b.knock(0.6f, 0.8f, 300, 43);
            return finish(b);
        case sound::kTrickShimmerLong: case sound::kTrickShimmer: {  // the trick: rising shimmer
            SoundBuffer t(n == 42 ? 6.0f : 4.0f, kRate);
            for (int i = 0; i < 6; ++i)
                t.tone(i * 0.5f, t.seconds() - i * 0.5f, 220.0f * (1 + i * 0.5f), 0.3f, 1.0f, 0, SoundBuffer::Sine,
                       440.0f * (1 + i * 0.5f), 0.01f);
            t.noise(0, t.seconds(), 0.1f, 1.5f, 0, 0.05f, uint32_t(n));
            t.echo(0.23f, 0.4f, 3);
            t.fadeOut(1.0f);
            return finish(t, 0.7f);
        }
        case sound::kDoorCreak: case sound::kKnockAndCreak: case sound::kGateCreak: {  // doors creaking open
            const float len = n == 342 ? 4.0f : 1.4f;
            SoundBuffer t(len + 0.5f, kRate);
            if (n == 276) { t.knock(0, 1, 150, 276); t.knock(0.2f, 1, 150, 277); }
            const float s = n == 276 ? 0.45f : 0.05f;
            t.tone(s, len, n == 342 ? 90 : 260, 0.5f, 0.1f, 0, SoundBuffer::Saw, n == 342 ? 60 : 180, 0.04f);
            t.noise(s, len, 0.15f, 0.1f, 0, 0.2f, uint32_t(n));
            t.lowpass(0.4f);
            return finish(t, 0.8f);
        }
        case sound::kThud: b.knock(0, 1, 90, 45); b.noise(0, 0.1f, 0.3f, 0.001f, 0.05f, 0.4f, 46); return finish(b);
        case sound::kCoinIntoMachine: {  // a coin dropped into the machine: clink, rattle down inside, thunk
            b.tone(0.02f, 0.18f, 2900, 0.6f, 0.001f, 0.08f);
            for (int i = 0; i < 5; ++i)
                b.tone(0.12f + i * 0.055f, 0.1f, 1700 - i * 160.0f, 0.35f - i * 0.05f, 0.001f, 0.05f);
            b.noise(0.1f, 0.3f, 0.25f, 0.01f, 0.2f, 0.5f, 324);
            b.knock(0.42f, 0.8f, 140, 325);
            return finish(b, 0.7f);
        }
        case sound::kCoins: case sound::kCoinsCounted: {  // coins
            const int clinks = n == 312 ? 6 : 2;
            for (int i = 0; i < clinks; ++i)
                b.tone(0.02f + i * 0.09f, 0.25f, 2600 + i * 170.0f, 0.7f, 0.001f, 0.1f);
            return finish(b, 0.7f);
        }
        case sound::kLogoJingle: {  // the logo jingle: four strokes of a small bell, the last left to ring
            SoundBuffer t(2.6f, kRate);
            const float notes[] = {659.25f, 523.25f, 587.33f, 392.0f};
            // A bell's partials lie off the harmonic series: the hum an octave
            // down, the strike tone, a minor third, a fifth and the bright
            // upper partials, each dying away faster than the one below it.
            const float ratios[] = {0.5f, 1.0f, 1.183f, 1.506f, 2.0f, 2.514f, 2.662f};
            const float levels[] = {0.35f, 0.5f, 0.3f, 0.22f, 0.25f, 0.12f, 0.1f};
            const float decays[] = {2.4f, 1.8f, 1.2f, 0.9f, 0.7f, 0.45f, 0.35f};
            for (int i = 0; i < 4; ++i) {
                const float start = i * 0.32f;
                const float length = i == 3 ? 1.6f : 1.4f;
                for (int k = 0; k < 7; ++k)
                    t.tone(start, length, notes[i] * ratios[k], levels[k], 0.002f, decays[k] * (i == 3 ? 1.3f : 1.0f));
                t.noise(start, 0.03f, 0.15f, 0.0005f, 0.02f, 0.9f, uint32_t(66 + i));  // the clapper's strike
            }
            t.echo(0.21f, 0.25f, 3);
            t.fadeOut(0.5f);
            return finish(t, 0.7f);
        }
        case sound::kMatchStrike: case sound::kFlame:  // match strike / flame
            b.noise(0, 0.15f, 1, 0.002f, 0.08f, 0.9f, uint32_t(n));
            b.noise(0.1f, 0.7f, 0.4f, 0.1f, 0, 0.1f, uint32_t(n + 1));
            return finish(b, 0.7f);
        case sound::kPause: {
            SoundBuffer t(0.3f, kRate);
            t.tone(0, 0.25f, 520, 1, 0.005f, 0.1f, SoundBuffer::Triangle, 390);
            return finish(t, 0.6f);
        }
        case sound::kGive: {
            SoundBuffer t(0.35f, kRate);
            t.tone(0, 0.3f, 700, 1, 0.003f, 0.12f, SoundBuffer::Sine, 1200);
            t.noise(0, 0.08f, 0.2f, 0.001f, 0.04f, 0.5f, 278);
            return finish(t, 0.7f);
        }
        case sound::kBlip: {
            SoundBuffer t(0.15f, kRate);
            t.tone(0, 0.12f, 900, 1, 0.003f, 0.05f, SoundBuffer::Sine, 600);
            return finish(t, 0.5f);
        }
        case sound::kBirdsWake:  // stone birds wake: scrape, flutter, caw
            b = SoundBuffer(2.0f, kRate);
            b.noise(0, 0.6f, 0.6f, 0.05f, 0.4f, 0.15f, 302);
            for (int i = 0; i < 10; ++i) b.noise(0.6f + i * 0.06f, 0.04f, 0.4f, 0.002f, 0.02f, 0.6f, uint32_t(303 + i));
            b.voice(1.3f, 0.5f, 600, 1, 3, 0.5f, 302);
            return finish(b);
        case sound::kSweeping:  // sweeping
            b.noise(0, 0.8f, 1, 0.1f, 0.5f, 0.7f, 303);
            return finish(b, 0.6f);
        case sound::kRustle: b.noise(0, 0.3f, 1, 0.02f, 0.15f, 0.15f, 304); return finish(b, 0.6f);
        case sound::kClink: b.knock(0, 0.6f, 500, 305); b.tone(0.01f, 0.4f, 3200, 0.3f, 0.001f, 0.2f); return finish(b);
        case sound::kChompAndGulp:  // chomp and gulp
            b.knock(0, 1, 110, 306);
            b.knock(0.18f, 0.8f, 100, 307);
            b.tone(0.45f, 0.25f, 300, 0.6f, 0.02f, 0.1f, SoundBuffer::Sine, 120);
            return finish(b);
        case sound::kDullKnock: b.knock(0, 1, 130, 307); b.noise(0, 0.2f, 0.4f, 0.002f, 0.1f, 0.3f, 308); return finish(b);
        case sound::kPaintingSwings: {  // painting swings aside: rumble and creak
            SoundBuffer t(3.0f, kRate);
            t.noise(0, 2.8f, 0.6f, 0.3f, 0, 0.03f, 308);
            t.tone(0.2f, 2.5f, 200, 0.3f, 0.2f, 0, SoundBuffer::Saw, 140, 0.03f);
            t.lowpass(0.3f);
            return finish(t, 0.8f);
        }
        case sound::kKnifeCut: case sound::kKnifeCutDeep:  // knife into a pumpkin
            b.noise(0, 0.35f, 1, 0.01f, 0.2f, n == 309 ? 0.3f : 0.4f, uint32_t(n));
            b.knock(0.3f, 0.5f, 160, uint32_t(n + 1));
            return finish(b, 0.7f);
        case sound::kDelightedGasp: {  // delighted gasp with a soft sparkle
            SoundBuffer t(1.5f, kRate);
            t.voice(0, 0.5f, 420, 0.6f, 2, 0.7f, 313);
            for (int i = 0; i < 5; ++i) t.tone(0.3f + i * 0.1f, 0.8f, 1200 + i * 300.0f, 0.2f, 0.005f, 0.5f);
            return finish(t, 0.7f);
        }
        case sound::kKeyTurns:  // key turns, lock clicks
            b.noise(0, 0.25f, 0.3f, 0.01f, 0, 0.6f, 314);
            b.knock(0.3f, 1, 600, 315);
            b.knock(0.45f, 0.8f, 250, 316);
            return finish(b);
        case sound::kRopeCreak: case sound::kRopeRub: {  // rope: creaks and rubs
            SoundBuffer t(1.2f, kRate);
            for (int i = 0; i < 3; ++i) t.tone(0.1f + i * 0.35f, 0.25f, 300 + i * 40.0f, 0.4f, 0.03f, 0.15f, SoundBuffer::Saw, 250);
            t.noise(0, 1.1f, 0.3f, 0.05f, 0, 0.2f, uint32_t(n));
            t.lowpass(0.35f);
            return finish(t, 0.7f);
        }
        case sound::kScarecrowWhisper: return voice(1.2f, 160, 7, 0.8f, 317);           // scarecrow: dry whisper
        case sound::kCrystalBallVoice: {                                                // crystal ball chime voice
            SoundBuffer t(2.0f, kRate);
            t.voice(0, 1.6f, 320, 0.5f, 3, 0.3f, 318);
            t.tone(0, 1.8f, 1760, 0.2f, 0.01f, 1.2f);
            t.echo(0.2f, 0.4f, 3);
            return finish(t, 0.7f);
        }
        case sound::kTwoBarks: {  // two barks
            SoundBuffer t(0.9f, kRate);
            t.voice(0.0f, 0.18f, 300, 1, 5, 0.4f, 319);
            t.voice(0.35f, 0.2f, 280, 1, 5, 0.4f, 320);
            return finish(t, 0.9f);
        }
        case sound::kMeow: {  // meow
            SoundBuffer t(0.9f, kRate);
            t.tone(0, 0.7f, 600, 0.8f, 0.05f, 0, SoundBuffer::Saw, 450, 0.02f);
            t.lowpass(0.3f);
            return finish(t, 0.7f);
        }
        case sound::kPurr: {  // purr
            SoundBuffer t(1.5f, kRate);
            for (int i = 0; i < 30; ++i) t.noise(i * 0.045f, 0.03f, 0.8f, 0.005f, 0.02f, 0.05f, uint32_t(321 + i));
            t.lowpass(0.2f);
            return finish(t, 0.6f);
        }
        case sound::kShadowGiggle: return voice(1.5f, 700, 8, 0.6f, 322);            // shadow giggle
        case sound::kDogChewing: {                                                // dog chewing
            SoundBuffer t(3.0f, kRate);
            for (int i = 0; i < 12; ++i) t.knock(0.1f + i * 0.22f, 0.7f, 120 + (i % 3) * 20.0f, uint32_t(323 + i));
            t.voice(2.7f, 0.25f, 200, 0.5f, 3, 0.5f, 323);
            return finish(t, 0.8f);
        }
        case sound::kLanternLaugh: return voice(2.0f, 110, 5, 0.3f, 325, 0.9f);     // the lantern's laugh
        case sound::kFarSplash: {                                                // far splash down the well
            SoundBuffer t(2.0f, kRate);
            t.noise(0.5f, 0.4f, 1, 0.01f, 0.3f, 0.4f, 326);
            t.lowpass(0.25f);
            t.echo(0.17f, 0.5f, 5);
            return finish(t, 0.7f);
        }
        case sound::kRelease: {  // release: a rising sigh of light
            SoundBuffer t(3.0f, kRate);
            for (int i = 0; i < 4; ++i) t.tone(i * 0.3f, 2.5f, 330.0f * (i + 1), 0.3f, 0.5f, 0, SoundBuffer::Sine, 440.0f * (i + 1));
            t.echo(0.25f, 0.4f, 3);
            t.fadeOut(0.8f);
            return finish(t, 0.7f);
        }
        case sound::kSkeletonVoice: return voice(1.4f, 140, 6, 0.5f, 328);   // skeleton rattle
        case sound::kLeaderVoice: return voice(1.2f, 85, 3.5f, 0.2f, 329); // gruff leader
        case sound::kLeftBirdVoice: return voice(1.0f, 250, 4, 0.35f, 330);  // left bird
        case sound::kRightBirdVoice: return voice(1.0f, 190, 3, 0.35f, 331);  // right bird
        case sound::kFishPersonHum: {                                        // bubbly hum
            SoundBuffer t(1.6f, kRate);
            t.voice(0, 1.4f, 180, 0.7f, 3, 0.2f, 332);
            for (int i = 0; i < 8; ++i) t.tone(0.1f + i * 0.17f, 0.06f, 500 + i * 90.0f, 0.3f, 0.005f, 0.03f, SoundBuffer::Sine, 900 + i * 90.0f);
            return finish(t, 0.7f);
        }
        case sound::kOldPersonVoice: return voice(1.6f, 150, 2.5f, 0.6f, 333);  // frail old voice
        case sound::kSpiderChitter: return voice(0.9f, 900, 10, 0.5f, 334);    // spider chitter
        case sound::kBatSqueak: return voice(0.8f, 1200, 8, 0.3f, 335);    // bat squeak
        case sound::kPersonPassing: {                                          // the person's passing
            SoundBuffer t(4.0f, kRate);
            t.tone(0, 3.8f, 220, 0.4f, 0.5f, 0, SoundBuffer::Sine, 110);
            t.tone(0, 3.8f, 330, 0.3f, 0.8f, 0, SoundBuffer::Sine, 165);
            t.noise(0, 3.5f, 0.2f, 1.0f, 0, 0.02f, 336);
            t.echo(0.3f, 0.4f, 3);
            t.fadeOut(1.0f);
            return finish(t, 0.7f);
        }
        case sound::kMoniqueVoice: return voice(1.3f, 260, 4, 0.3f, 337);  // monique
        case sound::kWitchVoice: return voice(0.7f, 210, 4, 0.45f, 338); // witch
        case sound::kGoatPersonVoice: return voice(1.3f, 230, 5, 0.3f, 339);  // goat person (bleating vibrato)
        case sound::kGateVoice: return voice(1.5f, 60, 2, 0.3f, 341, 0.9f);  // deep gate voice
        case sound::kRumble: {                                            // rumble
            SoundBuffer t(4.0f, kRate);
            t.noise(0, 3.8f, 1, 0.5f, 0, 0.01f, 343);
            t.tone(0, 3.8f, 40, 0.6f, 0.5f, 0, SoundBuffer::Sine, 30);
            t.fadeOut(1.0f);
            return finish(t, 0.8f);
        }
        case sound::kOminousSting: {  // ominous sting
            SoundBuffer t(3.0f, kRate);
            t.tone(0, 2.8f, 110, 0.5f, 0.01f, 2.0f, SoundBuffer::Saw);
            t.tone(0, 2.8f, 116.5f, 0.5f, 0.01f, 2.0f, SoundBuffer::Saw);
            t.tone(0, 2.8f, 164.8f, 0.3f, 0.01f, 2.0f, SoundBuffer::Saw);
            t.lowpass(0.2f);
            t.echo(0.3f, 0.3f, 3);
            return finish(t, 0.8f);
        }
        case sound::kBladeDrawn:  // blade drawn
            b.noise(0, 0.4f, 0.6f, 0.05f, 0.2f, 0.9f, 347);
            b.tone(0, 0.5f, 2400, 0.3f, 0.05f, 0.3f, SoundBuffer::Sine, 3000);
            return finish(b, 0.7f);
        default: return {};
    }
}
