// The resource cache over real sound effects: keys under "res/", the flag,
// and purging, which halts the mixer as the sounds go; then meshes and
// textures in a real OpenGL window beside them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "support/PlainPicture.h"
#include "support/MixerSession.h"
#include "support/TestDirectory.h"
#include "support/WavData.h"

namespace {

class ResourceCacheTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mixer.isOpen()) << Mix_GetError();
        ASSERT_TRUE(writeScrambledFile("res/4.dat", makeWavBytes(2000)));
        ASSERT_TRUE(writeScrambledFile("res/40.dat", makeWavBytes(2000)));
    }

    TestDirectory directory;
    MixerSession mixer;
    ResourceCache cache;
};

TEST_F(ResourceCacheTest, SoundsAreKeyedUnderTheResourceDirectory) {
    Sound* sound = cache.acquireSound("4.dat");
    EXPECT_FALSE(cache.failed());
    EXPECT_TRUE(sound->isLoaded());
    EXPECT_EQ("res/4.dat", *cache.soundTable().keyOf(sound));
    EXPECT_EQ(sound, cache.acquireSound("4.dat"));
    EXPECT_EQ(2, cache.soundTable().countOf("res/4.dat"));

    // The flag reports each operation alone.
    Sound* missing = cache.acquireSound("5.dat");
    EXPECT_TRUE(cache.failed());
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(sound, cache.reacquireSound(sound));
    EXPECT_FALSE(cache.failed());
    Sound stranger;
    EXPECT_EQ("res/", *cache.soundTable().keyOf(cache.reacquireSound(&stranger)));
    EXPECT_TRUE(cache.failed());
}

TEST_F(ResourceCacheTest, ReleasedSoundIsHandedOutAgainUntilPurged) {
    Sound* sound = cache.acquireSound("4.dat");
    cache.releaseSound(sound);
    EXPECT_FALSE(cache.failed());
    // Without its file the sound can only come from the cache.
    ASSERT_EQ(0, std::remove("res/4.dat"));
    EXPECT_EQ(sound, cache.acquireSound("4.dat"));
    EXPECT_FALSE(cache.failed());
    EXPECT_TRUE(sound->isLoaded());

    cache.releaseSound(sound);
    cache.purgeUnused();
    EXPECT_FALSE(cache.soundTable().holds("res/4.dat"));
    EXPECT_FALSE(cache.acquireSound("4.dat")->isLoaded());
    EXPECT_TRUE(cache.failed());
}

TEST_F(ResourceCacheTest, PurgingASoundHaltsEveryChannel) {
    Sound* kept = cache.acquireSound("40.dat");
    Sound* dropped = cache.acquireSound("4.dat");
    kept->play(1.0f);
    kept->playOnChannel1(1.0f);

    // A purge that deletes nothing leaves the effects playing.
    cache.purgeUnused();
    EXPECT_EQ(2, Mix_Playing(-1));

    cache.releaseSound(dropped);
    cache.purgeUnused();
    EXPECT_FALSE(cache.failed());
    EXPECT_EQ(0, Mix_Playing(-1));
    EXPECT_TRUE(cache.soundTable().holds("res/40.dat"));
    EXPECT_FALSE(cache.soundTable().holds("res/4.dat"));
}

// Textures need a GL context to load into; the window opens as the game's does.
class ResourceCacheGlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("cache", 64, 48, false)) << SDL_GetError();
        ASSERT_TRUE(writeScrambledFile("res/7.dat", makePlainPicture(4, 4, 0x00ff00)));
    }
    void TearDown() override {
        cache.purgeUnused();
        SDL_Quit();
    }

    TestDirectory directory;
    ResourceCache cache;
};

TEST_F(ResourceCacheGlTest, MeshAndTextureUnderOneNameAreSeparateEntries) {
    Texture* texture = cache.acquireTexture("7.dat");
    EXPECT_FALSE(cache.failed());
    EXPECT_NE(0u, texture->glName);
    // The same picture file is no mesh: the mesh entry fails on its own.
    Mesh* mesh = cache.acquireMesh("7.dat");
    EXPECT_TRUE(cache.failed());
    EXPECT_EQ(0, mesh->frameCount);
    EXPECT_EQ(1, cache.textureTable().countOf("res/7.dat"));
    EXPECT_EQ(1, cache.meshTable().countOf("res/7.dat"));

    cache.releaseTexture(texture);
    EXPECT_FALSE(cache.failed());
    EXPECT_EQ(0, cache.textureTable().countOf("res/7.dat"));
    EXPECT_EQ(1, cache.meshTable().countOf("res/7.dat"));

    cache.purgeUnused();
    EXPECT_FALSE(cache.textureTable().holds("res/7.dat"));
    EXPECT_TRUE(cache.meshTable().holds("res/7.dat"));
    cache.releaseMesh(mesh);
}

TEST_F(ResourceCacheGlTest, ReacquiringTexturesCountsAndFallsBackToTheBareDirectory) {
    Texture* texture = cache.acquireTexture("7.dat");
    EXPECT_EQ(texture, cache.reacquireTexture(texture));
    EXPECT_FALSE(cache.failed());
    EXPECT_EQ(2, cache.textureTable().countOf("res/7.dat"));

    Texture stranger;
    Texture* fallback = cache.reacquireTexture(&stranger);
    EXPECT_TRUE(cache.failed());
    EXPECT_EQ("res/", *cache.textureTable().keyOf(fallback));
    EXPECT_EQ(0u, fallback->glName);
    EXPECT_EQ(1, cache.textureTable().countOf("res/"));
    EXPECT_EQ(2, cache.textureTable().countOf("res/7.dat"));
}

TEST_F(ResourceCacheGlTest, TheEmptyNameIsAnEmptyDefaultOfEachKind) {
    // "res/" is a directory here; reading it must fail, not read garbage.
    Mesh* mesh = cache.acquireMesh("");
    EXPECT_TRUE(cache.failed());
    EXPECT_EQ(0, mesh->vertexCount);
    EXPECT_EQ(0u, mesh->getDisplayList());
    Texture* texture = cache.acquireTexture("");
    EXPECT_TRUE(cache.failed());
    EXPECT_EQ(0u, texture->glName);

    // Later acquires share the empty objects without another attempt.
    EXPECT_EQ(texture, cache.acquireTexture(""));
    EXPECT_FALSE(cache.failed());
    EXPECT_EQ(mesh, cache.reacquireMesh(mesh));
    EXPECT_FALSE(cache.failed());
    EXPECT_EQ(2, cache.meshTable().countOf("res/"));
    EXPECT_EQ(2, cache.textureTable().countOf("res/"));
}

}  // namespace
