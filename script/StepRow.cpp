#include "script/StepRow.h"

#include "engine/CountOf.h"
#include "engine/ResourcesByNumber.h"
#include "play/PlayScreen.h"
#include "play/SoundCue.h"
#include "script/StepParts.h"

// Where the world script finds a step: every scene's steps, each number in
// exactly one scene.

const SceneSteps* const kStepScenes[] = {
    &kShortAnswerSteps, &kSkeletonSteps, &kShadyCatSteps,     &kMoniqueSteps, &kStatueSteps,      &kDogSteps,
    &kSomethingSteps,   &kPumpkinSteps,  &kDoorSteps,         &kFishSteps,    &kPaintingSteps,    &kCrystalBallSteps,
    &kDustSteps,        &kGoatSteps,     &kPersonSteps,       &kSpecialTrickSteps, &kLetterSteps, &kGateSteps,
    &kSpiderSteps,      &kBatSteps,      &kEndingSteps,
};
const int32_t kStepSceneCount = COUNT_OF(kStepScenes);

void runStepRow(PlayScreen& play, const StepRow& row) {
    if (row.call == kStepCue) {
        playCueOnAnyChannel(row.sound, row.volume);
    } else if (row.call == kStepMusic) {
        playMusicTrack(row.sound);
    }
    if (row.line != kNoStepLine) {
        say(play, row.line);
    }
    if (row.delay != kKeepDelay) {
        play.script.scriptStepDelay = row.delay;
    }
    play.script.scriptStep = row.next;
}

bool runStep(PlayScreen& play, int32_t step) {
    for (const SceneSteps* scene : kStepScenes) {
        for (int32_t k = 0; k < scene->rowCount; ++k) {
            if (scene->rows[k].step == step) {
                runStepRow(play, scene->rows[k]);
                return true;
            }
        }
        for (int32_t k = 0; k < scene->recordCount; ++k) {
            if (scene->records[k].step == step) {
                scene->records[k].handler(play);
                return true;
            }
        }
    }
    return false;
}
