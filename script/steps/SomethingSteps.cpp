// The something: the unseen presence that answers with silence and music.
#include "catalog/ResourceCatalog.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSomethingRows[] = {
    {9, kStepSilent, 0, 0.0f, kStpMakesNoSense, kKeepDelay, -1},
    {12, kStepSilent, 0, 0.0f, kStpNothingHeard, kKeepDelay, -1},
    {49, kStepMusic, music::kQuietNight, 0.0f, kStpSomethingEmpty, kKeepDelay, 50},
    {50, kStepSilent, 0, 0.0f, kStpSomethingEmpty, kKeepDelay, 51},
    {51, kStepSilent, 0, 0.0f, kStpSomethingEmpty, kKeepDelay, 144},
    {144, kStepMusic, music::kStreet, 0.0f, kNoStepLine, kKeepDelay, -1},
};

}  // namespace

const SceneSteps kSomethingSteps = {kSomethingRows, entryCount(kSomethingRows), nullptr, 0};
