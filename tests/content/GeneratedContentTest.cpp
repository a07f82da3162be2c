// The generated res/ directory, checked against what the game asks of each
// resource: every number present and of its kind, decodable by the same
// decoders the game uses, and each picture's alpha, each mesh's frames,
// vertex counts, glow vertices and key times as its use needs.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GeneratedContent.h"
#include "MshFile.h"
#include "catalog/ResourceCatalog.h"
#include "content/Generator.h"
#include "engine/FontRegistry.h"
#include "engine/Mesh.h"
#include "engine/Music.h"
#include "engine/Sound.h"
#include "engine/TextLabel.h"
#include "engine/Texture.h"

namespace {

// The numbers the game asks for, by kind (independent of the generator's own
// catalogue, so a number dropped there is caught here).
const int kMeshes[] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29,
                       32, 33, 34, 36, 37, 48, 49, 50, 52, 53, 54, 55, 56, 57, 59, 60, 61, 63, 64, 65, 68,
                       70, 71, 73, 75, 78, 80, 81, 82, 87, 88, 89, 90, 100, 101, 102, 103, 104, 105, 106,
                       107, 108, 109, 110, 111, 112, 114, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128,
                       129, 131, 133, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 146, 147, 149, 150,
                       151, 152, 153, 156, 157, 159, 160, 162, 163, 164, 165, 168, 170, 171, 172, 174, 176,
                       177, 178, 183, 184, 186, 187, 188, 190, 192, 193, 194, 196, 197, 198, 200, 201, 202,
                       204, 205, 208, 210, 211, 213, 214, 223, 224, 225, 226, 227, 228, 229, 237, 239, 241,
                       242, 245, 246, 247, 248, 251, 253};
const int kPictures[] = {2, 3, 6, 28, 30, 31, 35, 47, 51, 58, 62, 67, 69, 72, 74, 76, 77, 79, 84, 85, 86,
                         91, 92, 97, 98, 113, 115, 116, 117, 118, 130, 132, 139, 145, 148, 158, 161, 166,
                         167, 169, 173, 175, 179, 180, 181, 182, 185, 189, 191, 195, 203, 206, 207, 209,
                         212, 215, 216, 217, 218, 219, 220, 221, 222, 230, 231, 232, 233, 234, 235, 236,
                         238, 240, 243, 244, 249, 250, 252, 254, 255, 256, 257, 258, 259, 260, 261, 262,
                         263, 264, 265, 266, 267, 268, 269, 270, 271, 275, 340, 346, 348, 349, 350, 351, 352};
const int kSounds[] = {4, 5, 38, 39, 40, 41, 42, 43, 44, 45, 46, 66, 99, 276, 277, 278, 279, 280, 281, 282,
                       283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297, 298, 299,
                       300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 316,
                       317, 318, 319, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333,
                       334, 335, 336, 337, 338, 339, 341, 342, 343, 344, 347};
const int kMusic[] = {1, 83, 93, 94, 95, 96, 154, 155, 272, 273, 274, 345};



bool startsWith(const std::vector<uint8_t>& d, const char* magic) {
    const size_t n = std::char_traits<char>::length(magic);
    if (d.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
        if (d[i] != uint8_t(magic[i])) return false;
    return true;
}

}  // namespace

TEST_F(GeneratedContent, EveryNumberIsWrittenAsItsKind) {
    ASSERT_TRUE(generatedA) << generationError;
    for (int n : kMeshes) EXPECT_TRUE(startsWith(resource(n), "msh1")) << n;
    for (int n : kPictures) EXPECT_TRUE(startsWith(resource(n), "\x89PNG")) << n;
    for (int n : kSounds) {
        const std::vector<uint8_t> d = resource(n);
        EXPECT_TRUE(startsWith(d, "RIFF") && d.size() > 44 && std::string(d.begin() + 8, d.begin() + 12) == "WAVE") << n;
    }
    for (int n : kMusic) EXPECT_TRUE(startsWith(resource(n), "OggS")) << n;
    // Gaps stay gaps: no 0.dat beside the font directory, nothing at 199.
    EXPECT_TRUE(resource(0).empty());
    EXPECT_TRUE(resource(199).empty());
}

