// The 12 music tracks: seamless loops written as music (a melody over a
// chord progression, a bass, sometimes drums, bells and wind) and played by
// the instruments of MusicMix into a wrapping stereo buffer, then encoded as
// OGG Vorbis. Each track has its own tempo, metre, mode and instruments.
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "content/AudioEncoders.h"
#include "content/Catalog.h"
#include "content/MusicMix.h"
#include "content/Noise.h"

namespace {

const int kRate = 22050;

typedef MusicMix M;

const int kAeolian[7] = {0, 2, 3, 5, 7, 8, 10};
const int kHarmonic[7] = {0, 2, 3, 5, 7, 8, 11};
const int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};
const int kPhrygian[7] = {0, 1, 3, 5, 7, 8, 10};

// How the chord instrument plays each bar's chord.
enum ChordStyle { Held, Arpeggio, Waltz };
// The drum pattern, if any.
enum DrumStyle { NoDrums, Heartbeat, March, Ritual };

struct Track {
    int number;
    float bpm;
    int beats;            // per bar
    int bars;             // in the loop
    float root;           // Hz of the tonic in the bass
    const int* mode;      // semitones of the seven degrees
    int chords[8];        // scale degree of each bar's chord, repeating
    M::Instrument lead, chord, bass;
    ChordStyle style;
    float notesPerBar;    // melody density
    int leadOctave;       // melody octaves above the bass root
    float leadLevel, chordLevel, bassLevel;
    DrumStyle drums;
    float drumLevel;
    int bellEvery;        // bars between bell strokes (0: no bell)
    float bellLevel;
    float sparkles;       // high stray notes per bar (drips, glints)
    float warp;           // pitch error of the melody (an out-of-tune music box)
    float windLevel;
    float room;           // reverb mix
    float roomSize;       // reverb length (1: a room, more: a hall)
    float peak;
};

