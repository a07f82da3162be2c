#include "play/RoomRecord.h"

#include "engine/Angles.h"
#include "play/GlowSprite.h"
#include "play/RoomRow.h"
#include "play/SceneObject.h"

RoomRecord::RoomRecord() : object(makeSceneObject()) {}

RoomRecord::RoomRecord(const RoomRow& row) : object(makeSceneObject()) {
    if (row.mesh >= 0) {
        mesh(row.mesh);
    }
    if (row.texture >= 0) {
        texture(row.texture);
    }
    if (row.secondTexture >= 0) {
        secondTexture(row.secondTexture);
    }
    at(row.x, row.y, row.z);
    if (row.turnZ != 0.0f) {
        turnDegrees(0.0f, 0.0f, row.turnZ);
    }
    if (row.hx != kNoCollision) {
        size(row.hx, row.hy, row.hz);
    }
    if (row.draw > 0.0f) {
        drawDistance(row.draw);
    }
}

RoomRecord::~RoomRecord() = default;

std::unique_ptr<SceneObject> RoomRecord::take() { return std::move(object); }

RoomRecord& RoomRecord::name(ObjectName id) {
    object->name = objectName(id);
    return *this;
}

RoomRecord& RoomRecord::mesh(int32_t n) {
    object->setSceneObjectMesh(n);
    return *this;
}

RoomRecord& RoomRecord::texture(int32_t n) {
    object->setSceneObjectTexture(n);
    return *this;
}

RoomRecord& RoomRecord::secondTexture(int32_t n) {
    object->setSceneObjectSecondTexture(n);
    return *this;
}

RoomRecord& RoomRecord::at(float x, float y, float z) {
    object->position.set(x, y, z);
    return *this;
}

RoomRecord& RoomRecord::turnDegrees(float x, float y, float z) {
    object->rotation.set(x * kDegrees, y * kDegrees, z * kDegrees);
    return *this;
}

RoomRecord& RoomRecord::turnRadians(float x, float y, float z) {
    object->rotation.set(x, y, z);
    return *this;
}

RoomRecord& RoomRecord::size(float hx, float hy, float hz) {
    object->halfSize.set(hx, hy, hz);
    return *this;
}

RoomRecord& RoomRecord::speed(float s) {
    object->animSpeed = s;
    return *this;
}

RoomRecord& RoomRecord::animTime(float t) {
    object->animTime = t;
    return *this;
}

RoomRecord& RoomRecord::drawDistance(float d) {
    object->drawDistance = d;
    return *this;
}

RoomRecord& RoomRecord::sphereMapped() {
    object->sphereMapped = true;
    return *this;
}

GlowSprite* RoomRecord::glow(int32_t vertex) {
    return &object->attachGlowSprite(vertex);
}

void setGlowColour(GlowSprite* sprite, float r, float g, float b, float a) {
    sprite->colour[0] = r;
    sprite->colour[1] = g;
    sprite->colour[2] = b;
    sprite->colour[3] = a;
}