TEST_F(GeneratedContent, CatalogueAndGeneratedFilesAgree) {
    ASSERT_TRUE(generatedA) << generationError;
    // Each catalogued number once, rising, and each name once within its kind.
    std::set<std::pair<int, std::string>> kindNames;
    for (int i = 0; i < kResourceCount; ++i) {
        const ResourceEntry& e = kResourceTable[i];
        if (i > 0) {
            EXPECT_LT(kResourceTable[i - 1].number, e.number) << e.name;
        }
        EXPECT_TRUE(kindNames.insert({int(e.kind), e.name}).second) << e.name;
    }
    // Every catalogued resource is written with its kind's signature.
    std::set<int> catalogued;
    for (const ResourceEntry& e : kResourceTable) {
        catalogued.insert(e.number);
        const std::vector<uint8_t> d = resource(e.number);
        switch (e.kind) {
            case ResourceKind::Mesh: EXPECT_TRUE(startsWith(d, "msh1")) << e.number << " " << e.name; break;
            case ResourceKind::Picture: EXPECT_TRUE(startsWith(d, "\x89PNG")) << e.number << " " << e.name; break;
            case ResourceKind::Sound:
                EXPECT_TRUE(startsWith(d, "RIFF") && d.size() > 44 && std::string(d.begin() + 8, d.begin() + 12) == "WAVE")
                    << e.number << " " << e.name;
                break;
            case ResourceKind::Music: EXPECT_TRUE(startsWith(d, "OggS")) << e.number << " " << e.name; break;
        }
    }
    // Every numbered file of res/ is catalogued; the font's glyphs live in the
    // folder 0 and are not numbered resources.
    DIR* dir = opendir((root + "/a").c_str());
    ASSERT_NE(dir, nullptr);
    int files = 0;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || name == "0") continue;
        const size_t dot = name.find(".dat");
        ASSERT_TRUE(dot != std::string::npos && dot + 4 == name.size()) << name;
        EXPECT_EQ(catalogued.count(std::atoi(name.c_str())), 1u) << name;
        ++files;
    }
    closedir(dir);
    EXPECT_EQ(files, kResourceCount);
}

TEST_F(GeneratedContent, TwoRunsWriteIdenticalFiles) {
    // A second run with another number of threads writes the same bytes.
    std::string error;
    ASSERT_TRUE(generatedA);
    ASSERT_TRUE(generateContent(root + "/b", 3, error)) << error;
    std::vector<std::string> names;
    for (int n : kMeshes) names.push_back(std::to_string(n) + ".dat");
    for (int n : kPictures) names.push_back(std::to_string(n) + ".dat");
    for (int n : kSounds) names.push_back(std::to_string(n) + ".dat");
    for (int n : kMusic) names.push_back(std::to_string(n) + ".dat");
    for (int c = 0; c < 128; ++c) names.push_back("0/" + std::to_string(c) + ".dat");
    for (const std::string& name : names) {
        const std::vector<uint8_t> a = readPlain(root + "/a/" + name), b = readPlain(root + "/b/" + name);
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == b) << name;
    }
}

TEST_F(GeneratedContent, FontHas128GlyphsOfWhiteCoverage) {
    ASSERT_TRUE(generatedA);
    for (int code = 0; code < 128; ++code) {
        const std::vector<uint8_t> d = readPlain(root + "/a/0/" + std::to_string(code) + ".dat");
        int mode = -1, w = 0, h = 0;
        SDL_Surface* s = nullptr;
        ASSERT_EQ(decodePicture(d, mode, &w, &h, &s), 4) << code;
        const uint8_t* px = static_cast<const uint8_t*>(s->pixels);
        int covered = 0, borderAlpha = 0, notWhite = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = px + y * s->pitch + x * 4;
                if (p[3] > 0) ++covered;
                if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && p[3] > 0) ++borderAlpha;
                if (p[0] != 255 || p[1] != 255 || p[2] != 255) ++notWhite;
            }
        SDL_FreeSurface(s);
        EXPECT_EQ(borderAlpha, 0) << code;
        EXPECT_EQ(notWhite, 0) << code;
        const bool printable = code > 32 && code < 127;
        if (code == 0 || printable) {
            EXPECT_GT(covered, 20) << code;
        }
        if (printable) {
            EXPECT_EQ(mode, 2) << code;  // anti-aliased coverage blends
        }
        if (code == 32) {
            EXPECT_EQ(covered, 0);
        }
    }
}

