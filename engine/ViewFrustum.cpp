#include "engine/ViewFrustum.h"

#include <SDL_opengl.h>

#include <cmath>

namespace {

// World units a sphere must clear a plane by before it counts as outside:
// far more than the rounding of OpenGL's single-precision transform over the
// rooms' sizes, and far less than anything that could be seen.
const double kMargin = 0.01;

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
