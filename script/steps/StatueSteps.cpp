// The bird statues: they wake, speak their rhyme in turn and judge the player.
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kStatueRows[] = {
    {31, kStepSilent, 0, 0.0f, kNoStepLine, 1.0f, 32},
    {38, kStepCue, sound::kRightBirdVoice, 0.8f, kStpRightStatueRejects, kKeepDelay, -1},
    {41, kStepCue, sound::kLeftBirdVoice, 0.8f, kStpLeftStatueContent, kKeepDelay, -1},
};

// The player ducks a little as the statues wake.
void step30(PlayScreen& play) {
    Vec3 eye = play.player.playerEyePosition();
    eye.y -= 0.2f;
    play.startCameraFlight(eye, play.player.playerViewAngles(), 0.3f, false);
    nextAfter(play, 0.3f, 31);
}

void step32(PlayScreen& play) {
    flyToward(play, gCamera->position, sceneObject(play, kObjRightBirdStatue)->position, 1.0f, true);
    nextAfter(play, 1.2f, 33);
}

void step33(PlayScreen& play) {
    animate(sceneObject(play, kObjLeftBirdStatue), 3.0f, 0.0f);
    animate(sceneObject(play, kObjRightBirdStatue), 3.0f, 0.0f);
    playCueOnAnyChannel(sound::kRightBirdVoice, 0.8f);
    say(play, kStpRightStatueDuty);
    play.script.scriptStep = 34;
}

// One line of the statues' rhyme, the camera turning to the speaker.
void statueLine(PlayScreen& play, ObjectName statue, StepText line, int32_t next) {
    flyToward(play, gCamera->position, sceneObject(play, statue)->position, 1.5f, true);
    cueLine(play, statue == kObjLeftBirdStatue ? sound::kLeftBirdVoice : sound::kRightBirdVoice, 0.8f, line, next);
}

void step34(PlayScreen& play) { statueLine(play, kObjLeftBirdStatue, kStpLeftStatuePurpose, 35); }
void step35(PlayScreen& play) { statueLine(play, kObjRightBirdStatue, kStpRightStatueOnShow, 36); }
void step36(PlayScreen& play) { statueLine(play, kObjLeftBirdStatue, kStpLeftStatueEnds, 37); }
void step37(PlayScreen& play) { returnToPlayer(play, -1); }

// The left statue's verdict on the costume; none without a costume flag.
void step39(PlayScreen& play) {
    playCueOnAnyChannel(sound::kLeftBirdVoice, 0.8f);
    sayForCostume(play, kStpLeftStatueGhost, kStpLeftStatueWerewolf, kStpLeftStatueDeath);
    play.script.scriptStep = -1;
}

const StepRecord kStatueRecords[] = {
    {30, step30}, {32, step32}, {33, step33}, {34, step34}, {35, step35}, {36, step36}, {37, step37}, {39, step39},
};

}  // namespace

const SceneSteps kStatueSteps = {kStatueRows, entryCount(kStatueRows), kStatueRecords, entryCount(kStatueRecords)};
