#ifndef QUENDRALVOSS_PLAY_ROOMRECORD_H
#define QUENDRALVOSS_PLAY_ROOMRECORD_H

#include <cstdint>
#include <memory>

#include "text/ObjectNames.h"

class GlowSprite;
class SceneObject;
struct RoomRow;

// One row of a room table being filled in: a freshly constructed scene object
// whose fields the row sets, with its glow sprites appended in row order. The
// room builder hands the finished object (take) to the world list, which owns
// it from then on; an object never handed over is freed with the record.
class RoomRecord {
public:
    // A new constructed SceneObject with the constructor's defaults.
    RoomRecord();
    // A new object with the row's fields set: mesh, textures, position, turn,
    // collision box and draw distance, each only where the row gives one.
    explicit RoomRecord(const RoomRow& row);
    ~RoomRecord();

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
    // Hands the object over; the record holds none afterwards.
    std::unique_ptr<SceneObject> take();

    std::unique_ptr<SceneObject> object;
};

// Sets the sprite's colour.
void setGlowColour(GlowSprite* sprite, float r, float g, float b, float a);

#endif
