#include "engine/FatalErrorHook.h"

FatalErrorHandler gFatalErrorHandler = nullptr;

void reportFatalError(int32_t code, const std::string& detail) {
    if (gFatalErrorHandler) {
        gFatalErrorHandler(code, detail);
    }
}
