// Textures loaded from scrambled picture files of every pixel layout the
// decoder produces, uploaded to real OpenGL and drawn back.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include "engine/Platform.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "support/GlTestWindow.h"
#include "support/PictureFiles.h"
#include "support/TestDirectory.h"

namespace {

class TextureTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("Quendralvoss", 64, 64, false)) << SDL_GetError();
        gColourTranslucent = 0;
        gTextureBlends = 0;
    }
    void TearDown() override { SDL_Quit(); }

    // Draws the bound texture over the whole window, picture row 0 at the top.
    void drawFullWindow(const Texture& texture) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
        texture.bind();
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2f(-1.0f, -1.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2f(1.0f, -1.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2f(1.0f, 1.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2f(-1.0f, 1.0f);
        glEnd();
    }

    GLint boundInternalFormat() {
        GLint format = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
        return format;
    }

    TestDirectory directory;
};

std::vector<uint8_t> rgbaPixels(int count, uint8_t alpha) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < count; ++i) {
        pixels.insert(pixels.end(), {200, 100, 50, alpha});
    }
    return pixels;
}

void expectColour(const Rgb& expected, const Rgb& actual) {
    EXPECT_NEAR(expected.r, actual.r, 2);
    EXPECT_NEAR(expected.g, actual.g, 2);
    EXPECT_NEAR(expected.b, actual.b, 2);
}

}  // namespace

TEST_F(TextureTest, AlphaModeFollowsTheAlphaValues) {
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(2, 2, pngRgb, std::vector<uint8_t>(12, 90))));
    ASSERT_TRUE(writeScrambledFile("res/2.dat", makePng(2, 2, pngRgba, rgbaPixels(4, 255))));
    std::vector<uint8_t> cutOut = rgbaPixels(4, 255);
    cutOut[3] = 0;
    ASSERT_TRUE(writeScrambledFile("res/3.dat", makePng(2, 2, pngRgba, cutOut)));
    // One partial alpha, on the pixel the scan reaches last.
    std::vector<uint8_t> partial = cutOut;
    partial[15] = 128;
    ASSERT_TRUE(writeScrambledFile("res/4.dat", makePng(2, 2, pngRgba, partial)));

    Texture opaque;
    ASSERT_TRUE(opaque.load("res/1.dat"));
    EXPECT_NE(0u, opaque.glName);
    EXPECT_EQ(Texture::alphaOpaque, opaque.alphaMode);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLint>(opaque.glName), bound);
    EXPECT_EQ(GL_RGB, boundInternalFormat());
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(GL_LINEAR, value);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(GL_LINEAR, value);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(GL_REPEAT, value);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &value);
    EXPECT_EQ(GL_REPEAT, value);

    Texture allOpaqueAlpha;
    ASSERT_TRUE(allOpaqueAlpha.load("res/2.dat"));
    EXPECT_EQ(Texture::alphaTested, allOpaqueAlpha.alphaMode);
    EXPECT_EQ(GL_RGBA, boundInternalFormat());

    Texture tested;
    ASSERT_TRUE(tested.load("res/3.dat"));
    EXPECT_EQ(Texture::alphaTested, tested.alphaMode);

    Texture blended;
    ASSERT_TRUE(blended.load("res/4.dat"));
    EXPECT_EQ(Texture::alphaBlended, blended.alphaMode);
    EXPECT_EQ(GL_RGBA, boundInternalFormat());
}

