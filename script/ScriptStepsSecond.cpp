#include <cmath>

#include "app/GameState.h"
#include "app/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/CountOf.h"
#include "engine/Random.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/Texture.h"
#include "play/GlowSprite.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "play/SoundCue.h"
#include "play/SweepEffect.h"
#include "script/RowParts.h"
#include "script/StepParts.h"

// The scenes of the second half of the story: the fish person, the painting,
// crystal ball and dust, the goat person, the person upstairs, the letters,
// the gate, spider and bat, and the return home.

namespace {

SceneObject* object(PlayScreen& play, ObjectName name) { return play.findSceneObject(name); }

// A new sweep effect takes object over as its instance; the object leaves the
// world list (the effect owns and draws it). A sweep still running is ended.
// A blank from a missed lookup is not in the world list and is not taken.
SweepEffect* sweepTakesOver(PlayScreen& play, SceneObject* instance) {
    SweepEffect& sweep = replaceEffect(play.effects.sweepEffect);
    sweep.constructSweepEffect();
    if (play.world.worldList.takeSceneObject(instance)) {
        sweep.instance = instance;
    }
    return &sweep;
}

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

// A glow sprite on the goat person's vertex, hidden until the sweep shows it.
void addHiddenGlow(SceneObject* object, int32_t vertex) {
    GlowSprite* sprite = new GlowSprite();
    sprite->createGlowSprite();
    sprite->vertexIndex = vertex;
    sprite->quadExtent.scale(0.8f);
    sprite->quadExtent.x = 0.2f;
    sprite->colour[3] = 0.0f;
    object->attachments.push_back(sprite);
}

// The ripple source of the ground grid; nothing in a room without one.
void gridSource(PlayScreen& play, int32_t radius, float offset) {
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRadius = radius;
        play.effects.groundGrid->sourceOffset = offset;
    }
}

// Fish person.

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

void step60(PlayScreen& play) {
    playFishSound();
    SceneObject* fish = object(play, kObjFishPerson);
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
    play.script.scriptStepDelay = 0.9f;
    play.script.scriptStep = 64;
}

void step64(PlayScreen& play) {
    const Vec3 p = object(play, kObjFishPerson)->position;
    gridSource(play, 1, -0.175f);
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRow = static_cast<int32_t>(std::lround((5.0f + p.x) / 10.0f * 80.0f));
        play.effects.groundGrid->sourceColumn = static_cast<int32_t>(std::lround((5.0f + p.y) / 10.0f * 80.0f));
    }
    play.script.scriptStepDelay = 0.2f;
    play.script.scriptStep = 65;
}

void step65(PlayScreen& play) {
    playFishSound();
    if (play.effects.groundGrid) play.effects.groundGrid->sourceRadius = 0;
    play.script.scriptStepDelay = 1.9f;
    play.script.scriptStep = 61;
}

void step61(PlayScreen& play) {
    object(play, kObjFishPerson)->crossFadeSceneObjectMesh(mesh::kFishPersonTalking, 0.5f);
    gridSource(play, 1, 0.0f);
    playCueOnAnyChannel(sound::kFishPersonHum, 0.4f);
    play.story.storyFlag36 = !play.story.storyFlag36;
    say(play, play.story.storyFlag36 ? kStpFishInterest : kStpFishThrowIn);
    play.script.scriptStep = 67;
}

void step67(PlayScreen& play) {
    playCueOnAnyChannel(sound::kFishPersonHum, 0.4f);
    say(play, play.story.storyFlag36 ? kStpFishTrade : kStpFishOneWord);
    play.script.scriptStep = 68;
}

void step68(PlayScreen& play) {
    playCueOnAnyChannel(sound::kFishPersonHum, 0.4f);
    say(play, play.story.storyFlag36 ? kStpFishHmm : kStpFishChange);
    play.script.scriptStep = 62;
}

void step62(PlayScreen& play) {
    SceneObject* fish = object(play, kObjFishPerson);
    fish->setSceneObjectMesh(mesh::kFishPersonDiving);
    fish->animTime = 0.0f;
    if (play.effects.groundGrid) play.effects.groundGrid->sourceOffset = 0.1f;
    play.script.scriptStepDelay = 0.5f;
    play.script.scriptStep = 66;
}