const Track kTracks[] = {
    // 1: the last hour of the night (room 0 and 5 late, the credits): almost
    // nothing, a music box far off, a bell, the wind.
    {music::kQuietNight, 60, 4, 16, 73.42f, kDorian, {0, 0, 3, 3, 0, 0, 4, 3}, M::MusicBox, M::Strings, M::Strings, Held,
     0.75f, 3, 0.22f, 0.05f, 0.0f, NoDrums, 0, 4, 0.12f, 0, 0, 0.05f, 0.55f, 1.0f, 0.3f},
    // 83: the goat person's table: a ritual in D phrygian, drums, choir, oboe.
    {music::kGoatPerson, 80, 4, 24, 73.42f, kPhrygian, {0, 0, 1, 0, 6, 5, 1, 0}, M::Reed, M::Choir, M::Organ, Held,
     2.0f, 2, 0.3f, 0.1f, 0.14f, Ritual, 0.5f, 8, 0.15f, 0, 0, 0.02f, 0.4f, 1.4f, 0.6f},
    // 93: the intro and the tunnel: celesta over harp arpeggios in A minor.
    {music::kIntro, 70, 4, 20, 110.0f, kAeolian, {0, 5, 3, 4, 0, 5, 6, 4}, M::Celesta, M::Harp, M::Strings, Arpeggio,
     3.0f, 2, 0.32f, 0.13f, 0.1f, NoDrums, 0, 0, 0, 0, 0, 0.02f, 0.45f, 1.0f, 0.6f},
    // 94: the street: a slow procession, flute over plucked chords and a drum.
    {music::kStreet, 92, 4, 24, 82.41f, kHarmonic, {0, 3, 4, 0, 5, 3, 4, 4}, M::Flute, M::Pizzicato, M::Pizzicato, Held,
     3.5f, 2, 0.3f, 0.16f, 0.22f, March, 0.3f, 0, 0, 0, 0, 0.03f, 0.35f, 1.0f, 0.6f},
    // 95: after the end, something is wrong: a slow, out-of-tune music box
    // over low strings.
    {music::kEnding, 50, 4, 14, 69.3f, kHarmonic, {0, 1, 0, 4, 5, 1, 4, 0}, M::MusicBox, M::Strings, M::Strings, Held,
     2.0f, 3, 0.3f, 0.09f, 0.12f, Heartbeat, 0.25f, 0, 0, 0.4f, 0.35f, 0.03f, 0.6f, 1.0f, 0.55f},
    // 96: the main menu: a music-box waltz in D minor.
    {music::kMenu, 96, 3, 32, 73.42f, kAeolian, {0, 3, 6, 2, 5, 3, 4, 4}, M::MusicBox, M::Harp, M::Strings, Waltz,
     2.5f, 3, 0.32f, 0.12f, 0.1f, NoDrums, 0, 0, 0, 0, 0, 0.015f, 0.45f, 1.0f, 0.6f},
    // 154: the garden: creeping pizzicato with a bassoon-like reed, F minor.
    {music::kGarden, 108, 4, 28, 87.31f, kAeolian, {0, 0, 5, 5, 3, 3, 4, 4}, M::Reed, M::Pizzicato, M::Pizzicato, Arpeggio,
     3.0f, 1, 0.28f, 0.16f, 0.2f, NoDrums, 0, 0, 0, 0, 0, 0.035f, 0.3f, 1.0f, 0.6f},
    // 155: the shed and the fish person's place: vibraphone and choir in C
    // dorian, with drops falling.
    {music::kWellAndShed, 66, 4, 18, 65.41f, kDorian, {0, 3, 0, 3, 5, 4, 0, 4}, M::Vibes, M::Choir, M::Strings, Held,
     2.0f, 3, 0.3f, 0.1f, 0.1f, NoDrums, 0, 0, 0, 1.2f, 0, 0.025f, 0.5f, 1.0f, 0.6f},
    // 272: the goat person appears: a driven harpsichord ostinato with a
    // heartbeat, F sharp harmonic minor.
    {music::kFinale, 120, 4, 32, 92.5f, kHarmonic, {0, 0, 1, 1, 0, 0, 4, 4}, M::Reed, M::Harpsichord, M::Strings, Arpeggio,
     1.5f, 2, 0.26f, 0.14f, 0.14f, Heartbeat, 0.55f, 0, 0, 0, 0, 0.02f, 0.3f, 1.0f, 0.6f},
    // 273: the upper floor: a slow music-box lullaby over an organ, E flat minor.
    {music::kUpstairs, 58, 3, 20, 77.78f, kAeolian, {0, 3, 0, 4, 5, 3, 4, 0}, M::MusicBox, M::Organ, M::Organ, Held,
     2.5f, 3, 0.3f, 0.07f, 0.08f, NoDrums, 0, 4, 0.1f, 0, 0, 0.02f, 0.5f, 1.0f, 0.6f},
    // 274: the hall of the house: a harpsichord minuet in G minor.
    {music::kHouse, 108, 3, 36, 98.0f, kHarmonic, {0, 3, 4, 0, 5, 1, 4, 0}, M::Harpsichord, M::Harpsichord,
     M::Harpsichord, Waltz, 3.0f, 2, 0.28f, 0.12f, 0.16f, NoDrums, 0, 0, 0, 0, 0, 0.01f, 0.35f, 1.0f, 0.6f},
    // 345: late in the night: choir and organ pedal in C sharp phrygian, a
    // low flute and the church bell every other bar.
    {music::kLateNight, 52, 4, 14, 69.3f, kPhrygian, {0, 1, 0, 6, 5, 1, 6, 0}, M::Flute, M::Choir, M::Organ, Held,
     1.25f, 1, 0.3f, 0.11f, 0.12f, NoDrums, 0, 2, 0.2f, 0, 0, 0.045f, 0.55f, 1.4f, 0.5f},
};

float pitch(const Track& t, int degree, int octave) {
    const int wrapped = ((degree % 7) + 7) % 7;
    const int octaves = (degree - wrapped) / 7 + octave;
    return t.root * std::pow(2.0f, float(octaves) + float(t.mode[wrapped]) / 12.0f);
}

bool sustained(M::Instrument i) {
    return i == M::Flute || i == M::Reed || i == M::Strings || i == M::Choir || i == M::Organ;
}

// A two-bar motif: where its notes fall (in eighths) and how the melody
// moves from note to note (in scale steps).
struct Motif {
    std::vector<int> onsets;
    std::vector<int> steps;
};

