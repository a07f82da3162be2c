// Light slots handed out, waited for and handed over, and the surface colour
// rule that decides blending, checked against OpenGL's own state.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/Camera.h"
#include "engine/Light.h"
#include "engine/Platform.h"
#include "engine/SurfaceColour.h"
#include "support/GlTestWindow.h"

namespace {

class LightTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(initVideo("Quendralvoss", 64, 64, false)) << SDL_GetError();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gColourTranslucent = 0;
        gTextureBlends = 0;
    }
    void TearDown() override {
        for (Light* light : lights) {
            delete light;
        }
        SDL_Quit();
    }

    std::vector<float> lightValue(int slot, GLenum name, int count) {
        std::vector<float> value(4, -7.0f);
        glGetLightfv(static_cast<GLenum>(GL_LIGHT0 + slot), name, value.data());
        value.resize(static_cast<size_t>(count));
        return value;
    }

    std::vector<Light*> lights;
};

}  // namespace

TEST_F(LightTest, NinthLightWaitsAndTakesTheFirstFreedSlot) {
    for (int i = 0; i < 9; ++i) {
        lights.push_back(new Light());
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(i, lights[i]->slot);
        EXPECT_EQ(lights[i], gLightSlotOwners[i]);
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i));
    }
    Light* ninth = lights[8];
    EXPECT_EQ(-1, ninth->slot);
    ASSERT_EQ(1u, gLightWaitingList.size());
    EXPECT_EQ(ninth, gLightWaitingList.front());

    // A waiting light only stores its values.
    lights[3]->setColour(0.1f, 0.1f, 0.1f);
    ninth->setColour(0.5f, 0.25f, 0.125f);
    ninth->setPosition(1.0f, 2.0f, 3.0f);
    ninth->setRadius(10.0f);
    EXPECT_EQ((std::vector<float>{0.1f, 0.1f, 0.1f}), lightValue(3, GL_DIFFUSE, 3));

    delete lights[3];
    lights.erase(lights.begin() + 3);
    EXPECT_EQ(3, ninth->slot);
    EXPECT_EQ(ninth, gLightSlotOwners[3]);
    EXPECT_TRUE(gLightWaitingList.empty());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT3));
    EXPECT_EQ((std::vector<float>{0.5f, 0.25f, 0.125f, 1.0f}), lightValue(3, GL_DIFFUSE, 4));
    EXPECT_EQ((std::vector<float>{1.0f, 2.0f, 3.0f, 1.0f}), lightValue(3, GL_POSITION, 4));
    EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f, 1.0f}), lightValue(3, GL_AMBIENT, 4));
    EXPECT_EQ((std::vector<float>{1.0f, 1.0f, 1.0f, 1.0f}), lightValue(3, GL_SPECULAR, 4));
    EXPECT_FLOAT_EQ(0.2f, lightValue(3, GL_LINEAR_ATTENUATION, 1)[0]);
    EXPECT_EQ(0.0f, lightValue(3, GL_CONSTANT_ATTENUATION, 1)[0]);
    EXPECT_EQ(0.0f, lightValue(3, GL_QUADRATIC_ATTENUATION, 1)[0]);
}

TEST_F(LightTest, WaitingLightLeavesTheListAndLastLightFreesItsSlot) {
    for (int i = 0; i < 10; ++i) {
        lights.push_back(new Light());
    }
    Light* tenth = lights[9];
    delete lights[8];
    lights.erase(lights.begin() + 8);
    ASSERT_EQ(1u, gLightWaitingList.size());
    EXPECT_EQ(tenth, gLightWaitingList.front());
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(lights[i], gLightSlotOwners[i]);
    }
    for (Light* light : lights) {
        delete light;
    }
    lights.clear();
    EXPECT_TRUE(gLightWaitingList.empty());
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(nullptr, gLightSlotOwners[i]);
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + i));
    }

    Light* again = new Light();
    lights.push_back(again);
    EXPECT_EQ(0, again->slot);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(LightTest, DirectionPositionRadiusAndAmbientReachOpenGl) {
    Light* light = new Light();
    lights.push_back(light);
    EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 1.0f, 0.0f}), lightValue(0, GL_POSITION, 4));
    EXPECT_EQ((std::vector<float>{1.0f, 1.0f, 1.0f, 1.0f}), lightValue(0, GL_DIFFUSE, 4));
    EXPECT_FLOAT_EQ(2.0f, lightValue(0, GL_LINEAR_ATTENUATION, 1)[0]);

    light->setDirection(0.0f, 0.0f, -1.0f);
    EXPECT_EQ((std::vector<float>{-0.0f, -0.0f, 1.0f, 0.0f}), lightValue(0, GL_POSITION, 4));
    light->setDirection(1.0f, -2.0f, 0.5f);
    EXPECT_EQ((std::vector<float>{-1.0f, 2.0f, -0.5f, 0.0f}), lightValue(0, GL_POSITION, 4));

    // A radius of 0 or less must not divide by zero: the light is simply
    // not attenuated.
    for (const float radius : {0.0f, -3.0f}) {
        light->setRadius(radius);
        const float linear = lightValue(0, GL_LINEAR_ATTENUATION, 1)[0];
        const float constant = lightValue(0, GL_CONSTANT_ATTENUATION, 1)[0];
        EXPECT_TRUE(std::isfinite(linear));
        EXPECT_EQ(0.0f, linear);
        EXPECT_EQ(1.0f, constant);
    }
    light->setRadius(4.0f);
    EXPECT_FLOAT_EQ(0.5f, lightValue(0, GL_LINEAR_ATTENUATION, 1)[0]);
    EXPECT_EQ(0.0f, lightValue(0, GL_CONSTANT_ATTENUATION, 1)[0]);

    setAmbientLight(0.2f, 0.3f, 0.4f);
    GLfloat ambient[4] = {0, 0, 0, 0};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    EXPECT_FLOAT_EQ(0.3f, ambient[1]);
    EXPECT_EQ(1.0f, ambient[3]);

    // The camera re-sends positions under its view: a point light at world
    // (5, 0, 0) sits 5 units in front of the eye.
    light->setPosition(5.0f, 0.0f, 0.0f);
    Camera camera;
    camera.apply(true);
    const std::vector<float> eye = lightValue(0, GL_POSITION, 4);
    EXPECT_NEAR(0.0f, eye[0], 1e-5);
    EXPECT_NEAR(0.0f, eye[1], 1e-5);
    EXPECT_NEAR(-5.0f, eye[2], 1e-5);
}

TEST_F(LightTest, SurfaceColoursSwitchLightingAndBlending) {
    applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(1, gColourTranslucent);
    GLfloat colour[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(0.5f, colour[3]);
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(0, gColourTranslucent);

    gTextureBlends = 1;
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    gTextureBlends = 0;

    applyMaterial(0.2f, 0.4f, 0.6f, 0.75f, 0.3f, 0.5f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLfloat value[4] = {0, 0, 0, 0};
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, value);
    EXPECT_EQ((std::vector<float>{0.2f, 0.4f, 0.6f, 0.75f}), std::vector<float>(value, value + 4));
    glGetMaterialfv(GL_BACK, GL_SHININESS, value);
    EXPECT_EQ(64.0f, value[0]);

    applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}