TEST_F(TextureTest, EveryDecodedLayoutDrawsItsOwnColours) {
    // Three pixels a row pad 24-bit rows to 4 bytes, which the default unpack
    // alignment expects.
    const std::vector<uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(3, 1, pngRgb, rgb)));
    ASSERT_TRUE(writeScrambledFile("res/3.dat", makePng(3, 1, pngGrey, {0, 128, 255})));
    ASSERT_TRUE(writeScrambledFile("res/4.dat", makePng(3, 1, pngPalette, {2, 1, 0}, {255, 0, 0, 0, 255, 0, 0, 0, 255})));
    ASSERT_TRUE(writeScrambledFile("res/5.dat", makePng(3, 1, pngRgba, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255})));
    const Rgb red{255, 0, 0};
    const Rgb green{0, 255, 0};
    const Rgb blue{0, 0, 255};
    struct Case {
        const char* path;
        int32_t mode;
        Rgb left;
        Rgb middle;
        Rgb right;
    };
    const Case cases[] = {
        {"res/1.dat", Texture::alphaOpaque, red, green, blue},
        {"res/3.dat", Texture::alphaOpaque, {0, 0, 0}, {128, 128, 128}, {255, 255, 255}},
        {"res/4.dat", Texture::alphaOpaque, blue, green, red},
        {"res/5.dat", Texture::alphaTested, red, green, blue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Texture texture;
        ASSERT_TRUE(texture.load(c.path));
        EXPECT_EQ(c.mode, texture.alphaMode);
        texture.setNearest();
        drawFullWindow(texture);
        expectColour(c.left, readPixel(10, 32));
        expectColour(c.middle, readPixel(32, 32));
        expectColour(c.right, readPixel(54, 32));
    }
}

// The game's pictures are PNG; a picture in another format (here a BMP the
// decoder could read) fails the load as a missing file does.
TEST_F(TextureTest, OnlyPngPicturesLoad) {
    const std::vector<uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makeBmp24(3, 1, rgb)));
    ASSERT_TRUE(writeScrambledFile("res/2.dat", makePng(3, 1, pngRgb, rgb)));
    Texture bmp;
    EXPECT_FALSE(bmp.load("res/1.dat"));
    EXPECT_EQ(0u, bmp.glName);
    Texture png;
    EXPECT_TRUE(png.load("res/2.dat"));
}

TEST_F(TextureTest, TransparentPaletteEntryIsCutOut) {
    ASSERT_TRUE(writeScrambledFile(
        "res/1.dat", makePng(2, 1, pngPalette, {0, 1}, {255, 0, 0, 0, 0, 255}, {255, 0})));
    Texture texture;
    ASSERT_TRUE(texture.load("res/1.dat"));
    EXPECT_EQ(Texture::alphaTested, texture.alphaMode);
    texture.setNearest();
    drawFullWindow(texture);
    expectColour({255, 0, 0}, readPixel(16, 32));
    // The alpha test drops the transparent half; the black clear shows.
    expectColour({0, 0, 0}, readPixel(48, 32));
}

