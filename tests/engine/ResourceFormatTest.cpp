// Resource files damaged on disk or saved again by another tool. Each file of
// tests/fuzz/regressions once crashed or hung a system decoder; now every one
// of them, and every cut or changed header of a good file, fails its load as a
// missing file does, and a music track that cannot be read stops the game on
// the resource error rather than in the mixer.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ResourceFormat.h"
#include "engine/ResourcesByNumber.h"
#include "engine/Sound.h"
#include "engine/Texture.h"
#include "support/MixerSession.h"
#include "support/OggData.h"
#include "support/PngData.h"
#include "support/TestDirectory.h"
#include "support/WavData.h"

namespace {

std::vector<uint8_t> regression(const std::string& name) {
    return readFileBytes(std::string(QV_SOURCE_DIR) + "/tests/fuzz/regressions/" + name);
}

bool picture(const std::vector<uint8_t>& b) { return isSafePicture(b.data(), static_cast<uint32_t>(b.size())); }
bool sound(const std::vector<uint8_t>& b) { return isSafeSound(b.data(), static_cast<uint32_t>(b.size())); }
bool music(const std::vector<uint8_t>& b) { return isSafeMusic(b.data(), static_cast<uint32_t>(b.size())); }

void putLe16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void putLe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    putLe16(b, at, v & 0xffffu);
    putLe16(b, at + 2, v >> 16);
}
void putBe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

}  // namespace

// The shapes the game's content takes pass; any cut of them, and a header that
// says something the decoders do not take safely, does not.
TEST(ResourceFormat, TheContentsShapesPassAndDamagedOnesDoNot) {
    const std::vector<uint8_t> png = makePngBytes(4, 3, 10, 20, 30, 255);
    const std::vector<uint8_t> wav = makeWavBytes(50);
    const std::vector<uint8_t> ogg = makeOggBytes(100);
    EXPECT_TRUE(picture(png));
    EXPECT_TRUE(sound(wav));
    EXPECT_TRUE(music(ogg));
    EXPECT_FALSE(picture(wav) || picture(ogg) || sound(png) || sound(ogg) || music(png) || music(wav));
    EXPECT_FALSE(picture({}) || sound({}) || music({}));
    EXPECT_FALSE(isSafePicture(nullptr, 10) || isSafeSound(nullptr, 10) || isSafeMusic(nullptr, 10));
    for (size_t cut = 0; cut < png.size(); ++cut) {
        EXPECT_FALSE(picture(std::vector<uint8_t>(png.begin(), png.begin() + static_cast<long>(cut)))) << cut;
    }
    // A sound's data chunk is its last: any cut into the chunk headers fails.
    for (size_t cut = 0; cut < 44; ++cut) {
        EXPECT_FALSE(sound(std::vector<uint8_t>(wav.begin(), wav.begin() + static_cast<long>(cut)))) << cut;
    }
    EXPECT_FALSE(sound(std::vector<uint8_t>(wav.begin(), wav.end() - 1)));
    for (size_t cut = 0; cut < 58; ++cut) {
        EXPECT_FALSE(music(std::vector<uint8_t>(ogg.begin(), ogg.begin() + static_cast<long>(cut)))) << cut;
    }

    // Pictures: width 0 and 8193, a colour type with a depth it cannot have,
    // trailing bytes after the end chunk.
    struct PngEdit {
        size_t at;
        uint32_t value;
        bool be32;
    };
    for (const PngEdit& e : {PngEdit{16, 0, true}, PngEdit{16, 8193, true}, PngEdit{20, 0, true},
                             PngEdit{24, 0x0202u, false}, PngEdit{24, 0x0807u, false}}) {
        std::vector<uint8_t> bad = png;
        if (e.be32) {
            putBe32(bad, e.at, e.value);
        } else {
            bad[e.at] = static_cast<uint8_t>(e.value >> 8);
            bad[e.at + 1] = static_cast<uint8_t>(e.value);
        }
        EXPECT_FALSE(picture(bad)) << e.at << " " << e.value;
    }
    std::vector<uint8_t> trailing = png;
    trailing.push_back(0);
    EXPECT_FALSE(picture(trailing));

    // Sounds: a compressed format, 0 and 3 channels, 24 bits, rates just
    // outside 8000..96000, a block size that disagrees.
    struct WavEdit {
        size_t at;
        uint32_t value;
        int bytes;
    };
    for (const WavEdit& e : {WavEdit{20, 3, 2}, WavEdit{22, 0, 2}, WavEdit{22, 3, 2}, WavEdit{34, 24, 2},
                             WavEdit{24, 7999, 4}, WavEdit{24, 96001, 4}, WavEdit{32, 4, 2}}) {
        std::vector<uint8_t> bad = wav;
        if (e.bytes == 2) {
            putLe16(bad, e.at, e.value);
        } else {
            putLe32(bad, e.at, e.value);
            putLe32(bad, 28, e.value * 2);  // the byte rate follows, so only the rate is wrong
        }
        EXPECT_FALSE(sound(bad)) << e.at << " " << e.value;
    }
    std::vector<uint8_t> eightKilohertz = wav;
    putLe32(eightKilohertz, 24, 8000);
    putLe32(eightKilohertz, 28, 16000);
    EXPECT_TRUE(sound(eightKilohertz));

    // Music: a stream that does not begin here, 0 or 3 channels, 100 Hz.
    const size_t id = 27 + ogg[26];
    struct OggEdit {
        size_t at;
        uint32_t value;
        int bytes;
    };
    for (const OggEdit& e : {OggEdit{5, 0, 1}, OggEdit{id + 11, 0, 1}, OggEdit{id + 11, 3, 1},
                             OggEdit{id + 12, 100, 4}, OggEdit{id, 3, 1}}) {
        std::vector<uint8_t> bad = ogg;
        if (e.bytes == 1) {
            bad[e.at] = static_cast<uint8_t>(e.value);
        } else {
            putLe32(bad, e.at, e.value);
        }
        EXPECT_FALSE(music(bad)) << e.at << " " << e.value;
    }
}

// Each regression file, loaded as every kind of resource, fails the load
// cleanly, and a damaged music track ends on the resource error.
TEST(ResourceFormat, TheDamagedFilesOnRecordFailTheirLoads) {
    TestDirectory directory;
    ASSERT_TRUE(initVideo("Quendralvoss", 64, 64, false)) << SDL_GetError();
    MixerSession mixer;
    ASSERT_TRUE(mixer.isOpen());
    const char* const files[] = {"sound-rate-8.wav",          "sound-rate-45158400.wav",
                                 "sound-no-channels.wav",     "music-wave-without-format.wav",
                                 "picture-chunk-past-the-end.png", "picture-gif.gif"};
    for (const char* file : files) {
        SCOPED_TRACE(file);
        const std::vector<uint8_t> bytes = regression(file);
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(picture(bytes) || sound(bytes) || music(bytes));
        ASSERT_TRUE(writeScrambledFile("res/96.dat", bytes));
        Texture texture;
        EXPECT_FALSE(texture.load("res/96.dat"));
        Sound effect;
        EXPECT_FALSE(effect.load("res/96.dat"));
        Music track;
        EXPECT_FALSE(track.load("res/96.dat"));
    }

    installFatalErrorHandler();
    gGameState = kGameStatePlay;
    gFatalErrorText.clear();
    gCurrentMusicTrack = -1;
    Music music;
    gMusic = &music;
    ASSERT_TRUE(writeScrambledFile("res/96.dat", regression("music-wave-without-format.wav")));
    playMusicTrack(96);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("res/96.dat"));
    gMusic = nullptr;
    SDL_Quit();
}
