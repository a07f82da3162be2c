#ifndef QUENDRALVOSS_ENGINE_VIEWFRUSTUM_H
#define QUENDRALVOSS_ENGINE_VIEWFRUSTUM_H

#include <cstdint>

#include "engine/Vec3.h"

// The part of the world a perspective view can show: the six planes of
// OpenGL's clip volume (left, right, bottom, top, near, far) carried back into
// world coordinates through the projection and model-view matrices that are
// loaded when the scene is drawn.
//
// Why a sphere outside one plane cannot put a pixel on the screen:
// OpenGL keeps a point only if clip w+x, w-x, w+y, w-y, w+z, w-z are all >= 0, each a plane of the world point;
// a triangle is a convex mix of its corners, so if all three lie beyond one plane so does all of it: nothing is drawn.
class ViewFrustum {
public:
    // No planes yet: excludes nothing.
    ViewFrustum();

    // Planes of clip = projection x modelview; both column-major as
    // glGetFloatv gives them, the model-view placing world points in the eye.
    void setFromMatrices(const float projection[16], const float modelview[16]);
    // The same from the matrices OpenGL holds now.
    void setFromCurrentMatrices();
    // True when the sphere lies wholly beyond one of the planes, by more than
    // a small margin that swallows rounding; false when any of it may show.
    bool excludesSphere(const Vec3& centre, float radius) const;
    // One bit per plane that point lies beyond by more than the margin; a
    // triangle or quad whose corners share a bit lies wholly outside.
    uint32_t outsideMask(const Vec3& point) const;
    // The same view in the coordinates of a model placed at position and
    // turned by rotation (radians about X, then Y, then Z, as glRotatef turns
    // a scene object), for testing parts of its mesh.
    ViewFrustum inModelSpace(const Vec3& position, const Vec3& rotation) const;

private:
    // a, b, c, d with a x + b y + c z + d >= 0 inside; (a, b, c) of unit
    // length, so the value is a distance in world units.
    double planes[6][4];
    bool ready;
};

#endif