Motif makeMotif(const Track& t, Noise& rng) {
    Motif m;
    const int slots = 4 * t.beats;
    const float p = t.notesPerBar / float(2 * t.beats);
    for (int s = 0; s < slots; ++s) {
        const bool strong = s % (2 * t.beats) == 0;
        if (s == 0 || rng.next() < p * (strong ? 1.6f : (s % 2 ? 0.6f : 1.1f))) m.onsets.push_back(s);
    }
    const int moves[7] = {-2, -1, -1, 0, 1, 1, 2};
    for (size_t k = 0; k < m.onsets.size(); ++k) m.steps.push_back(moves[int(rng.next() * 6.999f)]);
    return m;
}

// The nearest tone of the chord on `chord` to the degree.
int nearestChordTone(int degree, int chord) {
    int best = degree, distance = 99;
    for (int d = degree - 3; d <= degree + 3; ++d) {
        const int r = (((d - chord) % 7) + 7) % 7;
        if ((r == 0 || r == 2 || r == 4) && std::abs(d - degree) < distance) {
            best = d;
            distance = std::abs(d - degree);
        }
    }
    return best;
}

void playMelody(M& mix, const Track& t, float beat, uint32_t seed) {
    Noise rng(seed);
    const Motif a = makeMotif(t, rng), b = makeMotif(t, rng);
    const float eighth = beat * 0.5f;
    int degree = 4;
    // Phrases of two bars in the order A A B A, the last A coming home.
    for (int bar = 0; bar < t.bars; bar += 2) {
        const int phrase = (bar / 2) % 4;
        const Motif& m = phrase == 2 ? b : a;
        if (phrase == 0) degree = 4;
        for (size_t k = 0; k < m.onsets.size(); ++k) {
            const int slot = m.onsets[k];
            const int barHere = bar + slot / (2 * t.beats);
            if (barHere >= t.bars) break;
            const int chord = t.chords[barHere % 8];
            degree += m.steps[k] + (phrase == 1 && k == 1 ? 1 : 0);
            if (degree < -1) degree += 2;
            if (degree > 9) degree -= 2;
            if (slot % t.beats == 0) degree = nearestChordTone(degree, chord);
            const bool last = k + 1 == m.onsets.size();
            if (last && phrase == 3) degree = 7;
            const int next = last ? 4 * t.beats : m.onsets[k + 1];
            const float length = float(next - slot) * eighth * (last ? 1.5f : 0.95f);
            float f = pitch(t, degree, t.leadOctave);
            if (t.warp > 0) f *= std::pow(2.0f, (rng.next() - 0.5f) * t.warp / 6.0f);
            const float accent = slot % (2 * t.beats) == 0 ? 1.0f : 0.8f;
            mix.note(t.lead, float(bar * 2 * t.beats + slot) * eighth, length, f, t.leadLevel * accent, 0.1f,
                     seed + uint32_t(bar * 64 + slot));
        }
    }
}

void playChords(M& mix, const Track& t, float beat, uint32_t seed) {
    const float barLength = beat * float(t.beats);
    for (int bar = 0; bar < t.bars; ++bar) {
        const int c = t.chords[bar % 8];
        const float at = float(bar) * barLength;
        const uint32_t s = seed + uint32_t(bar * 16);
        switch (t.style) {
            case Held:
                if (sustained(t.chord)) {
                    for (int k = 0; k < 3; ++k)
                        mix.note(t.chord, at, barLength * 1.02f, pitch(t, c + 2 * k, 1), t.chordLevel,
                                 -0.5f + 0.5f * float(k), s + uint32_t(k));
                } else {  // struck chords on every beat, the first strongest
                    for (int beatIndex = 0; beatIndex < t.beats; ++beatIndex)
                        for (int k = 0; k < 3; ++k)
                            mix.note(t.chord, at + float(beatIndex) * beat + 0.012f * float(k), beat,
                                     pitch(t, c + 2 * k, 1), t.chordLevel * (beatIndex == 0 ? 1.0f : 0.6f),
                                     -0.4f + 0.4f * float(k), s + uint32_t(beatIndex * 4 + k));
                }
                break;
            case Arpeggio: {
                const int shape[8] = {0, 2, 4, 7, 9, 7, 4, 2};
                for (int e = 0; e < 2 * t.beats; ++e)
                    mix.note(t.chord, at + float(e) * beat * 0.5f, beat * 0.5f, pitch(t, c + shape[e % 8], 1),
                             t.chordLevel * (e % 2 ? 0.75f : 1.0f), -0.5f + float(e % 4) * 0.3f, s + uint32_t(e));
                break;
            }
            case Waltz:
                for (int beatIndex = 1; beatIndex < t.beats; ++beatIndex)
                    for (int k = 0; k < 3; ++k)
                        mix.note(t.chord, at + float(beatIndex) * beat + 0.01f * float(k), beat * 0.8f,
                                 pitch(t, c + 2 * k, 1), t.chordLevel * 0.8f, -0.4f + 0.4f * float(k),
                                 s + uint32_t(beatIndex * 4 + k));
                break;
        }
        // The bass: the chord's root, held or struck on the first beat (and
        // the middle of the bar for plucked basses in four).
        if (t.bassLevel > 0) {
            const float held = sustained(t.bass) ? barLength * 1.02f : beat;
            mix.note(t.bass, at, held, pitch(t, c, 0), t.bassLevel, 0.0f, s + 9);
            if (!sustained(t.bass) && t.beats == 4)
                mix.note(t.bass, at + 2 * beat, held, pitch(t, c + 4, -1), t.bassLevel * 0.8f, 0.0f, s + 10);
        }
    }
}

