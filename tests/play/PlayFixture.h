#ifndef QUENDRALVOSS_TESTS_PLAY_PLAYFIXTURE_H
#define QUENDRALVOSS_TESTS_PLAY_PLAYFIXTURE_H

// The play world's test bench: a real OpenGL window (480 x 360, so one overlay
// unit is ten pixels), the silent mixer, the services the play world reads, a
// scratch directory with the small resources below, and the sound log.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/JoystickBindings.h"
#include "engine/Camera.h"
#include "engine/FontRegistry.h"
#include "engine/JoystickState.h"
#include "engine/KeyState.h"
#include "engine/MouseState.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ScreenSize2D.h"
#include "play/Player.h"
#include "play/SceneObject.h"
#include "play/SceneObjectList.h"
#include "play/SoundCue.h"
#include "support/PlainPicture.h"
#include "support/TestDirectory.h"
#include "support/WavData.h"

namespace playtest {

// One keyframe: its time and the positions of every vertex (x, y, z each).
struct Frame {
    float time;
    std::vector<float> positions;
};

inline void putI32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    }
}

inline int32_t fixed(float v) { return static_cast<int32_t>(std::lround(v * 10000.0f)); }

// A mesh file: "msh1", the vertex count, texture coordinates (all 0.5), the
// frame count, then per frame its time, positions and normals (facing -X).
inline std::vector<uint8_t> makeMeshBytes(const std::vector<Frame>& frames) {
    const int32_t vertices = static_cast<int32_t>(frames.front().positions.size() / 3);
    std::vector<uint8_t> out = {'m', 's', 'h', '1'};
    putI32(out, vertices);
    for (int32_t k = 0; k < 2 * vertices; ++k) {
        putI32(out, fixed(0.5f));
    }
    putI32(out, static_cast<int32_t>(frames.size()));
    for (const Frame& frame : frames) {
        putI32(out, fixed(frame.time));
        for (float p : frame.positions) {
            putI32(out, fixed(p));
        }
        for (int32_t k = 0; k < vertices; ++k) {
            out.push_back(static_cast<uint8_t>(-127));
            out.push_back(0);
            out.push_back(0);
        }
    }
    return out;
}

// Two triangles in the plane x = 0 covering y0..y1 (y0 > y1, so y0 is on the
// left as the camera looking along +X sees it) and z0..z1, front face towards
// -X.
inline std::vector<float> quadFacingMinusX(float y0, float y1, float z0, float z1) {
    return {0, y0, z0, 0, y1, z0, 0, y1, z1, 0, y0, z0, 0, y1, z1, 0, y0, z1};
}

// A still mesh of two identical frames, so that it is not compiled into a
// display list and can be blended and asked for its vertices.
inline std::vector<uint8_t> makeStillQuadMesh(float y0, float y1, float z0, float z1) {
    const std::vector<float> quad = quadFacingMinusX(y0, y1, z0, z1);
    return makeMeshBytes({Frame{0.0f, quad}, Frame{1.0f, quad}});
}

inline uint32_t crc32(const uint8_t* data, size_t length, uint32_t crc = 0xffffffffu) {
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return crc;
}

// An RGBA PNG of one colour and one alpha (stored, uncompressed deflate), so a
// texture can blend.
inline std::vector<uint8_t> makePlainRgbaPng(int width, int height, uint32_t rgb, uint8_t alpha) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            raw.push_back(static_cast<uint8_t>(rgb >> 16));
            raw.push_back(static_cast<uint8_t>(rgb >> 8));
            raw.push_back(static_cast<uint8_t>(rgb));
            raw.push_back(alpha);
        }
    }
    std::vector<uint8_t> z = {0x78, 0x01, 0x01};
    const uint16_t len = static_cast<uint16_t>(raw.size());
    z.push_back(static_cast<uint8_t>(len));
    z.push_back(static_cast<uint8_t>(len >> 8));
    z.push_back(static_cast<uint8_t>(~len));
    z.push_back(static_cast<uint8_t>(static_cast<uint16_t>(~len) >> 8));
    z.insert(z.end(), raw.begin(), raw.end());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    const uint32_t adler = (b << 16) | a;
    for (int i = 3; i >= 0; --i) {
        z.push_back(static_cast<uint8_t>(adler >> (8 * i)));
    }
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    auto chunk = [&out](const char* type, const std::vector<uint8_t>& body) {
        const uint32_t n = static_cast<uint32_t>(body.size());
        for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(n >> (8 * i)));
        std::vector<uint8_t> typed(type, type + 4);
        typed.insert(typed.end(), body.begin(), body.end());
        out.insert(out.end(), typed.begin(), typed.end());
        const uint32_t crc = ~crc32(typed.data(), typed.size());
        for (int i = 3; i >= 0; --i) out.push_back(static_cast<uint8_t>(crc >> (8 * i)));
    };
    std::vector<uint8_t> header;
    for (int v : {width, height}) {
        for (int i = 3; i >= 0; --i) header.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    }
    header.insert(header.end(), {8, 6, 0, 0, 0});
    chunk("IHDR", header);
    chunk("IDAT", z);
    chunk("IEND", {});
    return out;
}

