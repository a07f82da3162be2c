// The window, the fixed OpenGL state and the audio device, opened for real
// under the test display and the silent audio driver.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/FullScreenModes.h"
#include "engine/Platform.h"
#include "support/DesktopSize.h"

namespace {

void forgetMode() {
    gFullscreen = 0;
    gScreenWidth = 0.0f;
    gScreenHeight = 0.0f;
}

GLint glInteger(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

}  // namespace

TEST(Platform, WindowOpensWithTitleSizeAndFixedGlState) {
    forgetMode();
    ASSERT_TRUE(initVideo("Quendralvoss", 800, 450, false));
    EXPECT_EQ(static_cast<Uint32>(0x231), SDL_WasInit(0x231));
    const SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(800, screen->w);
    EXPECT_EQ(450, screen->h);
    EXPECT_TRUE(screen->flags & SDL_OPENGL);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ("Quendralvoss", title);
    EXPECT_STREQ("Quendralvoss", icon);
    int stencil = 0;
    SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &stencil);
    EXPECT_GE(stencil, 1);

    EXPECT_EQ(0, gFullscreen);
    EXPECT_EQ(800.0f, gScreenWidth);
    EXPECT_EQ(450.0f, gScreenHeight);
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));

    EXPECT_FALSE(glIsEnabled(GL_POINT_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_DITHER));
    EXPECT_EQ(GL_SMOOTH, glInteger(GL_SHADE_MODEL));
    EXPECT_EQ(1, glInteger(GL_LIGHT_MODEL_LOCAL_VIEWER));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    EXPECT_EQ(GL_CCW, glInteger(GL_FRONT_FACE));
    EXPECT_EQ(GL_BACK, glInteger(GL_CULL_FACE_MODE));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(GL_NOTEQUAL, glInteger(GL_ALPHA_TEST_FUNC));
    GLfloat reference = -1.0f;
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_EQ(0.0f, reference);
    EXPECT_EQ(GL_SRC_ALPHA, glInteger(GL_BLEND_SRC));
    EXPECT_EQ(GL_ONE_MINUS_SRC_ALPHA, glInteger(GL_BLEND_DST));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    // Left to their users.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    SDL_Quit();
}

// A mode that cannot be set leaves nothing of SDL started and the globals as
// they were, and the next call starts SDL afresh. SDL's silent video driver
// starts but has no OpenGL, on classic SDL 1.2 and on sdl12-compat alike.
TEST(Platform, FailedModeQuitsSdlAndTheNextModeOpens) {
    forgetMode();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const bool started = SDL_Init(SDL_INIT_VIDEO) != -1;
    SDL_Quit();
    const bool opened = initVideo("Quendralvoss", 800, 450, false);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    ASSERT_TRUE(started) << "the mode, not SDL, must be what fails";
    ASSERT_FALSE(opened);
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_EVERYTHING));
    EXPECT_EQ(0, gFullscreen);
    EXPECT_EQ(0.0f, gScreenWidth);
    EXPECT_EQ(0.0f, gScreenHeight);

    ASSERT_TRUE(initVideo("Quendralvoss", 640, 360, false));
    EXPECT_EQ(640.0f, gScreenWidth);
    EXPECT_EQ(360.0f, gScreenHeight);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    SDL_Quit();
}

// Without an audio device the window still opens, and only opening the audio
// fails (classic SDL 1.2 starts the rest by itself, sdl12-compat refuses
// everything at once; after that refusal it reports no part as started, so
// the window itself is what shows SDL runs).
TEST(Platform, WindowOpensWithoutAnAudioDeviceAndOnlyAudioFails) {
    forgetMode();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const bool opened = initVideo("Quendralvoss", 800, 450, false);
    const bool audio = opened && openAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(audio);
    ASSERT_NE(nullptr, SDL_GetVideoSurface());
    EXPECT_EQ(800, SDL_GetVideoSurface()->w);
    EXPECT_EQ(450, SDL_GetVideoSurface()->h);
    EXPECT_EQ(800.0f, gScreenWidth);
    Mix_CloseAudio();
    SDL_Quit();
}

// The display's full-screen modes, asked of SDL: its desktop size is offered,
// no larger one, and the question leaves SDL as it found it.
TEST(Platform, FullScreenModesOfferTheDisplayAndLeaveSdlAsItWas) {
    int width = 0;
    int height = 0;
    ASSERT_TRUE(desktopSize(width, height));

    FullScreenModes display;
    display.query();
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_EVERYTHING));
    ASSERT_FALSE(display.anySize);
    EXPECT_TRUE(display.offers(width, height));
    EXPECT_TRUE(display.offers(320, 240));
    // The test display, an Xvfb screen, has no mode beyond its desktop.
    EXPECT_FALSE(display.offers(width + 1, height));
    EXPECT_FALSE(display.offers(width, height + 1));

    ASSERT_TRUE(initVideo("Quendralvoss", 640, 360, false));
    FullScreenModes again;
    again.query();
    EXPECT_TRUE(again.offers(width, height));
    EXPECT_EQ(static_cast<Uint32>(SDL_INIT_VIDEO), SDL_WasInit(SDL_INIT_VIDEO));
    EXPECT_EQ(640, SDL_GetVideoSurface()->w);
    SDL_Quit();
}

TEST(Platform, SdlThatDoesNotStartLeavesTheGlobals) {
    forgetMode();
    gScreenWidth = 320.0f;
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(initVideo("Quendralvoss", 800, 450, false));
    setenv("SDL_VIDEODRIVER", "x11", 1);
    EXPECT_EQ(320.0f, gScreenWidth);
    EXPECT_EQ(0.0f, gScreenHeight);
    SDL_Quit();
}

TEST(Platform, FullScreenHidesTheCursor) {
    forgetMode();
    ASSERT_TRUE(initVideo("Quendralvoss", 800, 450, true));
    EXPECT_EQ(1, gFullscreen);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    SDL_Quit();
}

TEST(Platform, AudioOpensAt44100HzStereo16Bit) {
    forgetMode();
    ASSERT_TRUE(initVideo("Quendralvoss", 320, 240, false));
    ASSERT_TRUE(openAudio());
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_EQ(1, Mix_QuerySpec(&frequency, &format, &channels));
    EXPECT_EQ(44100, frequency);
    EXPECT_EQ(AUDIO_S16LSB, format);
    EXPECT_EQ(2, channels);
    Mix_CloseAudio();
    SDL_Quit();
}