void step66(PlayScreen& play) {
    playFishSound();
    if (play.effects.groundGrid) play.effects.groundGrid->sourceRadius = 0;
    play.script.scriptStepDelay = 0.5f;
    play.script.scriptStep = 63;
}

void step63(PlayScreen& play) {
    SceneObject* fish = object(play, kObjFishPerson);
    fish->setSceneObjectMesh(mesh::kFishPersonResurfacing);
    fish->animTime = 0.0f;
    fish->crossFadeSceneObjectMesh(mesh::kFishPersonFloating, 0.9f);
    fish->rotation.set(0.0f, 0.0f, 0.0f);
    fish->position.set(0.0f, -3.5f, 0.95f);
    fish->halfSize.set(0.5f, 0.5f, 5.0f);
    if (play.effects.groundGrid) {
        play.effects.groundGrid->sourceRow = 40;
        play.effects.groundGrid->sourceColumn = 13;
    }
    gridSource(play, 1, 0.0f);
    play.script.scriptStep = -1;
}

void step69(PlayScreen& play) {
    playCueOnAnyChannel(sound::kFishPersonHum, 0.4f);
    say(play, kStpFishPuzzled);
    play.script.scriptStep = -1;
}

// Painting, crystal ball, dust.

void step70(PlayScreen& play) {
    flyBackToPlayer(play, 2.0f, true);
    play.script.scriptStepDelay = 2.0f;
    play.script.scriptStep = 71;
}

void step71(PlayScreen& play) {
    SceneObject* painting = object(play, kObjBigPainting);
    painting->setSceneObjectMesh(mesh::kBigPaintingSwinging);
    animate(painting, 6.0f, 0.0f);
    noCollision(painting);
    play.script.scriptStep = -1;
}

void step72(PlayScreen& play) {
    playCueOnAnyChannel(sound::kCrystalBallVoice, 0.18f);
    say(play, play.story.coinInWell ? kStpBallLostSight : kStpBallReassures);
    play.script.scriptStep = -1;
}

// The dust blows away over four frames of its texture, 0.08 s each.
void step73(PlayScreen& play) {
    play.script.scriptStepDelay = 0.08f;
    if (play.story.storyCount40 == 0) {
        playCueOnAnyChannel(sound::kSweeping, 0.15f);
        play.story.storyCount40 = 4;
    } else {
        play.story.storyCount40 += 1;
    }
    if (play.story.storyCount40 >= 8) {
        deleteRowObject(play, kObjDust);
        play.script.scriptStep = 74;
        return;
    }
    Texture* texture = object(play, kObjDust)->setSceneObjectTexture(picture::kDust + play.story.storyCount40);
    if (texture) {
        texture->setNearest();
    }
}

void step74(PlayScreen& play) {
    play.player.removeActionById(15);
    SceneObject* broom = addRowObject(play, "", 114, -1, -1, Vec3(18.2606f, 41.784f, 1.623f));
    broom->rotation.set(12.911f * kDegrees, 0.534f * kDegrees, -5.041f * kDegrees);
    play.script.scriptStep = -1;
}

// Goat person.

void goatLine(PlayScreen& play, StepText line, int32_t next) {
    playCueOnAnyChannel(sound::kGoatPersonVoice, 0.4f);
    say(play, line);
    play.script.scriptStep = next;
}

void step75(PlayScreen& play) { goatLine(play, kStpGoatBoasts, 76); }
void step76(PlayScreen& play) { goatLine(play, kStpGoatCondition, 77); }
void step77(PlayScreen& play) { object(play, kObjGoatPerson)->crossFadeSceneObjectMesh(mesh::kGoatPersonBound, 1.0f); play.script.scriptStep = -1; }
void step78(PlayScreen& play) { goatLine(play, kStpGoatAck, -1); }

void step79(PlayScreen& play) {
    SceneObject* goat = object(play, kObjGoatPerson);
    goat->setSceneObjectMesh(mesh::kGoatPersonRising);
    goat->animTime = 0.0f;
    fadeScene(play, 1.0f);
    placeCamera(Vec3(19.48f, 43.34f, 2.5f), Vec3(0.0f, 32.0f, 359.0f));
    play.script.scriptStepDelay = 7.25f;
    play.startCameraFlight(Vec3(19.48f, 43.34f, 2.0f), Vec3(0.0f, 6.05629f, 0.0698132f), 14.5f, true);
    playCueOnAnyChannel(sound::kRelease, 0.7f);
    play.script.scriptStep = 80;
}

