// The something: the unseen presence that answers with silence and music.
#include "catalog/ResourceCatalog.h"
#include "script/StepIds.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSomethingRows[] = {
    {step::kMakesNoSense, kStepSilent, 0, 0.0f, kStpMakesNoSense, kKeepDelay, step::kNone},
    {step::kNothingHeard, kStepSilent, 0, 0.0f, kStpNothingHeard, kKeepDelay, step::kNone},
    {step::kSomethingFirstSilence, kStepMusic, music::kQuietNight, 0.0f, kStpSomethingEmpty, kKeepDelay,
     step::kSomethingSecondSilence},
    {step::kSomethingSecondSilence, kStepSilent, 0, 0.0f, kStpSomethingEmpty, kKeepDelay, step::kSomethingThirdSilence},
    {step::kSomethingThirdSilence, kStepSilent, 0, 0.0f, kStpSomethingEmpty, kKeepDelay, step::kStreetMusicReturns},
    {step::kStreetMusicReturns, kStepMusic, music::kStreet, 0.0f, kNoStepLine, kKeepDelay, step::kNone},
};

}  // namespace

const SceneSteps kSomethingSteps = {kSomethingRows, entryCount(kSomethingRows), nullptr, 0};
