#include "engine/ViewFrustum.h"

#include <SDL_opengl.h>

#include <cmath>

#include "engine/Angles.h"

namespace {

// World units a sphere must clear a plane by before it counts as outside:
// far more than the rounding of OpenGL's single-precision transform over the
// rooms' sizes, and far less than anything that could be seen.
const double kMargin = 0.01;

const double kPiDouble = 3.14159265358979323846;

// Turns (x, y, z) by angle about axis (0 X, 1 Y, 2 Z), right-handed.
void turn(double v[3], int axis, double angle) {
    const int u = (axis + 1) % 3;
    const int w = (axis + 2) % 3;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double a = v[u] * c - v[w] * s;
    const double b = v[u] * s + v[w] * c;
    v[u] = a;
    v[w] = b;
}

}  // namespace

ViewFrustum::ViewFrustum() : planes(), ready(false) {}

void ViewFrustum::setFromMatrices(const float projection[16], const float modelview[16]) {
    // clip[r][c], row r and column c of projection x modelview.
    double clip[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += static_cast<double>(projection[k * 4 + r]) * static_cast<double>(modelview[c * 4 + k]);
            }
            clip[r][c] = sum;
        }
    }
    // w + x, w - x, w + y, w - y, w + z, w - z.
    ready = true;
    for (int p = 0; p < 6; ++p) {
        const int axis = p / 2;
        const double sign = p % 2 == 0 ? 1.0 : -1.0;
        double* plane = planes[p];
        for (int c = 0; c < 4; ++c) {
            plane[c] = clip[3][c] + sign * clip[axis][c];
        }
        const double length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
        if (!(length > 0.0)) {
            // A degenerate view: nothing can be proved outside it.
            ready = false;
            return;
        }
        for (int c = 0; c < 4; ++c) {
            plane[c] /= length;
        }
    }
}

void ViewFrustum::setFromCurrentMatrices() {
    GLfloat projection[16];
    GLfloat modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    setFromMatrices(projection, modelview);
}

bool ViewFrustum::excludesSphere(const Vec3& centre, float radius) const {
    if (!ready || !(radius >= 0.0f)) {
        return false;
    }
    const double reach = -(static_cast<double>(radius) + kMargin);
    for (const double* plane : planes) {
        const double distance = plane[0] * centre.x + plane[1] * centre.y + plane[2] * centre.z + plane[3];
        if (distance < reach) {
            return true;
        }
    }
    return false;
}

uint32_t ViewFrustum::outsideMask(const Vec3& point) const {
    if (!ready) {
        return 0;
    }
    uint32_t mask = 0;
    for (int p = 0; p < 6; ++p) {
        const double* plane = planes[p];
        const double distance = plane[0] * point.x + plane[1] * point.y + plane[2] * point.z + plane[3];
        if (distance < -kMargin) {
            mask |= 1u << p;
        }
    }
    return mask;
}

ViewFrustum ViewFrustum::inModelSpace(const Vec3& position, const Vec3& rotation) const {
    ViewFrustum model = *this;
    if (!ready) {
        return model;
    }
    // A model point m lies at R m + position, R turning about X, then Y, then
    // Z; so n . (R m + position) + d = (R^T n) . m + (n . position + d).
    const double angles[3] = {static_cast<double>(rotation.x * kDegreesPerRadian) * (kPiDouble / 180.0),
                              static_cast<double>(rotation.y * kDegreesPerRadian) * (kPiDouble / 180.0),
                              static_cast<double>(rotation.z * kDegreesPerRadian) * (kPiDouble / 180.0)};
    for (int p = 0; p < 6; ++p) {
        const double* plane = planes[p];
        double n[3] = {plane[0], plane[1], plane[2]};
        model.planes[p][3] = plane[3] + n[0] * position.x + n[1] * position.y + n[2] * position.z;
        turn(n, 2, -angles[2]);
        turn(n, 1, -angles[1]);
        turn(n, 0, -angles[0]);
        model.planes[p][0] = n[0];
        model.planes[p][1] = n[1];
        model.planes[p][2] = n[2];
    }
    return model;
}
