#include "app/FatalError.h"

#include "app/GameState.h"
#include "engine/EngineTexts.h"
#include "engine/FatalErrorHook.h"
#include "text/Text.h"

std::string gFatalErrorText;

void raiseFatalError(int32_t code, const std::string& detail) {
    std::string body;
    switch (code) {
    case kFatalResourceFile:
        body = std::string(text::kErrorResourceHead) + detail + text::kErrorResourceAdvice;
        break;
    case kFatalAudio:
        body = text::kErrorAudio;
        break;
    case kFatalAspectRatio:
        body = text::kErrorAspectRatio;
        break;
    default:
        body = detail + text::kErrorGeneralAdvice;
        break;
    }
    gFatalErrorText = std::string(text::kErrorHead) + body + text::kErrorTail;
    gGameState = kGameStateError;
}

void installFatalErrorHandler() {
    gFatalErrorHandler = raiseFatalError;
    gEngineTexts.missingMeshObject = text::kErrorMissingMeshObject;
    gEngineTexts.missingTextureObject = text::kErrorMissingTextureObject;
    gEngineTexts.missingSoundObject = text::kErrorMissingSoundObject;
}