void playDrums(M& mix, const Track& t, float beat) {
    const float barLength = beat * float(t.beats);
    for (int bar = 0; bar < t.bars; ++bar) {
        const float at = float(bar) * barLength;
        const uint32_t s = uint32_t(t.number * 1000 + bar * 8);
        switch (t.drums) {
            case Heartbeat:
                for (int h = 0; h < t.beats; h += 2) {
                    mix.note(M::Drum, at + float(h) * beat, 0, 48, t.drumLevel, 0, s + uint32_t(h));
                    mix.note(M::Drum, at + (float(h) + 0.3f) * beat, 0, 44, t.drumLevel * 0.6f, 0, s + 5);
                }
                break;
            case March:
                for (int k = 0; k < t.beats; ++k)
                    mix.note(M::Drum, at + float(k) * beat, 0, k % 2 ? 95 : 70, t.drumLevel * (k == 0 ? 1 : 0.5f),
                             k % 2 ? 0.3f : -0.2f, s + uint32_t(k));
                break;
            case Ritual: {
                const float hits[4][2] = {{0, 1}, {1.5f, 0.6f}, {2, 0.8f}, {3.5f, 0.45f}};
                for (int k = 0; k < 4; ++k)
                    mix.note(M::Drum, at + hits[k][0] * beat, 0, k == 0 ? 55 : 82, t.drumLevel * hits[k][1],
                             k % 2 ? 0.35f : -0.35f, s + uint32_t(k));
                break;
            }
            case NoDrums: break;
        }
    }
}

std::vector<uint8_t> renderTrack(const Track& t) {
    const float beat = 60.0f / t.bpm;
    M mix(beat * float(t.beats * t.bars), kRate);
    const uint32_t seed = uint32_t(t.number) * 7919u;
    playMelody(mix, t, beat, seed);
    playChords(mix, t, beat, seed + 1);
    playDrums(mix, t, beat);
    if (t.bellEvery > 0)
        for (int bar = 0; bar < t.bars; bar += t.bellEvery)
            mix.note(M::Bell, float(bar * t.beats) * beat, 0, t.root * 4, t.bellLevel, -0.6f, seed + uint32_t(bar));
    if (t.sparkles > 0) {
        Noise rng(seed + 2);
        const int count = int(t.sparkles * float(t.bars));
        for (int k = 0; k < count; ++k) {
            const int degree = t.chords[int(rng.next() * 7.99f)] + 2 * int(rng.next() * 2.99f);
            const float at = rng.next() * beat * float(t.beats * t.bars);
            mix.note(t.sparkles > 1 ? M::Celesta : M::MusicBox, at, 0, pitch(t, degree, 4), 0.06f,
                     rng.next() * 1.6f - 0.8f, seed + 100 + uint32_t(k));
        }
    }
    if (t.windLevel > 0) mix.wind(t.windLevel, 4, seed + 3);
    mix.reverb(t.room, t.roomSize);
    mix.normalize(t.peak);
    return encodeOgg(mix.interleaved(), 2, kRate, 0.3f);
}

}  // namespace

std::vector<uint8_t> makeMusicResource(int n) {
    for (const Track& t : kTracks)
        if (t.number == n) return renderTrack(t);
    return {};
}