// The square is the advance, so the letters must fill its width for a line
// to read as words: lower-case letters span most of it, with a gap left.
TEST_F(GeneratedContent, LettersFillTheirSquaresAcross) {
    ASSERT_TRUE(generatedA);
    for (char code : std::string("aemnouwAMOUS")) {
        int mode = -1, w = 0, h = 0;
        SDL_Surface* s = nullptr;
        ASSERT_EQ(decodePicture(readPlain(root + "/a/0/" + std::to_string(int(code)) + ".dat"), mode, &w, &h, &s), 4);
        int left = w, right = -1;
        const uint8_t* px = static_cast<const uint8_t*>(s->pixels);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (px[y * s->pitch + x * 4 + 3] > 64) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        SDL_FreeSurface(s);
        EXPECT_GE(right - left + 1, w * 2 / 3) << code;
        EXPECT_GE(left, 2) << code;
        EXPECT_LE(right, w - 3) << code;
    }
}

// What changes in the story shows a change: each carving step is its own
// shape, the first cut moves, the coin dropped in the machine has its own
// sound and the late-night house front its own picture.
TEST_F(GeneratedContent, StoryChangesHaveTheirOwnResources) {
    ASSERT_TRUE(generatedA);
    EXPECT_NE(mesh(136).positions, mesh(137).positions);
    const MshFile cut = mesh(133);
    ASSERT_GE(cut.positions.size(), 2u);
    EXPECT_NE(cut.positions.front(), cut.positions.back());
    EXPECT_NE(resource(46), resource(324));
    int mode = 0, w206 = 0, h206 = 0, w207 = 0, h207 = 0;
    SDL_Surface* early = nullptr;
    SDL_Surface* late = nullptr;
    ASSERT_GT(decodePicture(resource(206), mode, &w206, &h206, &early), 0);
    ASSERT_GT(decodePicture(resource(207), mode, &w207, &h207, &late), 0);
    ASSERT_EQ(w206, w207);
    ASSERT_EQ(h206, h207);
    // Not the same picture brightened: somewhere the late one is darker.
    int darker = 0;
    const int bpp = early->format->BytesPerPixel;
    for (int y = 0; y < h206; ++y)
        for (int x = 0; x < w206; ++x) {
            const uint8_t* a = static_cast<const uint8_t*>(early->pixels) + y * early->pitch + x * bpp;
            const uint8_t* b = static_cast<const uint8_t*>(late->pixels) + y * late->pitch + x * bpp;
            if (b[0] + b[1] + b[2] + 30 < a[0] + a[1] + a[2]) ++darker;
        }
    SDL_FreeSurface(early);
    SDL_FreeSurface(late);
    EXPECT_GT(darker, w206 * h206 / 100);
}

TEST_F(GeneratedContent, PicturesDecodeWithTheAlphaTheirUseNeeds) {
    ASSERT_TRUE(generatedA);
    // Must blend: the darkening or the light lives in partial alpha.
    const std::set<int> blend = {3, 35, 84, 86, 97, 98, 203, 230, 249, 346, 348, 349, 350, 351, 352};
    // Must be cut-outs: only 0 and 255 (the alpha test draws them).
    const std::set<int> cut = {175, 179, 180, 181, 182, 185, 340};
    // Drawn black with the grain in alpha.
    const std::set<int> alphaAny = {195};
    for (int n : kPictures) {
        int mode = -1, w = 0, h = 0;
        const int bpp = decodePicture(resource(n), mode, &w, &h);
        ASSERT_TRUE(bpp == 3 || bpp == 4) << n;
        if (blend.count(n)) {
            EXPECT_EQ(mode, 2) << n;
        } else if (cut.count(n)) {
            EXPECT_EQ(mode, 1) << n;
        } else if (alphaAny.count(n)) {
            EXPECT_EQ(bpp, 4) << n;
        } else {
            EXPECT_EQ(mode, 0) << n;  // everything else is opaque RGB
        }
        // Power-of-two sides suit fixed-function GL.
        EXPECT_EQ(w & (w - 1), 0) << n;
        EXPECT_EQ(h & (h - 1), 0) << n;
    }
}

TEST_F(GeneratedContent, OverlayPicturesHaveTheirShape) {
    ASSERT_TRUE(generatedA);
    int mode = 0, w = 0, h = 0;
    SDL_Surface* s = nullptr;
    auto alpha = [&](int x, int y) { return static_cast<const uint8_t*>(s->pixels)[y * s->pitch + x * 4 + 3]; };
    // Vignette: clear centre, dark corners.
    ASSERT_EQ(decodePicture(resource(3), mode, &w, &h, &s), 4);
    EXPECT_EQ(alpha(w / 2, h / 2), 0);
    EXPECT_GT(alpha(0, 0), 200);
    SDL_FreeSurface(s);
    // Glow spot: bright centre, nothing at the rim.
    ASSERT_EQ(decodePicture(resource(35), mode, &w, &h, &s), 4);
    EXPECT_GT(alpha(w / 2, h / 2), 200);
    EXPECT_EQ(alpha(0, h / 2), 0);
    EXPECT_EQ(alpha(w / 2, 0), 0);
    SDL_FreeSurface(s);
    // Sweep mask: opaque in the top 37.5 %, clear from half way down.
    ASSERT_EQ(decodePicture(resource(185), mode, &w, &h, &s), 4);
    for (int x = 0; x < w; x += 7) {
        EXPECT_EQ(alpha(x, h * 3 / 8 - 1), 255) << x;
        EXPECT_EQ(alpha(x, h / 2), 0) << x;
    }
    SDL_FreeSurface(s);
}

