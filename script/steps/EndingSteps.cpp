// The return home: the warnings at the house door and the last fade before the ending screen.
#include "play/PlayScreen.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kEndingRows[] = {
    {step::kTimelyReturn, kStepSilent, 0, 0.0f, kStpTimelyReturn, kKeepDelay, step::kFirstWarning},
    {step::kSecondWarning, kStepSilent, 0, 0.0f, kStpWarning2, kKeepDelay, step::kThirdWarning},
    {step::kThirdWarning, kStepSilent, 0, 0.0f, kStpWarning3, kKeepDelay, step::kEndingHalfWay},
};

void firstWarning(PlayScreen& play) {
    play.story.endingProgress = 0.0001f;
    play.startCameraFlight(Vec3(-12.08f, -2.83f, 1.32f), Vec3(0.0f, 0.244346f, 1.6057f), 6.0f, true);
    say(play, kStpWarning1);
    play.script.scriptStep = step::kSecondWarning;
}

// Waits for the ending progress to reach its half-way mark, then moves it on.
void endingHalfWay(PlayScreen& play) {
    if (play.story.endingProgress != 0.5f) {
        return;
    }
    play.story.endingProgress = 0.5001f;
    play.startCameraFlight(Vec3(-12.06f, -2.7f, 1.34f), Vec3(0.0f, 0.0610865f, -4.66003f), 6.0f, true);
    nextAfter(play, 9.0f, step::kEndingFades);
}

// Step 142 hands over to the ending screen (ScriptSteps.cpp).
void endingFades(PlayScreen& play) {
    play.script.scriptStepDelay = 4.0f;
    fadeScene(play, 0.0f, 0.25f);
    play.script.scriptStep = step::kShowEndingScreen;
}

const StepRecord kEndingRecords[] = {{step::kFirstWarning, firstWarning}, {step::kEndingHalfWay, endingHalfWay},
                                     {step::kEndingFades, endingFades}};

}  // namespace

const SceneSteps kEndingSteps = {kEndingRows, entryCount(kEndingRows), kEndingRecords, entryCount(kEndingRecords)};
