#ifndef QUENDRALVOSS_PLAY_SCRIPTSTATE_H
#define QUENDRALVOSS_PLAY_SCRIPTSTATE_H

#include <cstdint>

#include "script/StepIds.h"

// Where the world script stands: the step it runs next (-1 for none), the
// seconds it waits before that, and this frame's step time.
struct ScriptState {
    int32_t scriptStep = step::kNone;
    float scriptStepDelay = 0.0f;
    float lastScriptDt = 0.0f;  // this frame's step time, for steps that run on
};

#endif
