#ifndef QUENDRALVOSS_ENGINE_CAMERA_H
#define QUENDRALVOSS_ENGINE_CAMERA_H

#include <cstdint>

#include "engine/Vec3.h"

// The perspective view of the Z-up world: with rotation 0 the camera looks
// along +X with +Y to its left and +Z up. Owners set the public fields
// directly before apply.
// The vertical field of view, in degrees, that the camera is built with and
// that every scene returns to.
const float kNormalFieldOfView = 70.0f;

class Camera {
public:
    // Aspect 4/3, at the origin, 70 degrees, near 0.01, far 100, black linear
    // fog from 80 to 100; also fixes OpenGL's fog hint and mode.
    Camera();

    // aspect = width / height.
    void setAspect(float width, float height);
    // Sets or disables fog, clears colour (to the fog colour) and depth when
    // clear is true, loads the projection and the view, re-sends the light
    // positions and enables the depth test.
    void apply(bool clear);

    float aspect;
    Vec3 position;
    Vec3 rotation;  // roll about X, pitch about Y, yaw about Z, in radians
    float fovy;     // degrees
    float nearPlane;
    float farPlane;
    uint32_t fogOn;
    float fogStart;
    float fogEnd;
    float fogColour[3];
};

extern Camera* gCamera;

#endif
