#ifndef QUENDRALVOSS_APP_FATALERROR_H
#define QUENDRALVOSS_APP_FATALERROR_H

#include <cstdint>
#include <string>

// The message that the error screen shows; each raise replaces it whole.
extern std::string gFatalErrorText;

enum FatalErrorCode : int32_t {
    kFatalGeneral = 0,
    kFatalResourceFile = 1,
    kFatalAudio = 2,
    kFatalAspectRatio = 3
};

// Composes the message for code (anything but 1, 2, 3 counts as 0) and detail
// (placed in the body by codes 0 and 1, ignored by 2 and 3), stores it in
// gFatalErrorText and sets GameState to 3. It never stops the program: the
// caller tests GameState and returns.
void raiseFatalError(int32_t code, const std::string& detail);

// Points the engine's fatal-error hook at raiseFatalError and the engine's
// language-dependent error texts at this build's table (done once at start-up).
void installFatalErrorHandler();

#endif