TEST_F(GeneratedContent, SoundsAndMusicDecodeInTheMixer) {
    ASSERT_TRUE(generatedA);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (int n : kSounds) {
        std::vector<uint8_t> d = resource(n);
        SDL_RWops* rw = SDL_RWFromMem(d.data(), int(d.size()));
        Mix_Chunk* c = Mix_LoadWAV_RW(rw, 0);
        SDL_RWclose(rw);
        EXPECT_NE(c, nullptr) << n;
        if (c) {
            EXPECT_GT(c->alen, 1000u) << n;
            Mix_FreeChunk(c);
        }
    }
    for (int n : kMusic) {
        std::vector<uint8_t> d = resource(n);
        SDL_RWops* rw = SDL_RWFromMem(d.data(), int(d.size()));
        Mix_Music* m = Mix_LoadMUS_RW(rw);
        EXPECT_NE(m, nullptr) << n << " " << Mix_GetError();
        if (m) {
            EXPECT_EQ(Mix_PlayMusic(m, -1), 0);
            Mix_HaltMusic();
            Mix_FreeMusic(m);
        }
        SDL_RWclose(rw);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(GeneratedContent, MeshesParseAndMeetTheirAnimationDemands) {
    ASSERT_TRUE(generatedA);
    for (int n : kMeshes) {
        const MshFile f = mesh(n);
        EXPECT_GE(resource(n).size(), f.expectedSize) << n;
    }
    // Glow vertices: frames >= 2 and the vertex present.
    const std::map<int, int> glowMax = {
        {16, 2691}, {50, 2691}, {17, 1918}, {52, 1918}, {53, 1918}, {54, 1918}, {55, 1918}, {56, 1918},
        {19, 1437}, {59, 1437}, {60, 1437}, {61, 1437}, {20, 835},  {64, 1433}, {65, 1063}, {48, 1031},
        {49, 1031}, {208, 7584}, {210, 7584}, {211, 7584}, {213, 430}, {121, 2162}, {122, 2162},
        {124, 2162}, {125, 2162}, {128, 374}, {138, 1092}, {140, 1092}, {147, 1013}, {149, 1013},
        {150, 1013}, {151, 1013}, {152, 1013}, {153, 1013}, {172, 6685}, {174, 6685}, {183, 6685},
        {184, 6685}, {186, 6685}, {196, 6685}, {190, 716}, {197, 716}};
    for (const auto& g : glowMax) {
        const MshFile f = mesh(g.first);
        EXPECT_GE(f.keyTimes.size(), 2u) << g.first;
        EXPECT_GT(f.vertexCount, g.second) << g.first;
    }
    // Cross-fade families: one vertex count each, all animated.
    const std::vector<std::vector<int>> families = {{13, 57}, {16, 50}, {19, 59, 60, 61}, {17, 52, 53, 54, 55, 56},
                                                    {121, 122, 124, 125}, {147, 149, 150, 151, 152, 153},
                                                    {172, 174}, {183, 184, 186}};
    for (const auto& family : families) {
        const int v = mesh(family[0]).vertexCount;
        for (int n : family) {
            const MshFile f = mesh(n);
            EXPECT_EQ(f.vertexCount, v) << n;
            EXPECT_GE(f.keyTimes.size(), 2u) << n;
        }
    }
    // Poses held at fixed times need a later last key.
    const std::map<int, float> lastKeyAbove = {{87, 2}, {89, 1}, {64, 3}, {65, 3}, {133, 50}, {142, 40}, {170, 6},
                                               {192, 80}, {193, 80}, {194, 80}, {34, 6}, {208, 6.5f}, {140, 6},
                                               {125, 12}, {126, 12}, {55, 3.5f}, {48, 7}, {149, 3.5f}, {183, 8},
                                               {197, 24}, {204, 9}, {245, 28}, {248, 5}};
    for (const auto& k : lastKeyAbove) {
        const MshFile f = mesh(k.first);
        EXPECT_GT(f.keyTimes.back(), k.second) << k.first;
    }
    // The field's ground cover is placed hundreds of times: a few triangles.
    EXPECT_LE(mesh(89).vertexCount, 60);
    // The costume figure of the intro keeps death, ghost and werewolf at 0, 1, 2.
    const MshFile costume = mesh(87);
    ASSERT_GE(costume.keyTimes.size(), 4u);
    EXPECT_FLOAT_EQ(costume.keyTimes[0], 0.0f);
    EXPECT_FLOAT_EQ(costume.keyTimes[1], 1.0f);
    EXPECT_FLOAT_EQ(costume.keyTimes[2], 2.0f);
}

TEST_F(GeneratedContent, GlowVerticesSitOnTheSamePointAcrossAFamily) {
    ASSERT_TRUE(generatedA);
    // The eye of a cross-faded family moves with the pose but stays on the
    // head: at time 0 each family member's glow vertex lies near the first's.
    const std::vector<std::pair<std::vector<int>, int>> checks = {
        {{17, 52, 53, 54, 56}, 1918}, {{19, 59, 60, 61}, 1434}, {{16, 50}, 2688},
        {{147, 151}, 316}, {{121, 122, 124}, 505}, {{172, 174}, 3098}};
    for (const auto& c : checks) {
        const MshFile first = mesh(c.first[0]);
        const size_t i = size_t(c.second) * 3;
        for (int n : c.first) {
            const MshFile f = mesh(n);
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(f.positions[0][i + size_t(k)], first.positions[0][i + size_t(k)], 0.35f) << n;
        }
        // And it is not a padding point at the origin: the eye is above the feet.
        EXPECT_GT(first.positions[0][i + 2] - (-1.6f), 0.3f) << c.first[0];
    }
}

TEST_F(GeneratedContent, SkyFacesInwardAndTilesRepeat) {
    ASSERT_TRUE(generatedA);
    // The backdrop sky is seen from inside: its normals point to the centre
    // and every vertex lies within the far plane of 30.
    const MshFile sky = mesh(229);
    int outward = 0;
    for (int i = 0; i < sky.vertexCount; ++i) {
        const float* p = &sky.positions[0][size_t(i) * 3];
        const float* nrm = &sky.normals[0][size_t(i) * 3];
        EXPECT_LT(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 28.5f);
        if (p[0] * nrm[0] + p[1] * nrm[1] + p[2] * nrm[2] > 0) ++outward;
    }
    EXPECT_EQ(outward, 0);
    // Street and garden pieces fit their 5-unit grid.
    for (int n : {7, 8, 9, 11, 107}) {
        const MshFile f = mesh(n);
        float lo = 1e9f, hi = -1e9f;
        for (int i = 0; i < f.vertexCount; ++i) {
            lo = std::min(lo, f.positions[0][size_t(i) * 3]);
            hi = std::max(hi, f.positions[0][size_t(i) * 3]);
        }
        EXPECT_NEAR(lo, -2.5f, 0.01f) << n;
        EXPECT_NEAR(hi, 2.5f, 0.01f) << n;
    }
}

// Every file through the game's own loaders, in a real window with the mixer
// open, so that a format the generator and the engine read differently shows.
TEST_F(GeneratedContent, EveryFileLoadsThroughTheGamesLoaders) {
    ASSERT_TRUE(generatedA) << generationError;
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO));
    ASSERT_NE(nullptr, SDL_SetVideoMode(64, 48, 32, SDL_OPENGL));
    ASSERT_NE(-1, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048));
    auto path = [](int n) { return root + "/a/" + std::to_string(n) + ".dat"; };
    for (int n : kMeshes) {
        Mesh mesh;
        EXPECT_TRUE(mesh.load(path(n).c_str())) << "mesh " << n;
    }
    for (int n : kPictures) {
        Texture texture;
        EXPECT_TRUE(texture.load(path(n).c_str())) << "picture " << n;
    }
    for (int n : kSounds) {
        Sound sound;
        EXPECT_TRUE(sound.load(path(n).c_str())) << "sound " << n;
    }
    for (int n : kMusic) {
        Music music;
        EXPECT_TRUE(music.load(path(n).c_str())) << "music " << n;
    }
    {
        TextLabel label;
        EXPECT_EQ(128, label.setFont(root + "/a/0"));
    }
    purgeUnusedFonts();
    Mix_CloseAudio();
    SDL_Quit();
}
