// The bird statues: they wake, speak their rhyme in turn and judge the player.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kStatueRows[] = {
    {step::kAfterStatuesWake, kStepSilent, 0, 0.0f, kNoStepLine, 1.0f, step::kTurnToRightStatue},
    {step::kRightStatueRejects, kStepCue, sound::kRightBirdVoice, 0.8f, kStpRightStatueRejects, kKeepDelay,
     step::kNone},
    {step::kLeftStatueContent, kStepCue, sound::kLeftBirdVoice, 0.8f, kStpLeftStatueContent, kKeepDelay, step::kNone},
};

// The waking statues jolted the camera toward them; it draws back from the
// wall to 0.2 behind the player's eye.
void cameraDrawsBack(PlayScreen& play) {
    Vec3 eye = play.player.playerEyePosition();
    eye.y -= 0.2f;
    play.startCameraFlight(eye, play.player.playerViewAngles(), 0.3f, false);
    nextAfter(play, 0.3f, step::kAfterStatuesWake);
}

void turnToRightStatue(PlayScreen& play) {
    flyToward(play, gCamera->position, sceneObject(play, kObjRightBirdStatue)->position, 1.0f, true);
    nextAfter(play, 1.2f, step::kRightStatueDuty);
}

void rightStatueDuty(PlayScreen& play) {
    animate(sceneObject(play, kObjLeftBirdStatue), 3.0f, 0.0f);
    animate(sceneObject(play, kObjRightBirdStatue), 3.0f, 0.0f);
    playCueOnAnyChannel(sound::kRightBirdVoice, 0.8f);
    say(play, kStpRightStatueDuty);
    play.script.scriptStep = step::kLeftStatuePurpose;
}

// One line of the statues' rhyme, the camera turning to the speaker.
void statueLine(PlayScreen& play, ObjectName statue, StepText line, int32_t next) {
    flyToward(play, gCamera->position, sceneObject(play, statue)->position, 1.5f, true);
    cueLine(play, statue == kObjLeftBirdStatue ? sound::kLeftBirdVoice : sound::kRightBirdVoice, 0.8f, line, next);
}

void leftStatuePurpose(PlayScreen& play) {
    statueLine(play, kObjLeftBirdStatue, kStpLeftStatuePurpose, step::kRightStatueOnShow);
}
void rightStatueOnShow(PlayScreen& play) {
    statueLine(play, kObjRightBirdStatue, kStpRightStatueOnShow, step::kLeftStatueEnds);
}
void leftStatueEnds(PlayScreen& play) { statueLine(play, kObjLeftBirdStatue, kStpLeftStatueEnds, step::kStatuesDone); }
void statuesDone(PlayScreen& play) { returnToPlayer(play, step::kNone); }

// The left statue's verdict on the costume; none without a costume flag.
void leftStatueVerdict(PlayScreen& play) {
    playCueOnAnyChannel(sound::kLeftBirdVoice, 0.8f);
    sayForCostume(play, kStpLeftStatueGhost, kStpLeftStatueWerewolf, kStpLeftStatueDeath);
    play.script.scriptStep = step::kNone;
}

const StepRecord kStatueRecords[] = {
    {step::kCameraDrawsBack, cameraDrawsBack}, {step::kTurnToRightStatue, turnToRightStatue},
    {step::kRightStatueDuty, rightStatueDuty}, {step::kLeftStatuePurpose, leftStatuePurpose},
    {step::kRightStatueOnShow, rightStatueOnShow}, {step::kLeftStatueEnds, leftStatueEnds},
    {step::kStatuesDone, statuesDone}, {step::kLeftStatueVerdict, leftStatueVerdict},
};

}  // namespace

const SceneSteps kStatueSteps = {kStatueRows, entryCount(kStatueRows), kStatueRecords, entryCount(kStatueRecords)};
