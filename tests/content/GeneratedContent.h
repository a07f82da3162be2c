#ifndef QUENDRALVOSS_TESTS_CONTENT_GENERATEDCONTENT_H
#define QUENDRALVOSS_TESTS_CONTENT_GENERATEDCONTENT_H

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <stdlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "MshFile.h"
#include "content/Generator.h"

// The contents of a resource file, unscrambled; empty when it is missing.
std::vector<uint8_t> readPlain(const std::string& path);
// Removes a directory tree made by a test.
void removeTree(const std::string& dir);

// Tests of the generated res/: the generator runs once per test program into
// a scratch directory, and the tests read it back as the game would.
class GeneratedContent : public testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/qv-content-XXXXXX";
        root = mkdtemp(pattern);
        std::string error;
        generatedA = generateContent(root + "/a", 8, error);
        generationError = error;
    }
    static void TearDownTestSuite() { removeTree(root); }

    static std::vector<uint8_t> resource(int n) { return readPlain(root + "/a/" + std::to_string(n) + ".dat"); }

    static MshFile mesh(int n) {
        MshFile f;
        std::string why;
        EXPECT_TRUE(parseMsh(resource(n), f, why)) << "mesh " << n << ": " << why;
        return f;
    }

    // Decodes like the game's texture loader; returns bytes per pixel (0 if it
    // fails) and the alpha mode the loader would give (0 opaque, 1 cut, 2 blend).
    static int decodePicture(const std::vector<uint8_t>& data, int& mode, int* width = nullptr, int* height = nullptr,
                             SDL_Surface** keep = nullptr) {
        SDL_RWops* rw = SDL_RWFromMem(const_cast<uint8_t*>(data.data()), int(data.size()));
        SDL_Surface* s = IMG_Load_RW(rw, 0);
        SDL_RWclose(rw);
        if (!s) return 0;
        const int bpp = s->format->BytesPerPixel;
        mode = 0;
        if (bpp == 4) {
            mode = 1;
            const uint8_t* px = static_cast<const uint8_t*>(s->pixels);
            for (int y = 0; y < s->h && mode == 1; ++y)
                for (int x = 0; x < s->w; ++x) {
                    const uint8_t a = px[y * s->pitch + x * 4 + 3];
                    if (a > 0 && a < 255) {
                        mode = 2;
                        break;
                    }
                }
        }
        if (width) *width = s->w;
        if (height) *height = s->h;
        if (keep) *keep = s;
        else SDL_FreeSurface(s);
        return bpp;
    }

    static std::string root;
    static bool generatedA;
    static std::string generationError;
};


#endif
