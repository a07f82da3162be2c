// The special trick: the person is tricked, the goat person's teacher appears, and the night ends.
#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "play/GlowSprite.h"
#include "play/HouseLooks.h"
#include "play/NoiseOverlay.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"
#include "script/RowParts.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kSpecialTrickRows[] = {
    {step::kGoatTeacher, kStepCue, sound::kGoatPersonVoice, 0.4f, kStpGoatTeacher, 4.0f, step::kGoatLoan},
    {step::kAfterGoatLoan, kStepSilent, 0, 0.0f, kNoStepLine, 2.0f, step::kGoatCompares},
    {step::kAfterGoatCompares, kStepSilent, 0, 0.0f, kNoStepLine, 2.0f, step::kTeacherCameraTurns},
    {step::kBeforeLateNight, kStepSilent, 0, 0.0f, kNoStepLine, 5.0f, step::kLateNightBegins},
    {step::kDawnNear, kStepSilent, 0, 0.0f, kStpDawnNear, kKeepDelay, step::kNone},
};

void setNoise(PlayScreen& play, float targetLevel, float rate) {
    if (play.effects.noiseOverlay) {
        play.effects.noiseOverlay->targetLevel = targetLevel;
        play.effects.noiseOverlay->rate = rate;
    }
}

void setNoiseTarget(PlayScreen& play, float targetLevel) {
    if (play.effects.noiseOverlay) {
        play.effects.noiseOverlay->targetLevel = targetLevel;
    }
}

void trickBegins(PlayScreen& play) {
    showYou(play);
    replaceEffect(play.effects.noiseOverlay).initNoiseOverlay();
    setNoise(play, 0.25f, 0.0169492f);
    play.script.scriptStep = step::kTrickShimmers;
}

void trickShimmers(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTrickShimmerLong, 1.0f);
    sceneObject(play, kObjYou)->animSpeed = 2.0f;
    nextAfter(play, 6.75f, step::kTrickUnfolds);
}

void trickUnfolds(PlayScreen& play) {
    animate(sceneObject(play, kObjYou), 13.5f, 0.0f);
    nextAfter(play, 6.0f, step::kPersonFirstLaugh);
}

// The person laughs and judges while the noise over the scene thickens.
void personFirstLaugh(PlayScreen& play) {
    cueLine(play, sound::kOldPersonVoice, 0.15f, kStpPersonLaugh1, step::kPersonSecondLaugh);
    setNoise(play, 0.35f, 0.1f);
}

void personSecondLaugh(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTrickShimmer, 0.9f);
    sceneObject(play, kObjYou)->animSpeed = 1.0f;
    cueLine(play, sound::kOldPersonVoice, 0.15f, kStpPersonLaugh2, step::kPersonFirstVerdict);
    setNoise(play, 0.4f, 0.05f);
}

void personFirstVerdict(PlayScreen& play) {
    cueLine(play, sound::kOldPersonVoice, 0.0999f, kStpPersonVerdict1, step::kPersonSecondVerdict);
    setNoiseTarget(play, 0.6f);
}

void personSecondVerdict(PlayScreen& play) {
    cueLine(play, sound::kOldPersonVoice, 0.04995f, kStpPersonVerdict2, step::kNoiseTakesOver);
    setNoiseTarget(play, 0.8f);
}

void noiseTakesOver(PlayScreen& play) {
    playMusicTrack(music::kQuietNight);
    setNoise(play, 1.0f, 1.6f);
    nextAfter(play, 8.0f, step::kRatAndGoatAppear);
}

// Out of the noise: the rat, and the goat person held by a sweep not yet begun.
void ratAndGoatAppear(PlayScreen& play) {
    gResourceCache->purgeUnused();
    playMusicTrack(music::kFinale);
    animate(sceneObject(play, kObjYou), 80.0f, 0.0f);
    SceneObject* rat = addRowObject(play, objectName(kObjRat), mesh::kRat, -1, -1, Vec3(12.5f, 29.0f, 7.0f));
    rat->animSpeed = 1.5f;
    SweepEffect* sweep = sweepTakesOver(play, appendGoatPersonFacingAhead(play.world.worldList));
    sweep->progress = 0.0f;
    sweep->targetProgress = 0.0f;
    if (play.effects.noiseOverlay) {
        play.effects.noiseOverlay->level = 0.0f;
        setNoise(play, 0.0f, 0.0f);
        play.effects.noiseOverlay->updateNoiseOverlay(0.0f);
        clearEffect(play.effects.noiseOverlay);
    }
    play.view.sceneVisibility = 0.0f;
    fadeScene(play, 1.0f, 0.25f);
    playCueOnAnyChannel(sound::kPersonPassing, 0.0f);
    play.script.scriptStepDelay = 8.0f;
    placeCamera(Vec3(12.5f, 24.37f, 2.02f), Vec3(0.0f, -24.0f, 90.0f));
    play.startCameraFlight(Vec3(12.5f, 27.3f, 7.82f), Vec3(0.0f, -0.174533f, 1.5708f), 8.0f, false);
    play.script.scriptStep = step::kSweepReveals;
}

