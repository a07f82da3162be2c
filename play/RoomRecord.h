#ifndef QUENDRALVOSS_PLAY_ROOMRECORD_H
#define QUENDRALVOSS_PLAY_ROOMRECORD_H

#include <cstdint>

#include "text/ObjectNames.h"

class GlowSprite;
class SceneObject;

// One row of a room table being filled in: a freshly constructed scene object
// whose fields the row sets, with its glow sprites appended in row order. The
// room builder appends the finished object to the world list, which owns it
// from then on.
class RoomRecord {
public:
    // A new constructed SceneObject with the constructor's defaults.
    RoomRecord();

    RoomRecord& name(ObjectName id);
    RoomRecord& mesh(int32_t n);
    RoomRecord& texture(int32_t n);
    RoomRecord& secondTexture(int32_t n);
    RoomRecord& at(float x, float y, float z);
    // Rotation given in degrees, stored in radians.
    RoomRecord& turnDegrees(float x, float y, float z);
    // Rotation given in radians.
    RoomRecord& turnRadians(float x, float y, float z);
    RoomRecord& size(float hx, float hy, float hz);
    RoomRecord& speed(float s);
    RoomRecord& animTime(float t);
    RoomRecord& drawDistance(float d);
    RoomRecord& sphereMapped();
    // Appends a glow sprite on vertex (created with its defaults) and returns
    // it for the row's quad vector and colour.
    GlowSprite* glow(int32_t vertex);

    SceneObject* object;
};

// Sets the sprite's colour.
void setGlowColour(GlowSprite* sprite, float r, float g, float b, float a);

#endif
