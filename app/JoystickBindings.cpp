#include "app/JoystickBindings.h"

#include "app/SaveCodec.h"
#include "engine/FileStream.h"

JoystickBindings gJoystickBindings = {-1, -1, -1, -1, -1, -1, -1, -1, 0.0f, 0.0f, 0.0f, 0.0f};

namespace {
// The block's order in the save file, which is not the order of the fields.
int32_t* const kIndexOrder[8] = {
    &gJoystickBindings.selectActionButton, &gJoystickBindings.selectTargetButton,
    &gJoystickBindings.executeButton,      &gJoystickBindings.switchMenuButton,
    &gJoystickBindings.walkLeftAxis,       &gJoystickBindings.walkAheadAxis,
    &gJoystickBindings.lookLeftAxis,       &gJoystickBindings.lookUpAxis};
float* const kSignOrder[4] = {&gJoystickBindings.walkLeftSign, &gJoystickBindings.walkAheadSign,
                              &gJoystickBindings.lookLeftSign, &gJoystickBindings.lookUpSign};
}  // namespace

void resetJoystickBindings() {
    for (int32_t* index : kIndexOrder) {
        *index = kUnbound;
    }
    for (float* sign : kSignOrder) {
        *sign = 0.0f;
    }
}

bool writeJoystickBindings(FileStream& stream) {
    for (const int32_t* index : kIndexOrder) {
        stream.writeU32(encodeSaveInt(*index));
        if (stream.failed()) {
            return false;
        }
    }
    for (const float* sign : kSignOrder) {
        stream.writeU32(encodeSaveFloat(*sign));
        if (stream.failed()) {
            return false;
        }
    }
    return true;
}

bool readJoystickBindings(FileStream& stream) {
    for (int32_t* index : kIndexOrder) {
        *index = decodeSaveInt(stream.readU32());
        if (stream.failed()) {
            return false;
        }
    }
    for (float* sign : kSignOrder) {
        *sign = decodeSaveFloat(stream.readU32());
        if (stream.failed()) {
            return false;
        }
    }
    return true;
}
