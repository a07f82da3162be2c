// Resources asked for by number, and the fatal errors that a missing file
// raises: the entry name for a mesh, picture or sound, the full path for a
// music track, and the general error of a failed checked reacquire.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "support/PlainPicture.h"
#include "support/MixerSession.h"
#include "support/TestDirectory.h"
#include "support/OggData.h"
#include "support/WavData.h"

namespace {

class ResourcesByNumberTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mixer.isOpen()) << Mix_GetError();
        installFatalErrorHandler();
        gGameState = kGameStateSplash;
        gFatalErrorText.clear();
        gCurrentMusicTrack = -1;
        gResourceCache = &cache;
        gMusic = &music;
        ASSERT_TRUE(writeScrambledFile("res/40.dat", makeWavBytes(2000)));
        ASSERT_TRUE(writeScrambledFile("res/95.dat", makeOggBytes(1000)));
        ASSERT_TRUE(writeScrambledFile("res/96.dat", makeOggBytes(1000)));
    }
    void TearDown() override {
        gResourceCache = nullptr;
        gMusic = nullptr;
    }

    bool raisedResourceError(const std::string& detail) const {
        return gGameState == kGameStateError &&
               gFatalErrorText.find("could not load resource file:\n" + detail + "\n\n") != std::string::npos;
    }

    TestDirectory directory;
    MixerSession mixer;
    ResourceCache cache;
    Music music;
};

TEST_F(ResourcesByNumberTest, EntryNamesAreTheDecimalNumber) {
    EXPECT_EQ("0.dat", resourceEntryName(0));
    EXPECT_EQ("168.dat", resourceEntryName(168));
}

TEST_F(ResourcesByNumberTest, PlayingBySoundNumberLeavesTheCount) {
    Sound* held = acquireSoundByNumber(40);
    playSoundOnAnyChannel(40, 0.8f);
    EXPECT_EQ(1, Mix_Playing(-1));
    playSoundOnChannel1(40, 0.6f);
    EXPECT_EQ(held->getChunk(), Mix_GetChunk(1));
    EXPECT_EQ(76, Mix_Volume(1, -1));
    EXPECT_EQ(1, cache.soundTable().countOf("res/40.dat"));

    releaseSoundByNumber(40);
    EXPECT_EQ(0, cache.soundTable().countOf("res/40.dat"));
    EXPECT_EQ(kGameStateSplash, gGameState);
}

TEST_F(ResourcesByNumberTest, MissingSoundRaisesTheEntryNameAndStillPlaysNothing) {
    Sound* sound = acquireSoundByNumber(7);
    ASSERT_NE(nullptr, sound);
    EXPECT_TRUE(raisedResourceError("7.dat"));

    // The empty sound stays cached: playing it again reads nothing and so
    // raises nothing, and it plays nothing.
    gGameState = kGameStateSplash;
    playSoundOnChannel1(7, 1.0f);
    EXPECT_EQ(kGameStateSplash, gGameState);
    EXPECT_EQ(0, Mix_Playing(-1));
    EXPECT_EQ(1, cache.soundTable().countOf("res/7.dat"));
}

TEST_F(ResourcesByNumberTest, AskingForTheCurrentTrackLoadsNothing) {
    playMusicTrack(96);
    EXPECT_EQ(96, gCurrentMusicTrack);
    EXPECT_TRUE(music.isLoaded());
    EXPECT_EQ(0, Mix_PausedMusic());

    // Were the track loaded again, its missing file would raise an error.
    ASSERT_EQ(0, std::remove("res/96.dat"));
    music.pause();
    playMusicTrack(96);
    EXPECT_EQ(kGameStateSplash, gGameState);
    EXPECT_TRUE(music.isLoaded());
    EXPECT_EQ(1, Mix_PausedMusic());

    playMusicTrack(95);
    EXPECT_EQ(95, gCurrentMusicTrack);
    EXPECT_EQ(0, Mix_PausedMusic());
    EXPECT_EQ(kGameStateSplash, gGameState);
    playMusicTrack(96);
    EXPECT_TRUE(raisedResourceError("res/96.dat"));
}

