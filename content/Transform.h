#ifndef QUENDRALVOSS_CONTENT_TRANSFORM_H
#define QUENDRALVOSS_CONTENT_TRANSFORM_H

#include "content/V3.h"

// An affine transform (3x3 linear part and a translation) for placing and
// posing geometry. Rotations take degrees; rotateXYZ turns about X first,
// then Y, then Z, as the game's rotation triples do.
class Transform {
public:
    Transform();  // identity

    static Transform translation(V3 t);
    static Transform scaling(V3 s);
    static Transform rotationX(float degrees);
    static Transform rotationY(float degrees);
    static Transform rotationZ(float degrees);
    static Transform rotateXYZ(V3 degrees);
    // Rotation by degrees about the given point.
    static Transform rotateAbout(V3 pivot, V3 degrees);

    // this applied after other: (this * other)(p) = this(other(p)).
    Transform operator*(const Transform& other) const;
    V3 point(V3 p) const;
    // Transforms a normal with the inverse transpose of the linear part.
    V3 normal(V3 n) const;

    float m[3][3];
    V3 t;
};

#endif
