#include "play/CameraFlight.h"

#include "engine/Camera.h"

CameraFlight::CameraFlight() : flightDuration(0.0f), flightElapsed(0.0f), flightEase(false) {}

void CameraFlight::resetCameraFlight() {
    flightStartAngles.set(0.0f, 0.0f, 0.0f);
    flightStartPosition.set(0.0f, 0.0f, 0.0f);
    flightEndAngles.set(0.0f, 0.0f, 0.0f);
    flightEndPosition.set(0.0f, 0.0f, 0.0f);
    flightDuration = 0.0f;
    flightElapsed = 0.0f;
    flightEase = false;
}

void CameraFlight::startCameraFlight(const Vec3& endPosition, const Vec3& endAngles, float duration, bool ease) {
    flightStartAngles = gCamera->rotation;
    flightStartPosition = gCamera->position;
    flightEndAngles = endAngles;
    flightEndPosition = endPosition;
    flightDuration = duration > 0.0f ? duration : 0.001f;
    flightElapsed = 0.0f;
    flightStartAngles.unwrapAngles(flightEndAngles);
    flightEase = ease;
}

namespace {

// start + (end - start) * p, component by component.
Vec3 along(const Vec3& start, const Vec3& end, float p) {
    Vec3 v = end;
    v.subtract(start);
    v.scale(p);
    v.add(start);
    return v;
}

}  // namespace

void CameraFlight::stepCameraFlight(float dt) {
    if (flightDuration == 0.0f) {
        return;
    }
    float t = flightElapsed + dt;
    if (t > flightDuration) {
        t = flightDuration;
    }
    flightElapsed = t;
    float p = t / flightDuration;
    if (flightEase) {
        p = 1.0f - (1.0f - p) * (1.0f - p);
    }
    gCamera->position = along(flightStartPosition, flightEndPosition, p);
    gCamera->rotation = along(flightStartAngles, flightEndAngles, p);
    if (flightElapsed == flightDuration) {
        flightDuration = 0.0f;
    }
}