TEST_F(ResourcesByNumberTest, MissingTrackRaisesTheFullPathOnce) {
    playMusicTrack(95);
    playMusicTrack(93);
    EXPECT_TRUE(raisedResourceError("res/93.dat"));
    EXPECT_EQ(93, gCurrentMusicTrack);
    EXPECT_FALSE(music.isLoaded());
    EXPECT_EQ(0, Mix_PlayingMusic());

    gGameState = kGameStateSplash;
    gFatalErrorText.clear();
    playMusicTrack(93);
    EXPECT_EQ(kGameStateSplash, gGameState);
    EXPECT_TRUE(gFatalErrorText.empty());
}

class MeshesAndTexturesByNumberTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("by number", 64, 48, false)) << SDL_GetError();
        installFatalErrorHandler();
        gGameState = kGameStateSplash;
        gFatalErrorText.clear();
        gResourceCache = &cache;
        ASSERT_TRUE(writeScrambledFile("res/84.dat", makePlainPicture(2, 2, 0xff0000)));
    }
    void TearDown() override {
        cache.purgeUnused();
        gResourceCache = nullptr;
        SDL_Quit();
    }

    TestDirectory directory;
    ResourceCache cache;
};

TEST_F(MeshesAndTexturesByNumberTest, MissingMeshAndPictureRaiseTheEntryName) {
    Texture* picture = acquireTextureByNumber(84);
    EXPECT_NE(0u, picture->glName);
    EXPECT_EQ(kGameStateSplash, gGameState);

    Texture* missing = acquireTextureByNumber(203);
    ASSERT_NE(nullptr, missing);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not load resource file:\n203.dat\n\n"));
    EXPECT_EQ(1, cache.textureTable().countOf("res/203.dat"));
    cache.releaseTexture(missing);
    EXPECT_EQ(0, cache.textureTable().countOf("res/203.dat"));

    gGameState = kGameStateSplash;
    Mesh* mesh = acquireMeshByNumber(12);
    ASSERT_NE(nullptr, mesh);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not load resource file:\n12.dat\n\n"));
    EXPECT_EQ(1, cache.meshTable().countOf("res/12.dat"));
}

// A holder gives back exactly its own reference, once, however often it lets go.
TEST_F(MeshesAndTexturesByNumberTest, ReleasingAHeldResourceGivesBackOneReferenceAndForgetsIt) {
    Texture* first = acquireTextureByNumber(84);
    Texture* second = acquireTextureByNumber(84);
    releaseHeldTexture(first);
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(1, cache.textureTable().countOf("res/84.dat"));
    releaseHeldTexture(first);
    EXPECT_EQ(1, cache.textureTable().countOf("res/84.dat"));
    EXPECT_EQ(second, acquireTextureByNumber(84));

    Mesh* mesh = acquireMeshByNumber(12);
    releaseHeldMesh(mesh);
    releaseHeldMesh(mesh);
    EXPECT_EQ(nullptr, mesh);
    EXPECT_EQ(0, cache.meshTable().countOf("res/12.dat"));
}

TEST_F(MeshesAndTexturesByNumberTest, CheckedReacquiresRaiseOnlyForForeignHandles) {
    Texture* picture = acquireTextureByNumber(84);
    EXPECT_EQ(picture, reacquireTextureChecked(picture));
    EXPECT_EQ(2, cache.textureTable().countOf("res/84.dat"));
    EXPECT_EQ(kGameStateSplash, gGameState);

    Mesh strangerMesh;
    reacquireMeshChecked(&strangerMesh);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not find resource object:\nmesh\n\ntry:\n"));
    Texture strangerTexture;
    EXPECT_EQ("res/", *cache.textureTable().keyOf(reacquireTextureChecked(&strangerTexture)));
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not find resource object:\ntexture\n"));
    Sound strangerSound;
    reacquireSoundChecked(&strangerSound);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("could not find resource object:\nsound\n"));
}

}  // namespace
