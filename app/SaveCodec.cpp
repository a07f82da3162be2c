#include "app/SaveCodec.h"

#include <cmath>

#include "app/FatalError.h"
#include "text/Text.h"

namespace {
const uint32_t kTrueWord = 792;
const uint32_t kFalseWord = 990;
const uint32_t kIntOffset = 669;
const uint32_t kFloatOffset = 669669;
}  // namespace

const char* saveFileName() { return "game.sav"; }

uint32_t encodeSaveBool(bool value) { return value ? kTrueWord : kFalseWord; }

bool decodeSaveBool(uint32_t word) {
    if (word == kTrueWord) {
        return true;
    }
    if (word != kFalseWord) {
        raiseFatalError(kFatalGeneral, text::kErrorSaveCorrupted);
    }
    return false;
}

uint32_t encodeSaveInt(int32_t value) { return static_cast<uint32_t>(value) + kIntOffset; }

int32_t decodeSaveInt(uint32_t word) { return static_cast<int32_t>(word - kIntOffset); }

uint32_t encodeSaveFloat(float value) {
    const double scaled = static_cast<double>(value) * 10000.0;
    int32_t steps;
    // The range test also catches NaN, for which every comparison is false.
    if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) {
        steps = INT32_MIN;
    } else {
        steps = static_cast<int32_t>(scaled);
        if (steps == 0 && value != 0.0f) {
            steps = value > 0.0f ? 1 : -1;
        }
    }
    return static_cast<uint32_t>(steps) + kFloatOffset;
}

float decodeSaveFloat(uint32_t word) {
    const int32_t steps = static_cast<int32_t>(word - kFloatOffset);
    return static_cast<float>(steps) * 0.0001f;
}

float saveFloatStepAwayFromZero(float decoded) {
    const double steps = std::round(static_cast<double>(decoded) * 10000.0);
    if (steps == 0.0 || !(std::fabs(steps) < 2147483647.0)) {
        return decoded;
    }
    const int32_t next = static_cast<int32_t>(steps) + (steps > 0.0 ? 1 : -1);
    return static_cast<float>(next) * 0.0001f;
}
