// Sound effects and the music player on the silent audio driver: volumes,
// channels, the paused-until-resumed music and the reader it plays from.
#include <gtest/gtest.h>

#include "engine/Music.h"
#include "engine/Sound.h"
#include "support/MixerSession.h"
#include "support/TestDirectory.h"
#include "support/OggData.h"
#include "support/WavData.h"

namespace {

class AudioTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mixer.isOpen()) << Mix_GetError();
        ASSERT_TRUE(writeScrambledFile("res/1.dat", makeWavBytes(2000)));
        ASSERT_TRUE(writeScrambledFile("res/2.dat", makeWavBytes(2000)));
        ASSERT_TRUE(writeFileBytes("res/garbage.dat", {1, 2, 3, 4, 5, 6, 7, 8}));
    }

    // The channel that plays chunk, or -1.
    static int channelOf(const Sound& sound) {
        for (int channel = 0; channel < MIX_CHANNELS; ++channel) {
            if (Mix_Playing(channel) && Mix_GetChunk(channel) == sound.getChunk()) {
                return channel;
            }
        }
        return -1;
    }

    TestDirectory directory;
    MixerSession mixer;
};

TEST_F(AudioTest, SoundLoadsOnlyWhatTheMixerDecodes) {
    Sound sound;
    EXPECT_TRUE(sound.load("res/1.dat"));
    EXPECT_TRUE(sound.isLoaded());
    EXPECT_FALSE(sound.load("res/missing.dat"));
    EXPECT_FALSE(sound.isLoaded());
    EXPECT_FALSE(sound.load("res/garbage.dat"));
    sound.play(1.0f);
    EXPECT_EQ(0, Mix_Playing(-1));
}

TEST_F(AudioTest, EachPlaySetsItsOwnChannelVolume) {
    Sound first;
    Sound second;
    Sound third;
    ASSERT_TRUE(first.load("res/1.dat"));
    ASSERT_TRUE(second.load("res/2.dat"));
    ASSERT_TRUE(third.load("res/1.dat"));
    first.play(0.8f);
    second.play(1.0f);
    third.play(0.6f);
    ASSERT_NE(-1, channelOf(first));
    EXPECT_EQ(102, Mix_Volume(channelOf(first), -1));
    EXPECT_EQ(128, Mix_Volume(channelOf(second), -1));
    EXPECT_EQ(76, Mix_Volume(channelOf(third), -1));
    EXPECT_EQ(3, Mix_Playing(-1));
}

TEST_F(AudioTest, PlayWithEveryChannelBusyIsDroppedAndTouchesNoVolume) {
    Sound filler;
    Sound late;
    ASSERT_TRUE(filler.load("res/1.dat"));
    ASSERT_TRUE(late.load("res/2.dat"));
    const int channels = Mix_AllocateChannels(-1);
    for (int i = 0; i < channels; ++i) {
        filler.play(1.0f);
    }
    ASSERT_EQ(channels, Mix_Playing(-1));
    late.play(0.5f);
    EXPECT_EQ(-1, channelOf(late));
    for (int channel = 0; channel < channels; ++channel) {
        EXPECT_EQ(128, Mix_Volume(channel, -1)) << "channel " << channel;
    }
}

TEST_F(AudioTest, ChannelOneCutsOffWhatPlayedThere) {
    Sound first;
    Sound second;
    ASSERT_TRUE(first.load("res/1.dat"));
    ASSERT_TRUE(second.load("res/2.dat"));
    first.playOnChannel1(1.0f);
    EXPECT_EQ(1, channelOf(first));
    second.playOnChannel1(0.5f);
    EXPECT_EQ(1, channelOf(second));
    EXPECT_EQ(-1, channelOf(first));
    EXPECT_EQ(64, Mix_Volume(1, -1));
    EXPECT_EQ(1, Mix_Playing(-1));
}

TEST_F(AudioTest, DestroyingOneSoundStopsEveryEffect) {
    Sound* doomed = new Sound;
    Sound playing;
    ASSERT_TRUE(doomed->load("res/1.dat"));
    ASSERT_TRUE(playing.load("res/2.dat"));
    playing.play(1.0f);
    ASSERT_EQ(1, Mix_Playing(-1));
    delete doomed;
    EXPECT_EQ(0, Mix_Playing(-1));
}

TEST_F(AudioTest, MusicLoadsPausedThenResumesPausesAndHalts) {
    ASSERT_TRUE(writeScrambledFile("res/96.dat", makeOggBytes(1000)));
    Music music;
    ASSERT_TRUE(music.load("res/96.dat"));
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ(1, Mix_PausedMusic());
    music.resume();
    EXPECT_EQ(0, Mix_PausedMusic());
    music.pause();
    EXPECT_EQ(1, Mix_PausedMusic());
    music.resume();
    music.restart();
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ(1, Mix_PausedMusic());
    music.setVolume(0.5f);
    EXPECT_EQ(64, Mix_VolumeMusic(-1));
    music.unload();
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_FALSE(music.isLoaded());
}

TEST_F(AudioTest, MusicWithoutTrackIgnoresEverythingButTheVolume) {
    ASSERT_TRUE(writeScrambledFile("res/96.dat", makeOggBytes(1000)));
    Music music;
    ASSERT_TRUE(music.load("res/96.dat"));
    // A failed load drops the track that played before.
    EXPECT_FALSE(music.load("res/missing.dat"));
    EXPECT_FALSE(music.isLoaded());
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_FALSE(music.load("res/garbage.dat"));
    EXPECT_EQ(nullptr, music.getReader());
    music.resume();
    music.restart();
    EXPECT_EQ(0, Mix_PlayingMusic());
    music.setVolume(0.8f);
    EXPECT_EQ(102, Mix_VolumeMusic(-1));
}

// The mixer does not take over the reader a track plays from; each track's
// reader must be closed exactly once, after the track is halted.
int gReaderCloses = 0;
int gClosesWhilePlaying = 0;
int (*gMemoryClose)(SDL_RWops*) = nullptr;

int countingClose(SDL_RWops* reader) {
    ++gReaderCloses;
    if (Mix_PlayingMusic()) {
        ++gClosesWhilePlaying;
    }
    return gMemoryClose(reader);
}

void watchReader(const Music& music) {
    SDL_RWops* reader = music.getReader();
    ASSERT_NE(nullptr, reader);
    gMemoryClose = reader->close;
    reader->close = countingClose;
}

TEST_F(AudioTest, EveryTrackClosesItsReaderOnceWhenReplacedOrFreed) {
    ASSERT_TRUE(writeScrambledFile("res/95.dat", makeOggBytes(1000)));
    ASSERT_TRUE(writeScrambledFile("res/96.dat", makeOggBytes(1000)));
    gReaderCloses = 0;
    gClosesWhilePlaying = 0;
    {
        Music music;
        ASSERT_TRUE(music.load("res/95.dat"));
        watchReader(music);
        music.resume();
        ASSERT_TRUE(music.load("res/96.dat"));
        EXPECT_EQ(1, gReaderCloses);

        watchReader(music);
        music.unload();
        EXPECT_EQ(2, gReaderCloses);
        EXPECT_EQ(nullptr, music.getReader());
        music.unload();
        EXPECT_EQ(2, gReaderCloses);

        ASSERT_TRUE(music.load("res/95.dat"));
        watchReader(music);
    }
    EXPECT_EQ(3, gReaderCloses);
    EXPECT_EQ(0, gClosesWhilePlaying);
}

}  // namespace