void sweepReveals(PlayScreen& play) {
    if (play.effects.sweepEffect) {
        play.effects.sweepEffect->targetProgress = 1.0f;
    }
    play.script.scriptStepDelay = 4.0f;
    play.startCameraFlight(Vec3(12.49f, 28.36f, 9.14f), Vec3(0.0f, 0.226893f, 1.51844f), 8.0f, true);
    play.script.scriptStep = step::kGoatTeacher;
}

void goatLoan(PlayScreen& play) {
    cueLine(play, sound::kGoatPersonVoice, 0.4f, kStpGoatLoan, step::kAfterGoatLoan);
    play.script.scriptStepDelay = 8.0f;
    play.startCameraFlight(Vec3(12.62f, 30.19f, 8.79f), Vec3(0.0f, 0.191986f, 3.40339f), 8.0f, true);
}

void goatCompares(PlayScreen& play) {
    clearEffect(play.effects.sweepEffect);
    cueLine(play, sound::kGoatPersonVoice, 0.4f, kStpGoatCompare, step::kAfterGoatCompares);
}

void teacherCameraTurns(PlayScreen& play) {
    play.startCameraFlight(Vec3(11.64f, 30.78f, 8.54f), Vec3(0.0f, 0.471239f, 5.07891f), 13.0f, false);
    nextAfter(play, 2.0f, step::kPersonPasses);
}

void personPasses(PlayScreen& play) {
    playCueOnAnyChannel(sound::kPersonPassing, 0.9f);
    poseObject(play, kObjPerson, mesh::kPersonPassing, 0.0f, 1.5f);
    SceneObject* skeleton =
        addRowObject(play, objectName(kObjSkeleton), mesh::kHouseFigure, -1, -1, Vec3(11.9433f, 30.0f, 8.44822f));
    skeleton->animSpeed = 1.5f;
    skeleton->rotation.set(0.0f, 0.0f, 105.0f * kDegrees);
    play.script.scriptStep = step::kPersonLightsFade;
}

// The person's lights fade out over two seconds, one frame at a time. The
// frame's step time is the one the world script gave this frame.
void personLightsFade(PlayScreen& play) {
    play.story.personGlow -= 0.5f * play.script.lastScriptDt;
    SceneObject* person = sceneObject(play, kObjPerson);
    if (play.story.personGlow > 0.0f) {
        for (const std::unique_ptr<GlowSprite>& sprite : person->attachments()) {
            sprite->colour[3] = play.story.personGlow;
        }
        return;
    }
    freeGlows(person);
    nextAfter(play, 8.0f, step::kTrickFadesOut);
}

void trickFadesOut(PlayScreen& play) { fadeOutToStep(play, step::kBeforeLateNight); }

// The room is built again for the late night, the player put back in it.
void lateNightBegins(PlayScreen& play) {
    play.player.removeActionById(action::kUseSpecialTrick);
    play.story.nightAlmostOver = true;
    play.enterRoom(play.world.room);
    play.player.position.x = 12.5f;
    play.player.position.y = 32.0f;
    play.player.viewAngles.set(0.0f, 30.0f * kDegrees, 270.0f * kDegrees);
    placeCamera(play.player.playerEyePosition(), Vec3(0.0f, 50.0f, 270.0f));
    play.script.scriptStepDelay = 4.0f;
    flyBackToPlayer(play, 4.0f, true);
    fadeScene(play, 1.0f, 0.25f);
    play.script.scriptStep = step::kDawnNear;
}

const StepRecord kSpecialTrickRecords[] = {
    {step::kTrickBegins, trickBegins},   {step::kTrickShimmers, trickShimmers},   {step::kTrickUnfolds, trickUnfolds},
    {step::kPersonFirstLaugh, personFirstLaugh}, {step::kPersonSecondLaugh, personSecondLaugh},
    {step::kPersonFirstVerdict, personFirstVerdict},
    {step::kPersonSecondVerdict, personSecondVerdict}, {step::kNoiseTakesOver, noiseTakesOver},
    {step::kRatAndGoatAppear, ratAndGoatAppear}, {step::kSweepReveals, sweepReveals}, {step::kGoatLoan, goatLoan},
    {step::kGoatCompares, goatCompares},
    {step::kTeacherCameraTurns, teacherCameraTurns}, {step::kPersonPasses, personPasses},
    {step::kPersonLightsFade, personLightsFade}, {step::kTrickFadesOut, trickFadesOut},
    {step::kLateNightBegins, lateNightBegins},
};

}  // namespace

const SceneSteps kSpecialTrickSteps = {kSpecialTrickRows, entryCount(kSpecialTrickRows), kSpecialTrickRecords,
                                       entryCount(kSpecialTrickRecords)};
