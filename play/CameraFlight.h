#ifndef QUENDRALVOSS_PLAY_CAMERAFLIGHT_H
#define QUENDRALVOSS_PLAY_CAMERAFLIGHT_H

#include "engine/Vec3.h"

// The smooth move of gCamera from its pose at the start to a given pose,
// turning the short way round, at constant speed or easing out. A duration of
// 0 means that no flight runs.
class CameraFlight {
public:
    // No flight; all vectors zero.
    CameraFlight();

    // Starts from gCamera's present position and view angles; a duration of 0
    // or less becomes 0.001, so the flight ends on the next step.
    void startCameraFlight(const Vec3& endPosition, const Vec3& endAngles, float duration, bool ease);
    // Advances a running flight by dt and moves gCamera; at the end the
    // duration becomes 0 and the camera keeps the end pose. Nothing when no
    // flight runs.
    void stepCameraFlight(float dt);
    // Ends any flight and zeroes the vectors.
    void resetCameraFlight();
    bool isRunning() const { return flightDuration != 0.0f; }

    Vec3 flightStartAngles;
    Vec3 flightStartPosition;
    Vec3 flightEndAngles;
    Vec3 flightEndPosition;
    float flightDuration;
    float flightElapsed;
    bool flightEase;
};

#endif