void step80(PlayScreen& play) {
    SceneObject* goat = object(play, kObjGoatPerson);
    goat->animSpeed = 1.5f;
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonThanking, 1.0f);
    goatLine(play, kStpGoatRelief, 81);
}

void step81(PlayScreen& play) { goatLine(play, kStpGoatHandsOver, 84); }

void step84(PlayScreen& play) {
    SceneObject* goat = object(play, kObjGoatPerson);
    goat->crossFadeSceneObjectMesh(mesh::kGoatPersonTeaching, 1.0f);
    sweepTakesOver(play, goat);
    play.script.scriptStepDelay = 4.0f;
    play.script.scriptStep = 82;
}

void step82(PlayScreen& play) {
    fadeScene(play, 0.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 83;
}

void step83(PlayScreen& play) {
    if (play.effects.sweepEffect && play.effects.sweepEffect->instance) {
        play.effects.sweepEffect->instance->position.x += 0.5f;
    }
    play.story.specialTrickLearned = true;
    giveAction(play, 17);
    play.startCameraFlight(gCamera->position, gCamera->rotation, 0.001f, false);
    fadeScene(play, 1.0f);
    play.script.scriptStep = -1;
}

// Person.

void personLine(PlayScreen& play, float volume, StepText line, int32_t next) {
    playCueOnAnyChannel(sound::kOldPersonVoice, volume);
    say(play, line);
    play.script.scriptStep = next;
}

void step85(PlayScreen& play) { personLine(play, 0.15f, kStpPersonGreeting, 86); }
void step86(PlayScreen& play) { personLine(play, 0.15f, kStpPersonRare1, 87); }
void step87(PlayScreen& play) { personLine(play, 0.15f, kStpPersonRare2, 88); }
void step88(PlayScreen& play) { personLine(play, 0.15f, kStpPersonLong, -1); }

// "you", in the costume worn, stands before the person.
void showYou(PlayScreen& play) {
    int32_t mesh = -1;
    if (play.story.costumeDeath) mesh = 192;
    if (play.story.costumeGhost) mesh = 193;
    if (play.story.costumeWerewolf) mesh = 194;
    // Without a costume flag "you" keeps the blank mesh rather than asking
    // for a mesh that does not exist.
    SceneObject* you = new SceneObject();
    you->constructSceneObject();
    you->name = objectName(kObjYou);
    if (mesh >= 0) {
        you->setSceneObjectMesh(mesh);
    }
    you->setSceneObjectSecondTexture(picture::kBlack);
    you->position.set(12.5f, 32.0f, 7.3189f);
    you->animSpeed = 0.0f;
    play.world.worldList.appendSceneObject(you);
    fadeScene(play, 1.0f);
    placeCamera(Vec3(13.52f, 33.11f, 8.7f), Vec3(0.0f, 20.0f, 248.0f));
    play.script.scriptStepDelay = 3.0f;
}

void step93(PlayScreen& play) { showYou(play); play.script.scriptStep = 94; }
void step94(PlayScreen& play) { showCostumeAnswer(play); play.script.scriptStep = 89; }
void step89(PlayScreen& play) { personLine(play, 0.15f, kStpPersonQuestion, 90); }
void step90(PlayScreen& play) { personLine(play, 0.15f, kStpPersonAgrees, 91); }
void step91(PlayScreen& play) { personLine(play, 0.15f, kStpPersonButSee, 92); }
void step92(PlayScreen& play) { personLine(play, 0.15f, kStpPersonTrickFirst, 95); }

void step95(PlayScreen& play) {
    fadeScene(play, 0.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 96;
}

void step96(PlayScreen& play) { deleteRowObject(play, kObjYou); fadeScene(play, 1.0f); play.script.scriptStep = -1; }

void step97(PlayScreen& play) {
    showYou(play);
    replaceEffect(play.effects.noiseOverlay).initNoiseOverlay();
    setNoise(play, 0.25f, 0.0169492f);
    play.script.scriptStep = 98;
}

void step98(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTrickShimmerLong, 1.0f);
    object(play, kObjYou)->animSpeed = 2.0f;
    play.script.scriptStepDelay = 6.75f;
    play.script.scriptStep = 99;
}

void step99(PlayScreen& play) {
    animate(object(play, kObjYou), 13.5f, 0.0f);
    play.script.scriptStepDelay = 6.0f;
    play.script.scriptStep = 108;
}

void step108(PlayScreen& play) {
    personLine(play, 0.15f, kStpPersonLaugh1, 100);
    setNoise(play, 0.35f, 0.1f);
}

void step100(PlayScreen& play) {
    playCueOnAnyChannel(sound::kTrickShimmer, 0.9f);
    object(play, kObjYou)->animSpeed = 1.0f;
    personLine(play, 0.15f, kStpPersonLaugh2, 101);
    setNoise(play, 0.4f, 0.05f);
}

void step101(PlayScreen& play) {
    personLine(play, 0.0999f, kStpPersonVerdict1, 102);
    setNoiseTarget(play, 0.6f);
}

void step102(PlayScreen& play) {
    personLine(play, 0.04995f, kStpPersonVerdict2, 110);
    setNoiseTarget(play, 0.8f);
}

void step110(PlayScreen& play) {
    playMusicTrack(music::kSilence);
    setNoise(play, 1.0f, 1.6f);
    play.script.scriptStepDelay = 8.0f;
    play.script.scriptStep = 104;
}

void step104(PlayScreen& play) {
    gResourceCache->purgeUnused();
    playMusicTrack(music::kFinale);
    animate(object(play, kObjYou), 80.0f, 0.0f);
    SceneObject* rat = addRowObject(play, objectName(kObjRat), 200, -1, -1, Vec3(12.5f, 29.0f, 7.0f));
    rat->animSpeed = 1.5f;
    SceneObject* goat =
        addRowObject(play, objectName(kObjGoatPerson), 196, 173, 58, Vec3(11.7759f, 30.9747f, 7.2949f));
    addHiddenGlow(goat, 3098);
    addHiddenGlow(goat, 6685);
    SweepEffect* sweep = sweepTakesOver(play, goat);
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
    play.script.scriptStep = 115;
}

void step115(PlayScreen& play) {
    if (play.effects.sweepEffect) {
        play.effects.sweepEffect->targetProgress = 1.0f;
    }
    play.script.scriptStepDelay = 4.0f;
    play.startCameraFlight(Vec3(12.49f, 28.36f, 9.14f), Vec3(0.0f, 0.226893f, 1.51844f), 8.0f, true);
    play.script.scriptStep = 111;
}

void step111(PlayScreen& play) { play.script.scriptStepDelay = 4.0f; goatLine(play, kStpGoatTeacher, 105); }

void step105(PlayScreen& play) {
    goatLine(play, kStpGoatLoan, 109);
    play.script.scriptStepDelay = 8.0f;
    play.startCameraFlight(Vec3(12.62f, 30.19f, 8.79f), Vec3(0.0f, 0.191986f, 3.40339f), 8.0f, true);
}

void step109(PlayScreen& play) { play.script.scriptStepDelay = 2.0f; play.script.scriptStep = 112; }

void step112(PlayScreen& play) {
    clearEffect(play.effects.sweepEffect);
    goatLine(play, kStpGoatCompare, 113);
}

void step113(PlayScreen& play) { play.script.scriptStepDelay = 2.0f; play.script.scriptStep = 106; }

void step106(PlayScreen& play) {
    play.startCameraFlight(Vec3(11.64f, 30.78f, 8.54f), Vec3(0.0f, 0.471239f, 5.07891f), 13.0f, false);
    play.script.scriptStepDelay = 2.0f;
    play.script.scriptStep = 114;
}

void step114(PlayScreen& play) {
    playCueOnAnyChannel(sound::kPersonPassing, 0.9f);
    SceneObject* person = object(play, kObjPerson);
    person->setSceneObjectMesh(mesh::kPersonPassing);
    animate(person, 0.0f, 1.5f);
    SceneObject* skeleton = addRowObject(play, objectName(kObjSkeleton), 198, -1, -1, Vec3(11.9433f, 30.0f, 8.44822f));
    skeleton->animSpeed = 1.5f;
    skeleton->rotation.set(0.0f, 0.0f, 105.0f * kDegrees);
    play.script.scriptStep = 116;
}

// The person's lights fade out over two seconds, one frame at a time. The
// frame's step time is the one the world script gave this frame.
void step116(PlayScreen& play) {
    play.story.personGlow -= 0.5f * play.script.lastScriptDt;
    SceneObject* person = object(play, kObjPerson);
    if (play.story.personGlow > 0.0f) {
        for (GlowSprite* sprite : person->attachments) {
            sprite->colour[3] = play.story.personGlow;
        }
        return;
    }
    freeGlows(person);
    play.script.scriptStepDelay = 8.0f;
    play.script.scriptStep = 103;
}

void step103(PlayScreen& play) {
    fadeScene(play, 0.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 117;
}

void step117(PlayScreen& play) { play.script.scriptStepDelay = 5.0f; play.script.scriptStep = 107; }

void step107(PlayScreen& play) {
    play.player.removeActionById(17);
    play.story.nightAlmostOver = true;
    play.enterRoom(play.world.room);
    play.player.position.x = 12.5f;
    play.player.position.y = 32.0f;
    play.player.viewAngles.set(0.0f, 30.0f * kDegrees, 270.0f * kDegrees);
    placeCamera(play.player.playerEyePosition(), Vec3(0.0f, 50.0f, 270.0f));
    play.script.scriptStepDelay = 4.0f;
    flyBackToPlayer(play, 4.0f, true);
    fadeScene(play, 1.0f, 0.25f);
    play.script.scriptStep = 118;
}

void step118(PlayScreen& play) { say(play, kStpDawnNear); play.script.scriptStep = -1; }

// Letters, gate, spider, bat.

void step119(PlayScreen& play) {
    fadeScene(play, 1.0f, 1.0f);
    placeCamera(Vec3(11.19f, 40.28f, 8.83f), Vec3(0.0f, 28.0f, 90.0f));
    play.startCameraFlight(Vec3(11.19f, 40.76f, 9.04f), Vec3(0.0f, 1.55334f, 1.5708f), 13.0f, true);
    play.script.scriptStepDelay = 10.0f;
    play.script.scriptStep = 120;
}

void step120(PlayScreen& play) {
    deleteRowObject(play, kObjLetter);
    for (ObjectName name : {kObjLetter1, kObjLetter2}) {
        SceneObject* letter = object(play, name);
        letter->setSceneObjectMesh(mesh::kLetterUnfolding);
        animate(letter, 0.0f, 3.0f);
    }
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 121;
}

void step121(PlayScreen& play) {
    deleteRowObject(play, kObjLetter1);
    deleteRowObject(play, kObjLetter2);
    fadeScene(play, 0.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 122;
}

void step122(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = -1; }

void step123(PlayScreen& play) {
    if (play.story.storyFlag48) {
        playCueOnAnyChannel(sound::kGateVoice, 0.6f);
        say(play, kStpGateUrges);
        play.script.scriptStep = -1;
        return;
    }
    play.story.storyFlag48 = true;
    fadeScene(play, 0.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 124;
}

void step124(PlayScreen& play) {
    deleteRowObject(play, kObjGate1);
    SceneObject* gate = object(play, kObjGate);
    gate->setSceneObjectMesh(mesh::kGateOpening);
    animate(gate, 0.0f, 0.0f);
    placeCamera(Vec3(6.58f, 3.24f, 0.45f), Vec3(0.0f, 2.0f, 152.0f));
    fadeScene(play, 1.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    playCueOnAnyChannel(sound::kGateCreak, 0.0f);
    play.script.scriptStep = 125;
}

void step125(PlayScreen& play) {
    playCueOnAnyChannel(sound::kGateVoice, 0.6f);
    say(play, kStpGateWonders);
    play.script.scriptStep = 126;
}

void step126(PlayScreen& play) {
    playCueOnAnyChannel(sound::kGateCreak, 0.8f);
    object(play, kObjGate)->animSpeed = 1.0f;
    play.startCameraFlight(Vec3(7.02f, 4.89f, 0.44f), Vec3(0.0f, 6.00393f, 3.12414f), 3.0f, false);
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 129;
}

void step129(PlayScreen& play) {
    play.startCameraFlight(Vec3(6.25f, 7.2f, 1.49f), Vec3(0.0f, 6.42281f, 3.90954f), 4.0f, false);
    play.script.scriptStepDelay = 3.0f;
    play.script.scriptStep = 127;
}

void step127(PlayScreen& play) {
    object(play, kObjGate)->setSceneObjectMesh(mesh::kGateOpen);
    fadeScene(play, 0.0f, 1.0f);
    play.script.scriptStepDelay = 1.0f;
    play.script.scriptStep = 128;
}

void step128(PlayScreen& play) { fadeScene(play, 1.0f, 1.0f); play.script.scriptStep = -1; }

void step130(PlayScreen& play) {
    playCueOnAnyChannel(sound::kSpiderChitter, 0.4f);
    say(play, kStpSpiderUndecided);
    play.script.scriptStep = 131;
}

void backAfterTwo(PlayScreen& play) {
    play.script.scriptStepDelay = 2.0f;
    flyBackToPlayer(play, 2.0f, true);
    play.script.scriptStep = -1;
}

void step132(PlayScreen& play) { say(play, kStpSpiderIgnores); play.script.scriptStep = -1; }

void step133(PlayScreen& play) {
    if (play.story.nightAlmostOver) {
        say(play, kStpBatSleeps);
    } else {
        playCueOnAnyChannel(sound::kBatSqueak, 0.4f);
        say(play, kStpBatGuess);
    }
    play.script.scriptStep = -1;
}

void step134(PlayScreen& play) {
    play.startCameraFlight(Vec3(3.47f, 38.87f, 11.02f), Vec3(3.12414f, 5.91667f, 6.14356f), 20.0f, true);
    playCueOnAnyChannel(sound::kBatSqueak, 0.4f);
    say(play, kStpBatStaysIn);
    play.script.scriptStep = 135;
}

// House and ending.

void step136(PlayScreen& play) { say(play, kStpTimelyReturn); play.script.scriptStep = 137; }

void step137(PlayScreen& play) {
    play.story.endingProgress = 0.0001f;
    play.startCameraFlight(Vec3(-12.08f, -2.83f, 1.32f), Vec3(0.0f, 0.244346f, 1.6057f), 6.0f, true);
    say(play, kStpWarning1);
    play.script.scriptStep = 138;
}

void step138(PlayScreen& play) { say(play, kStpWarning2); play.script.scriptStep = 139; }
void step139(PlayScreen& play) { say(play, kStpWarning3); play.script.scriptStep = 140; }

// Waits for the ending progress to reach its half-way mark, then moves it on.
void step140(PlayScreen& play) {
    if (play.story.endingProgress != 0.5f) {
        return;
    }
    play.story.endingProgress = 0.5001f;
    play.startCameraFlight(Vec3(-12.06f, -2.7f, 1.34f), Vec3(0.0f, 0.0610865f, -4.66003f), 6.0f, true);
    play.script.scriptStepDelay = 9.0f;
    play.script.scriptStep = 141;
}

void step141(PlayScreen& play) {
    play.script.scriptStepDelay = 4.0f;
    fadeScene(play, 0.0f, 0.25f);
    play.script.scriptStep = 142;
}

}  // namespace

const StepRecord kSecondSteps[] = {
    {60, step60},   {61, step61},   {62, step62},   {63, step63},   {64, step64},   {65, step65},
    {66, step66},   {67, step67},   {68, step68},   {69, step69},   {70, step70},   {71, step71},
    {72, step72},   {73, step73},   {74, step74},   {75, step75},   {76, step76},   {77, step77},
    {78, step78},   {79, step79},   {80, step80},   {81, step81},   {82, step82},   {83, step83},
    {84, step84},   {85, step85},   {86, step86},   {87, step87},   {88, step88},   {89, step89},
    {90, step90},   {91, step91},   {92, step92},   {93, step93},   {94, step94},   {95, step95},
    {96, step96},   {97, step97},   {98, step98},   {99, step99},   {100, step100}, {101, step101},
    {102, step102}, {103, step103}, {104, step104}, {105, step105}, {106, step106}, {107, step107},
    {108, step108}, {109, step109}, {110, step110}, {111, step111}, {112, step112}, {113, step113},
    {114, step114}, {115, step115}, {116, step116}, {117, step117}, {118, step118}, {119, step119},
    {120, step120}, {121, step121}, {122, step122}, {123, step123}, {124, step124}, {125, step125},
    {126, step126}, {127, step127}, {128, step128}, {129, step129}, {130, step130}, {131, backAfterTwo},
    {132, step132}, {133, step133}, {134, step134}, {135, backAfterTwo}, {136, step136}, {137, step137},
    {138, step138}, {139, step139}, {140, step140}, {141, step141},
};
const int32_t kSecondStepCount = COUNT_OF(kSecondSteps);
