// The fish person: it rises before the player, ripples the pond, talks and sinks back.
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "play/GroundGrid.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/WellLooks.h"
#include "script/StepIds.h"
#include "script/StepParts.h"
#include "script/StepRow.h"

namespace {

// Columns of a row: step, sound call, sound, volume, line, delay, next.
const StepRow kFishRows[] = {
    {step::kFishPuzzled, kStepCue, sound::kFishPersonHum, 0.4f, kStpFishPuzzled, kKeepDelay, step::kNone},
};

// The ripple source of the ground grid; nothing in a room without one.
void gridSource(PlayScreen& play, int32_t radius, float offset) {
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRadius = radius;
        play.effects.groundGrid->sourceOffset = offset;
    }
}

// Pushes p out to exactly 0.9 from centre when it lies closer.
void keepAway(Vec3& p, float cx, float cy) {
    float dx = p.x - cx;
    float dy = p.y - cy;
    float d = std::sqrt(dx * dx + dy * dy);
    if (d >= 0.9f) {
        return;
    }
    if (d == 0.0f) {
        d = 0.001f;
        dx = 0.001f;
    }
    p.x = cx + dx / d * 0.9f;
    p.y = cy + dy / d * 0.9f;
}

// The fish person rises 0.9 in front of the player, clear of the two posts.
void fishRises(PlayScreen& play) {
    playFishSound();
    SceneObject* fish = sceneObject(play, kObjFishPerson);
    noCollision(fish);
    const float yaw = play.player.viewAngles.z;
    fish->position.x = play.player.position.x + 0.9f * std::cos(yaw);
    fish->position.y = play.player.position.y + 0.9f * std::sin(yaw);
    keepAway(fish->position, 1.55f, -1.85f);
    keepAway(fish->position, -1.55f, -1.85f);
    Vec3 angles;
    angles.setDirectionAngles(fish->position, play.player.position);
    fish->rotation.set(angles.x, 0.0f, angles.z - 1.5708f);
    fish->setSceneObjectMesh(mesh::kFishPersonEmerging);
    fish->animTime = 0.0f;
    gridSource(play, 0, play.effects.groundGrid ? play.effects.groundGrid->sourceOffset : 0.0f);
    nextAfter(play, 0.9f, step::kFishRipples);
}

void fishRipples(PlayScreen& play) {
    const Vec3 p = sceneObject(play, kObjFishPerson)->position;
    gridSource(play, 1, -0.175f);
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRow = static_cast<int32_t>(std::lround((5.0f + p.x) / 10.0f * 80.0f));
        play.effects.groundGrid->sourceColumn = static_cast<int32_t>(std::lround((5.0f + p.y) / 10.0f * 80.0f));
    }
    nextAfter(play, 0.2f, step::kFishSplashesUp);
}

// A fish sound as the ripples stop.
void splash(PlayScreen& play, float seconds, int32_t next) {
    playFishSound();
    if (play.effects.groundGrid) play.effects.groundGrid->sourceRadius = 0;
    nextAfter(play, seconds, next);
}

void fishSplashesUp(PlayScreen& play) { splash(play, 1.9f, step::kFishFirstLine); }

// The fish person's three lines alternate between two talks, one each visit.
void fishFirstLine(PlayScreen& play) {
    sceneObject(play, kObjFishPerson)->crossFadeSceneObjectMesh(mesh::kFishPersonTalking, 0.5f);
    gridSource(play, 1, 0.0f);
    playCueOnAnyChannel(sound::kFishPersonHum, 0.4f);
    play.story.storyFlag36 = !play.story.fishGaveInterestTalk();
    say(play, play.story.fishGaveInterestTalk() ? kStpFishInterest : kStpFishThrowIn);
    play.script.scriptStep = step::kFishSecondLine;
}

void fishSecondLine(PlayScreen& play) {
    cueLine(play, sound::kFishPersonHum, 0.4f, play.story.fishGaveInterestTalk() ? kStpFishTrade : kStpFishOneWord,
            step::kFishThirdLine);
}

void fishThirdLine(PlayScreen& play) {
    cueLine(play, sound::kFishPersonHum, 0.4f, play.story.fishGaveInterestTalk() ? kStpFishHmm : kStpFishChange,
            step::kFishSinks);
}

void fishSinks(PlayScreen& play) {
    SceneObject* fish = sceneObject(play, kObjFishPerson);
    fish->setSceneObjectMesh(mesh::kFishPersonDiving);
    fish->animTime = 0.0f;
    if (play.effects.groundGrid) play.effects.groundGrid->sourceOffset = 0.1f;
    nextAfter(play, 0.5f, step::kFishSplashesDown);
}

void fishSplashesDown(PlayScreen& play) { splash(play, 0.5f, step::kFishBackInPond); }

// Back in its place in the pond, rippling it as before.
void fishBackInPond(PlayScreen& play) {
    SceneObject* fish = sceneObject(play, kObjFishPerson);
    settleFishPersonInPond(*fish);
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRow = 40;
        play.effects.groundGrid->sourceColumn = 13;
    }
    gridSource(play, 1, 0.0f);
    play.script.scriptStep = step::kNone;
}

const StepRecord kFishRecords[] = {
    {step::kFishRises, fishRises}, {step::kFishRipples, fishRipples}, {step::kFishSplashesUp, fishSplashesUp},
    {step::kFishFirstLine, fishFirstLine}, {step::kFishSecondLine, fishSecondLine},
    {step::kFishThirdLine, fishThirdLine}, {step::kFishSinks, fishSinks}, {step::kFishSplashesDown, fishSplashesDown},
    {step::kFishBackInPond, fishBackInPond},
};

}  // namespace

const SceneSteps kFishSteps = {kFishRows, entryCount(kFishRows), kFishRecords, entryCount(kFishRecords)};
