#ifndef QUENDRALVOSS_SCRIPT_STEPROW_H
#define QUENDRALVOSS_SCRIPT_STEPROW_H

#include <cstddef>
#include <cstdint>

#include "text/StepTexts.h"

class PlayScreen;

// The world script's steps, one list of them for each scene of the story
// (script/steps/). A step that only plays a sound, says a line, sets a delay
// and writes the next step is a row; any other step is a handler.

// A step handler: runs once and writes the next step.
typedef void (*StepHandler)(PlayScreen& play);

// One step number with its handler.
struct StepRecord {
    int32_t step;
    StepHandler handler;
};

// How a row plays its sound.
enum StepSound : int32_t {
    kStepSilent,  // no sound
    kStepCue,     // playCueOnAnyChannel(sound, volume)
    kStepMusic,   // playMusicTrack(sound); the volume is not used
};

// The blanks of a row: no line (the panel is left as it is), and the delay
// left as it is.
const StepText kNoStepLine = kStepTextCount;
const float kKeepDelay = -1.0f;

// One uniform step. Running it plays the sound, says the line, sets the delay
// and writes next, in that order; sound, line and delay are optional.
struct StepRow {
    int32_t step;
    StepSound call;
    int32_t sound;
    float volume;
    StepText line;
    float delay;
    int32_t next;  // -1: the chain ends
};

// The steps of one scene: its rows and its handlers.
struct SceneSteps {
    const StepRow* rows;
    int32_t rowCount;
    const StepRecord* records;
    int32_t recordCount;
};

// The number of entries of a row or record array, for its scene.
template <typename Entry, size_t N>
constexpr int32_t entryCount(const Entry (&)[N]) {
    return static_cast<int32_t>(N);
}

// Runs step (1..144) from its scene's row or handler; false when no scene
// has it (the caller ends the chain).
bool runStep(PlayScreen& play, int32_t step);
// Plays the row's sound, says its line, sets its delay, writes its next step.
void runStepRow(PlayScreen& play, const StepRow& row);

// The scenes, in story order (StepRow.cpp lists them for runStep).
extern const SceneSteps kShortAnswerSteps;
extern const SceneSteps kSkeletonSteps;
extern const SceneSteps kShadyCatSteps;
extern const SceneSteps kMoniqueSteps;
extern const SceneSteps kStatueSteps;
extern const SceneSteps kDogSteps;
extern const SceneSteps kSomethingSteps;
extern const SceneSteps kPumpkinSteps;
extern const SceneSteps kDoorSteps;
extern const SceneSteps kFishSteps;
extern const SceneSteps kPaintingSteps;
extern const SceneSteps kCrystalBallSteps;
extern const SceneSteps kDustSteps;
extern const SceneSteps kGoatSteps;
extern const SceneSteps kPersonSteps;
extern const SceneSteps kSpecialTrickSteps;
extern const SceneSteps kLetterSteps;
extern const SceneSteps kGateSteps;
extern const SceneSteps kSpiderSteps;
extern const SceneSteps kBatSteps;
extern const SceneSteps kEndingSteps;

// The scene list itself, for checks over every step.
extern const SceneSteps* const kStepScenes[];
extern const int32_t kStepSceneCount;

#endif
