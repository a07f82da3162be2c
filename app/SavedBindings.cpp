#include "app/SavedBindings.h"

#include "app/JoystickBindings.h"
#include "app/SaveCodec.h"
#include "engine/FileStream.h"

namespace {
const int32_t kDefaultExecuteButton = 1;
}  // namespace

bool loadSavedJoystickBindings() {
    resetJoystickBindings();
    FileStream stream;
    stream.openRead(saveFileName());
    const bool opened = !stream.failed();
    if (opened) {
        const uint32_t version = stream.readU32();
        if (!stream.failed() && decodeSaveInt(version) == kSaveVersion && !readJoystickBindings(stream)) {
            resetJoystickBindings();
        }
        stream.close();
    }
    if (gJoystickBindings.selectActionButton == kUnbound) {
        gJoystickBindings.selectActionButton = kHatOnly;
        gJoystickBindings.executeButton = kDefaultExecuteButton;
    }
    return opened;
}
