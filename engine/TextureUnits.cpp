#include "engine/TextureUnits.h"

#include <SDL_opengl.h>

#include <cstdlib>

#include "engine/Texture.h"

int32_t textureUnitCount() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) {
        return 1;
    }
    char* rest = nullptr;
    const long major = std::strtol(version, &rest, 10);
    const long minor = rest && *rest == '.' ? std::strtol(rest + 1, nullptr, 10) : 0;
    if (major < 1 || (major == 1 && minor < 3)) {
        return 1;
    }
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    return units;
}

void bindTextureOnUnit(int32_t unit, const Texture& texture) {
    glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + unit));
    glBindTexture(GL_TEXTURE_2D, texture.glName);
    glEnable(GL_TEXTURE_2D);
}

void resetTextureUnits(int32_t last) {
    for (int32_t unit = last; unit >= 1; --unit) {
        glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + unit));
        glDisable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    glActiveTexture(GL_TEXTURE0);
}

void bindSecondTextureUnit(const Texture& texture, float weight) {
    bindTextureOnUnit(1, texture);
    setSphereMapTexGen(true);
    const GLfloat constant[4] = {0.0f, 0.0f, 0.0f, weight};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, constant);
    // Interpolate: source 0 x source 2 + source 1 x (1 - source 2), the
    // alpha passed on from the unit before.
    static const struct {
        GLenum name;
        GLint value;
    } kInterpolate[] = {
        {GL_TEXTURE_ENV_MODE, GL_COMBINE},       {GL_COMBINE_RGB, GL_INTERPOLATE},
        {GL_SOURCE0_RGB, GL_TEXTURE},            {GL_OPERAND0_RGB, GL_SRC_COLOR},
        {GL_SOURCE1_RGB, GL_PREVIOUS},           {GL_OPERAND1_RGB, GL_SRC_COLOR},
        {GL_SOURCE2_RGB, GL_CONSTANT},           {GL_OPERAND2_RGB, GL_SRC_ALPHA},
        {GL_COMBINE_ALPHA, GL_REPLACE},          {GL_SOURCE0_ALPHA, GL_PREVIOUS},
        {GL_OPERAND0_ALPHA, GL_SRC_ALPHA},
    };
    for (const auto& setting : kInterpolate) {
        glTexEnvi(GL_TEXTURE_ENV, setting.name, setting.value);
    }
    glActiveTexture(GL_TEXTURE0);
}

void unbindSecondTextureUnit() {
    glActiveTexture(GL_TEXTURE1);
    setSphereMapTexGen(false);
    resetTextureUnits(1);
}
