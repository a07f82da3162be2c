// Proves the headless set-up itself: an SDL 1.2 OpenGL window opens under the
// test display, and a cleared colour reads back through glReadPixels.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

TEST(Harness, OpenGlWindowClearsAndReadsBack) {
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Surface* screen = SDL_SetVideoMode(64, 48, 32, SDL_OPENGL);
    ASSERT_NE(nullptr, screen) << SDL_GetError();

    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    unsigned char pixel[4] = {0, 0, 0, 0};
    glReadPixels(32, 24, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(255, pixel[0]);
    EXPECT_NEAR(128, pixel[1], 1);
    EXPECT_EQ(0, pixel[2]);
    SDL_Quit();
}

TEST(Harness, AudioRunsOnTheSilentDriver) {
    ASSERT_EQ(0, SDL_Init(SDL_INIT_AUDIO)) << SDL_GetError();
    char name[32] = {0};
    ASSERT_NE(nullptr, SDL_AudioDriverName(name, sizeof name));
    EXPECT_STRNE("", name);
    SDL_Quit();
}