TEST_F(TextureTest, BindAndUnbindSwitchTexturingAlphaTestAndBlending) {
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(1, 1, pngRgb, {1, 2, 3})));
    ASSERT_TRUE(writeScrambledFile("res/2.dat", makePng(1, 1, pngRgba, {1, 2, 3, 0})));
    ASSERT_TRUE(writeScrambledFile("res/3.dat", makePng(1, 1, pngRgba, {1, 2, 3, 7})));
    Texture opaque;
    Texture tested;
    Texture blended;
    ASSERT_TRUE(opaque.load("res/1.dat"));
    ASSERT_TRUE(tested.load("res/2.dat"));
    ASSERT_TRUE(blended.load("res/3.dat"));
    ASSERT_EQ(Texture::alphaBlended, blended.alphaMode);

    for (const float alpha : {1.0f, 0.5f}) {
        SCOPED_TRACE(alpha);
        const bool translucent = alpha != 1.0f;
        applyPlainColour(1.0f, 1.0f, 1.0f, alpha);

        opaque.bind();
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLint>(opaque.glName), bound);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
        EXPECT_EQ(0, gTextureBlends);
        EXPECT_EQ(translucent, glIsEnabled(GL_BLEND) == GL_TRUE);

        tested.bind();
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
        EXPECT_EQ(0, gTextureBlends);
        EXPECT_EQ(translucent, glIsEnabled(GL_BLEND) == GL_TRUE);

        blended.bind();
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
        EXPECT_EQ(1, gTextureBlends);
        EXPECT_TRUE(glIsEnabled(GL_BLEND));
        // An opaque colour keeps the blended texture blending.
        applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
        EXPECT_TRUE(glIsEnabled(GL_BLEND));
        applyPlainColour(1.0f, 1.0f, 1.0f, alpha);

        tested.bind();
        unbindTexture();
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLint>(tested.glName), bound);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
        EXPECT_EQ(0, gTextureBlends);
        EXPECT_EQ(translucent, glIsEnabled(GL_BLEND) == GL_TRUE);

        // A texture without a picture binds as no texture.
        tested.bind();
        Texture none;
        none.bind();
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    }
    blended.bind();
    unbindTexture();
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(TextureTest, FilteringAndSphereMapGeneration) {
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(1, 1, pngRgb, {1, 2, 3})));
    ASSERT_TRUE(writeScrambledFile("res/2.dat", makePng(1, 1, pngRgb, {1, 2, 3})));
    Texture first;
    Texture second;
    ASSERT_TRUE(first.load("res/1.dat"));
    ASSERT_TRUE(second.load("res/2.dat"));

    first.setNearest();
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLint>(first.glName), bound);
    GLint minFilter = 0;
    GLint magFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(GL_NEAREST, minFilter);
    EXPECT_EQ(GL_NEAREST, magFilter);
    first.setLinear();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(GL_LINEAR, minFilter);
    EXPECT_EQ(GL_LINEAR, magFilter);

    // Without a GL name nothing is bound or changed.
    second.bind();
    second.setNearest();
    Texture none;
    none.setNearest();
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLint>(second.glName), bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(GL_NEAREST, minFilter);
    none.setLinear();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(GL_NEAREST, minFilter);

    setSphereMapTexGen(true);
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    EXPECT_EQ(GL_SPHERE_MAP, mode);
    glGetTexGeniv(GL_T, GL_TEXTURE_GEN_MODE, &mode);
    EXPECT_EQ(GL_SPHERE_MAP, mode);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_T));
    setSphereMapTexGen(false);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_T));
}

TEST_F(TextureTest, FilesThatHoldNoPictureFailAndReloadFreesTheOldOne) {
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(1, 1, pngRgb, {1, 2, 3})));
    ASSERT_TRUE(writeFileBytes("res/2.dat", {}));
    ASSERT_TRUE(writeScrambledFile("res/3.dat", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}));
    // A picture stored without the scramble does not decode either.
    ASSERT_TRUE(writeFileBytes("res/4.dat", makePng(1, 1, pngRgb, {1, 2, 3})));

    Texture texture;
    EXPECT_FALSE(texture.load("res/missing.dat"));
    EXPECT_EQ(0u, texture.glName);
    for (const char* path : {"res/2.dat", "res/3.dat", "res/4.dat"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(texture.load(path));
        EXPECT_EQ(0u, texture.glName);
    }

    ASSERT_TRUE(texture.load("res/1.dat"));
    const GLuint old = texture.glName;
    ASSERT_TRUE(glIsTexture(old));
    EXPECT_FALSE(texture.load("res/missing.dat"));
    EXPECT_EQ(0u, texture.glName);
    EXPECT_FALSE(glIsTexture(old));
    texture.bind();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

// Without an OpenGL context glGenTextures gives no name: the load still
// reports the picture as read, and the texture binds as none.
TEST(TextureWithoutContext, NoGlNameLoadsAsAnEmptyTexture) {
    TestDirectory directory;
    ASSERT_TRUE(writeScrambledFile("res/1.dat", makePng(1, 1, pngRgba, {1, 2, 3, 4})));
    Texture texture;
    EXPECT_TRUE(texture.load("res/1.dat"));
    EXPECT_EQ(0u, texture.glName);
}
