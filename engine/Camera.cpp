#include "engine/Camera.h"

#include <SDL_opengl.h>
#include <GL/glu.h>

#include "engine/Angles.h"
#include "engine/Light.h"

Camera* gCamera = nullptr;

Camera::Camera()
    : aspect(4.0f / 3.0f),
      position(0.0f, 0.0f, 0.0f),
      rotation(0.0f, 0.0f, 0.0f),
      fovy(kNormalFieldOfView),
      nearPlane(0.01f),
      farPlane(100.0f),
      fogOn(1),
      fogStart(80.0f),
      fogEnd(100.0f),
      fogColour{0.0f, 0.0f, 0.0f} {
    glHint(GL_FOG_HINT, GL_NICEST);
    glFogi(GL_FOG_MODE, GL_LINEAR);
}

void Camera::setAspect(float width, float height) {
    aspect = static_cast<float>(static_cast<double>(width) / static_cast<double>(height));
}

void Camera::apply(bool clear) {
    if (fogOn) {
        glEnable(GL_FOG);
        glFogf(GL_FOG_START, fogStart);
        glFogf(GL_FOG_END, fogEnd);
        const GLfloat colour[4] = {fogColour[0], fogColour[1], fogColour[2], 1.0f};
        glFogfv(GL_FOG_COLOR, colour);
    } else {
        glDisable(GL_FOG);
    }
    if (clear) {
        glClearColor(fogColour[0], fogColour[1], fogColour[2], 1.0f);
        glClearDepth(1.0);
        glDepthFunc(GL_LEQUAL);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy, aspect, nearPlane, farPlane);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // OpenGL looks along -Z with +Y up; these two turns make world +X the
    // viewing direction, +Z up and +Y left.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    glRotatef(-rotation.x * kDegreesPerRadian, 1.0f, 0.0f, 0.0f);
    glRotatef(-rotation.y * kDegreesPerRadian, 0.0f, 1.0f, 0.0f);
    glRotatef(-rotation.z * kDegreesPerRadian, 0.0f, 0.0f, 1.0f);
    glTranslatef(-position.x, -position.y, -position.z);

    applyLightPositions();
    glEnable(GL_DEPTH_TEST);
}