inline std::string resourcePath(int n) { return "res/" + std::to_string(n) + ".dat"; }

const uint32_t kRed = 0xff0000;
const uint32_t kBlue = 0x0000ff;
const uint32_t kWhite = 0xffffff;

class PlayFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("play", 480, 360, false)) << SDL_GetError();
        ASSERT_TRUE(openAudio());
        installFatalErrorHandler();
        gGameState = kGameStatePlay;
        gFatalErrorText.clear();
        gResourceCache = new ResourceCache();
        gCamera = new Camera();
        gCamera->setAspect(480.0f, 360.0f);
        gCamera->fogOn = 0;
        gScreenSize2D = new ScreenSize2D();
        gScreenSize2D->width = 48.0f;
        gScreenSize2D->height = 36.0f;
        gKeyState = new KeyState();
        gMouseState = new MouseState();
        gJoystickState = new JoystickState(0);
        resetJoystickBindings();
        gSoundCueLog = &cues;
        // The textures every object, sprite and panel takes, and a font.
        ASSERT_TRUE(writeScrambledFile(resourcePath(117), makePlainPicture(2, 2, kBlue)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(58), makePlainPicture(2, 2, kWhite)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(35), makePlainRgbaPng(2, 2, kWhite, 128)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(6), makePlainRgbaPng(2, 2, kWhite, 0)));
        ASSERT_TRUE(writeScrambledFile(resourcePath(2), makePlainPicture(2, 2, kWhite)));
        ASSERT_TRUE(writeScrambledFile("res/0/0.dat", makePlainPicture(2, 2, kRed)));
        for (int n : {38, 39, 40, 279}) {
            ASSERT_TRUE(writeScrambledFile(resourcePath(n), makeWavBytes(20)));
        }
        for (int n = 280; n <= 301; ++n) {
            ASSERT_TRUE(writeScrambledFile(resourcePath(n), makeWavBytes(20)));
        }
    }
    void TearDown() override {
        gSoundCueLog = nullptr;
        delete gJoystickState;
        delete gMouseState;
        delete gKeyState;
        gJoystickState = nullptr;
        gMouseState = nullptr;
        gKeyState = nullptr;
        delete gScreenSize2D;
        gScreenSize2D = nullptr;
        delete gCamera;
        gCamera = nullptr;
        delete gResourceCache;
        gResourceCache = nullptr;
        for (auto& font : gFontRefCounts) {
            font.second = 0;
        }
        purgeUnusedFonts();
        Mix_CloseAudio();
        SDL_Quit();
    }

    int32_t meshCount(int n) const { return gResourceCache->meshTable().countOf(resourcePath(n)); }
    int32_t textureCount(int n) const { return gResourceCache->textureTable().countOf(resourcePath(n)); }
    int32_t blankMeshCount() const { return gResourceCache->meshTable().countOf("res/"); }
    int32_t blankTextureCount() const { return gResourceCache->textureTable().countOf("res/"); }

    void writeMesh(int n, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(writeScrambledFile(resourcePath(n), bytes));
    }

    void pressKey(SDLKey sym) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        gKeyState->handleEvent(event);
    }

    // The 3D view from the origin along +X over a cleared background.
    void startFrame(float r, float g, float b) {
        gCamera->fogColour[0] = r;
        gCamera->fogColour[1] = g;
        gCamera->fogColour[2] = b;
        gCamera->apply(true);
    }
    void startOverlay(float r, float g, float b) {
        glClearColor(r, g, b, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gScreenSize2D->apply();
    }
    // The pixel (red, green, blue) at window pixel (x, y from the bottom).
    std::vector<int> pixelAt(int x, int y) {
        glFinish();
        unsigned char pixel[4] = {0, 0, 0, 0};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        return {pixel[0], pixel[1], pixel[2]};
    }
    // The window pixel at which world point (x, y, z) appears.
    void project(float x, float y, float z, int& px, int& py) {
        GLdouble model[16], proj[16];
        GLint view[4];
        gCamera->apply(false);
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, proj);
        glGetIntegerv(GL_VIEWPORT, view);
        GLdouble wx = 0, wy = 0, wz = 0;
        gluProject(x, y, z, model, proj, view, &wx, &wy, &wz);
        px = static_cast<int>(wx);
        py = static_cast<int>(wy);
    }

    TestDirectory directory;
    std::vector<SoundCue> cues;
};

// A constructed player with a world list that tells it of freed objects;
// both are emptied again after each test.
class PlayerWorldFixture : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        player.constructPlayer();
        world.setPlayer(&player);
    }
    void TearDown() override {
        world.clearSceneObjects();
        player.destroyPlayer();
        PlayFixture::TearDown();
    }
    // A new plain object named name at (x, y, z), appended to the world.
    SceneObject* add(const char* name, float x, float y, float z) {
        std::unique_ptr<SceneObject> object = makeSceneObject();
        object->name = name;
        object->position.set(x, y, z);
        return world.appendSceneObject(std::move(object));
    }

    Player player;
    SceneObjectList world;
};

}  // namespace playtest

#endif
