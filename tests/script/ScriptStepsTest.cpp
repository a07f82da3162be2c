// The script steps one at a time on a world holding one object of every name:
// each step's line, sounds, object changes, flight, flags, delay and the step
// it leads to; and the rooms' exits and limits.
#include <algorithm>

#include "ResolverHarness.h"
#include "TableChecks.h"
#include "catalog/ResourceCatalog.h"

#include "app/ActionId.h"
#include "engine/Camera.h"
#include "play/GlowSprite.h"
#include "play/NoiseOverlay.h"
#include "play/RoomId.h"
#include "play/SweepEffect.h"
#include "script/Room7Behaviour.h"
#include "script/RoomBehaviour.h"
#include "script/ScriptSteps.h"
#include "script/StepIds.h"
#include "text/StepTexts.h"

using namespace resolvertest;

namespace {

const StepText kNoLine = kStepTextCount;

// One step run: the state before (may be null), the step, the line shown
// (kNoLine: none), the sounds, the next step, the delay and further checks.
struct StepCase {
    void (*prepare)(PlayScreen&);
    int32_t step;
    StepText line;
    Cue sounds[2];
    int32_t next;
    float delay;
    void (*verify)(PlayScreen&);
};

void noCostume(PlayScreen& p) { p.story.costumeGhost = p.story.costumeWerewolf = p.story.costumeDeath = false; }
void ghost(PlayScreen& p) { noCostume(p); p.story.costumeGhost = true; }
void death(PlayScreen& p) { noCostume(p); p.story.costumeDeath = true; }
void werewolf(PlayScreen& p) { noCostume(p); p.story.costumeWerewolf = true; }
void flag36(PlayScreen& p) { p.story.storyFlag36 = true; }
void noFlag36(PlayScreen& p) { p.story.storyFlag36 = false; }
void coinInWell(PlayScreen& p) { p.story.coinInWell = true; }
void nightOver(PlayScreen& p) { p.story.nightAlmostOver = true; }
void gateOpened(PlayScreen& p) { p.story.storyFlag48 = true; }
void dustHalfGone(PlayScreen& p) { p.story.storyCount40 = 7; }
void endingHalfWay(PlayScreen& p) { p.story.endingProgress = 0.5f; }
void endingClimbing(PlayScreen& p) { p.story.endingProgress = 0.3f; }
// Holding the candle, with "knock on" chosen.
void candleHeld(PlayScreen& p) {
    p.player.appendAction(action::kUseCandle);
    p.player.selectedAction = p.player.actions().front().get();
}

const StepCase kCases[] = {
    {nullptr, step::kNoEffect, kStpNoEffect, {}, step::kNone, 0.0f, nullptr},
    {nullptr, step::kNotASnake, kStpNotASnake, {}, step::kNoEffect, 0.0f, nullptr},
    {ghost, step::kWitchAnswers, kStpNoEffect, {}, step::kNone, 0.0f, nullptr},
    {noCostume, step::kWitchAnswers, kNoLine, {}, step::kNone, 0.0f, nullptr},
    {death, step::kWitchAnswers, kStpWitchNo, {{338, 0.4f}}, step::kNone, 0.0f, nullptr},
    {ghost, step::kSkeletonGreets, kStpSkeletonGreetsGhost, {{328, 1.0f}}, step::kNone, 0.0f, nullptr},
    {werewolf, step::kSkeletonGreets, kStpSkeletonGreetsWerewolf, {{328, 1.0f}}, step::kNone, 0.0f, nullptr},
    {death, step::kSkeletonGreets, kStpSkeletonAsksHow, {{328, 1.0f}}, step::kNoIdeaHow, 0.0f, nullptr},
    {nullptr, step::kSkeletonRemembers, kStpSkeletonRemembers, {{328, 1.0f}}, step::kSkeletonBeneath, 0.0f, nullptr},
    {nullptr, step::kLockOpens, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjLock)); }},
    {nullptr, step::kSmellRises, kNoLine, {}, step::kBurningSmell, 1.0f, nullptr},
    {nullptr, step::kShadowGiggles, kStpShadowGiggles, {{322, 0.3f}}, step::kCatDarkens, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(showsMesh(p.findSceneObject(kObjShadyCat), mesh::kCatCowering)); }},
    {nullptr, step::kCatDarkens, kNoLine, {}, step::kCatCloseUpEnds, 1.0f,
     [](PlayScreen& p) { EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget); }},
    {nullptr, step::kCatCloseUpEnds, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(1.0f, p.view.sceneVisibilityTarget); }},
    {nullptr, step::kCatLooksUp, kNoLine, {}, step::kCatMeowsInCloseUp, 1.0f, nullptr},
    {nullptr, step::kCatMeowsInCloseUp, kStpCatMeows, {{320, 0.3f}}, step::kCatDarkens, 0.0f, nullptr},
    {nullptr, step::kHatDrops, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.moniqueHasFlower);
         EXPECT_EQ(2, countNamed(p, kObjHat));
         EXPECT_FALSE(hasAction(p, action::kUseFlower));
     }},
    {nullptr, step::kRightStatueDuty, kStpRightStatueDuty, {{331, 0.8f}}, step::kLeftStatuePurpose, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(0.0f, p.findSceneObject(kObjLeftBirdStatue)->animSpeed); }},
    {nullptr, step::kLeftStatuePurpose, kStpLeftStatuePurpose, {{330, 0.8f}}, step::kRightStatueOnShow, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(p.view.flight.isRunning()); }},
    {death, step::kLeftStatueVerdict, kStpLeftStatueDeath, {{330, 0.8f}}, step::kNone, 0.0f, nullptr},
    // The lit candle joins the end of the list; the choice stays where it was.
    {candleHeld, step::kCandleLit, kNoLine, {{99, 0.2f}}, step::kNone, 0.0f,
     [](PlayScreen& p) {
         EXPECT_FALSE(hasAction(p, action::kUseCandle));
         EXPECT_EQ(14, p.player.actions().back()->actionId);
         EXPECT_EQ(action::kKnockOn, selectedActionId(p));
     }},
    {nullptr, step::kLayBoneDown, kNoLine, {}, step::kDogCameraToBone, 1.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.bonePlaced);
         SceneObject* dog = p.findSceneObject(kObjDog);
         EXPECT_TRUE(near(dog->position, 13.5f, 24.5f, 0.35651f));
         ASSERT_EQ(2u, dog->attachments().size());
         EXPECT_EQ(2162, dog->attachments()[1]->vertexIndex);
         EXPECT_FLOAT_EQ(0.1f, dog->attachments()[1]->quadExtent.x);
     }},
    {nullptr, step::kDogBarks, kStpDogHeard, {{319, 0.4f}}, step::kDogSettles, 0.0f, nullptr},
    {nullptr, step::kDogLiesContent, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) {
         EXPECT_EQ(0, countNamed(p, kObjDog));
         EXPECT_EQ(0, countNamed(p, kObjTmp));
         EXPECT_EQ(2u, lastObject(p)->attachments().size());
     }},
    {nullptr, step::kPumpkinGone, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjBigPumpkin)); }},
    {noFlag36, step::kFishFirstLine, kStpFishInterest, {{332, 0.4f}}, step::kFishSecondLine, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(p.story.fishGaveInterestTalk()); }},
    {flag36, step::kFishFirstLine, kStpFishThrowIn, {{332, 0.4f}}, step::kFishSecondLine, 0.0f,
     [](PlayScreen& p) { EXPECT_FALSE(p.story.fishGaveInterestTalk()); }},
    {flag36, step::kFishSecondLine, kStpFishTrade, {{332, 0.4f}}, step::kFishThirdLine, 0.0f, nullptr},
    {noFlag36, step::kFishThirdLine, kStpFishChange, {{332, 0.4f}}, step::kFishSinks, 0.0f, nullptr},
    {nullptr, step::kFishBackInPond, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(near(p.findSceneObject(kObjFishPerson)->position, 0.0f, -3.5f, 0.95f)); }},
    {nullptr, step::kCrystalBallSpeaks, kStpBallReassures, {{318, 0.18f}}, step::kNone, 0.0f, nullptr},
    {coinInWell, step::kCrystalBallSpeaks, kStpBallLostSight, {{318, 0.18f}}, step::kNone, 0.0f, nullptr},
    {nullptr, step::kDustBlows, kNoLine, {{303, 0.15f}}, step::kDustBlows, 0.08f,
     [](PlayScreen& p) { EXPECT_EQ(4, p.story.dustStage()); }},
    {dustHalfGone, step::kDustBlows, kNoLine, {}, step::kBroomPutDown, 0.08f,
     [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjDust)); }},
    {nullptr, step::kSpecialTrickLearned, kNoLine, {}, step::kNone, 0.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.specialTrickLearned);
         EXPECT_EQ(action::kUseSpecialTrick, selectedActionId(p));
     }},
    {nullptr, step::kPersonLong, kStpPersonLong, {{333, 0.15f}}, step::kNone, 0.0f, nullptr},
    {ghost, step::kPersonSeesYou, kNoLine, {}, step::kYouPlayCostumeTrick, 3.0f,
     [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjYou)); }},
    {noCostume, step::kPersonSeesYou, kNoLine, {}, step::kYouPlayCostumeTrick, 3.0f,
     [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjYou)); }},
    {nullptr, step::kPersonFirstVerdict, kStpPersonVerdict1, {{333, 0.0999f}}, step::kPersonSecondVerdict, 0.0f,
     nullptr},
    {nullptr, step::kPersonPasses, kNoLine, {{336, 0.9f}}, step::kPersonLightsFade, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjSkeleton)); }},
    {nullptr, step::kLetterUnfolds, kNoLine, {}, step::kLetterBlowsAway, 3.0f,
     [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjLetter)); }},
    {nullptr, step::kGateAsked, kNoLine, {}, step::kGateOpening, 1.0f,
     [](PlayScreen& p) { EXPECT_TRUE(p.story.gateOpened()); }},
    {gateOpened, step::kGateAsked, kStpGateUrges, {{341, 0.6f}}, step::kNone, 0.0f, nullptr},
    {nullptr, step::kBatGuesses, kStpBatGuess, {{335, 0.4f}}, step::kNone, 0.0f, nullptr},
    {nightOver, step::kBatGuesses, kStpBatSleeps, {}, step::kNone, 0.0f, nullptr},
    {endingClimbing, step::kEndingHalfWay, kNoLine, {}, step::kEndingHalfWay, 0.0f, nullptr},
    {endingHalfWay, step::kEndingHalfWay, kNoLine, {}, step::kEndingFades, 9.0f,
     [](PlayScreen& p) { EXPECT_FLOAT_EQ(0.5001f, p.story.endingProgress); }},
};

class ScriptStepsTest : public ResolverTest {
protected:
    void SetUp() override {
        ResolverTest::SetUp();
        for (int32_t n : {36, 37, 48, 49, 121, 123, 127, 128, 142, 149, 151, 153, 147, 186, 193, 196, 198, 200}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), screentest::makeMeshBytes(2));
        }
        for (int32_t n : {1, 272}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), makeOggBytes(200));
        }
        for (int32_t n : {51, 58, 173, 175, 179, 180, 181, 182, 185, 195}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
        }
    }
};

}  // namespace

TEST_F(ScriptStepsTest, EachStepLandsItsEffectsAndLeadsOn) {
    for (const StepCase& c : kCases) {
        SCOPED_TRACE("step " + std::to_string(c.step));
        freshWorld();
        PlayScreen& p = play();
        if (c.prepare) c.prepare(p);
        p.script.scriptStep = c.step;
        EXPECT_TRUE(runScriptStep(p));
        const std::string shown = shownAnswer();
        if (c.line != kNoLine) {
            EXPECT_EQ(stepText(c.line), shown);
        } else {
            EXPECT_EQ("", shown);
        }
        size_t expected = 0;
        for (const Cue& cue : c.sounds) {
            if (cue.number == 0) continue;
            ASSERT_LT(expected, cues.size());
            EXPECT_EQ(cue.number, cues[expected].number);
            EXPECT_FLOAT_EQ(cue.volume, cues[expected].volume);
            ++expected;
        }
        EXPECT_EQ(expected, cues.size());
        EXPECT_EQ(c.next, p.script.scriptStep);
        EXPECT_FLOAT_EQ(c.delay, p.script.scriptStepDelay);
        EXPECT_EQ("", gFatalErrorText);
        if (c.verify) c.verify(p);
    }
}

TEST_F(ScriptStepsTest, EveryLineFitsThePanel) { checkStepTexts(""); }

TEST_F(ScriptStepsTest, AStepWithoutItsObjectRaisesTheMissingObjectError) {
    freshWorld(kObjTmp);
    play().script.scriptStep = step::kDogLiesContent;
    runScriptStep(play());
    EXPECT_NE(std::string::npos, gFatalErrorText.find("5"));
}

TEST_F(ScriptStepsTest, TheFishPersonNeverStandsWithinReachOfThePosts) {
    freshWorld();
    PlayScreen& p = play();
    p.player.position.set(1.0f, -1.85f, 0.0f);
    p.player.viewAngles.set(0.0f, 0.0f, 0.0f);  // straight at the post (1.55, -1.85)
    p.script.scriptStep = step::kFishRises;
    runScriptStep(p);
    const Vec3 fish = p.findSceneObject(kObjFishPerson)->position;
    EXPECT_GE(std::hypot(fish.x - 1.55f, fish.y + 1.85f), 0.9f - 1e-4f);
    EXPECT_GE(std::hypot(fish.x + 1.55f, fish.y + 1.85f), 0.9f - 1e-4f);
    EXPECT_EQ(step::kFishRipples, p.script.scriptStep);
}

// Room exits: the player's place, the flags, and the room asked for.
struct ExitCase {
    int32_t room;
    float x, y, z;
    int32_t pending;
};

const ExitCase kExits[] = {
    {room::kHall, 14.0f, 29.0f, 0.0f, room::kGarden},  {room::kHall, 12.0f, 42.0f, 1.0f, room::kBehindHall},
    {room::kHall, 12.0f, 42.0f, 8.0f, room::kUpperFloor},
    {room::kHall, 12.0f, 42.0f, 5.0f, room::kNone}, {room::kBehindHall, 15.0f, 41.0f, 0.0f, room::kHall},
    {room::kBehindHall, 17.0f, 41.0f, 0.0f, room::kNone},
    {room::kUpperFloor, 12.0f, 40.0f, 7.0f, room::kHall},  {room::kUpperFloor, 12.0f, 40.0f, 7.5f, room::kNone},
    {room::kGarden, 12.0f, 10.0f, 0.0f, room::kStreet},
    {room::kGarden, 12.0f, 29.5f, 0.0f, room::kHall},
};

TEST_F(ScriptStepsTest, RoomExitsAskForTheNextRoom) {
    for (const ExitCase& c : kExits) {
        SCOPED_TRACE("room " + std::to_string(c.room));
        freshWorld();
        PlayScreen& p = play();
        p.story.bonePlaced = true;
        p.world.room = c.room;
        p.player.position.set(c.x, c.y, c.z);
        updateRoomBehaviour(p, 0.045f);
        EXPECT_EQ(c.pending, p.world.pendingRoom);
    }
}

TEST_F(ScriptStepsTest, RoomOneCornerCallsTheDogUntilTheBoneLies) {
    freshWorld();
    PlayScreen& p = play();
    p.world.room = room::kGarden;
    p.script.scriptStep = step::kNothingHeard;
    p.player.position.set(13.0f, 25.0f, 0.0f);
    updateRoomBehaviour(p, 0.045f);
    EXPECT_EQ(step::kLayBoneDown, p.script.scriptStep);
    p.story.bonePlaced = true;
    p.script.scriptStep = step::kNone;
    updateRoomBehaviour(p, 0.045f);
    EXPECT_EQ(step::kNone, p.script.scriptStep);
}

TEST_F(ScriptStepsTest, RoomTwoHoldsThePlayerInsideItsRing) {
    freshWorld();
    PlayScreen& p = play();
    p.world.room = room::kFishPond;
    p.player.position.set(6.0f, 8.0f, 0.5f);
    updateRoomBehaviour(p, 0.045f);
    EXPECT_NEAR(4.35f, std::hypot(p.player.position.x, p.player.position.y), 1e-4f);
    EXPECT_FLOAT_EQ(0.5f, p.player.position.z);
}

TEST_F(ScriptStepsTest, TheTunnelPathLimitFollowsItsEdge) {
    EXPECT_FLOAT_EQ(9.76897f, tunnelPathLimit(0.0f));
    EXPECT_FLOAT_EQ(9.76897f, tunnelPathLimit(-30.0f));
    EXPECT_NEAR(8.55206f - 0.3f, tunnelPathLimit(-1.59247f), 1e-4f);
    EXPECT_NEAR((10.06897f + 8.55206f) / 2.0f - 0.3f, tunnelPathLimit(-1.59247f / 2.0f), 1e-4f);
}

// The goat person's scene hands its figure to a sweep effect and darkens the
// view with a noise overlay, which the scene later takes away again.
TEST_F(ScriptStepsTest, TheGoatScenesDriveTheSweepAndTheNoise) {
    freshWorld();
    PlayScreen& p = play();
    SceneObject* goat = p.findSceneObject(kObjGoatPerson);
    p.script.scriptStep = step::kGoatTeaches;
    runScriptStep(p);
    ASSERT_NE(nullptr, p.effects.sweepEffect);
    EXPECT_EQ(goat, p.effects.sweepEffect->instance.get());
    const std::vector<SceneObject*>& world = p.world.worldList.objects();
    EXPECT_EQ(world.end(), std::find(world.begin(), world.end(), goat));
    const float x = goat->position.x;
    p.script.scriptStep = step::kSpecialTrickLearned;
    runScriptStep(p);
    EXPECT_FLOAT_EQ(x + 0.5f, goat->position.x);

    p.script.scriptStep = step::kTrickBegins;
    runScriptStep(p);
    ASSERT_NE(nullptr, p.effects.noiseOverlay);
    EXPECT_FLOAT_EQ(0.25f, p.effects.noiseOverlay->targetLevel);
    EXPECT_FLOAT_EQ(0.0169492f, p.effects.noiseOverlay->rate);
    const struct {
        int32_t step;
        float target;
        float rate;
    } levels[] = {{108, 0.35f, 0.1f}, {100, 0.4f, 0.05f}, {101, 0.6f, 0.05f}, {102, 0.8f, 0.05f}, {110, 1.0f, 1.6f}};
    for (const auto& l : levels) {
        p.script.scriptStep = l.step;
        runScriptStep(p);
        EXPECT_FLOAT_EQ(l.target, p.effects.noiseOverlay->targetLevel) << l.step;
        EXPECT_FLOAT_EQ(l.rate, p.effects.noiseOverlay->rate) << l.step;
    }

    p.script.scriptStep = step::kRatAndGoatAppear;
    runScriptStep(p);
    EXPECT_EQ(nullptr, p.effects.noiseOverlay);
    ASSERT_NE(nullptr, p.effects.sweepEffect);
    SceneObject* second = p.effects.sweepEffect->instance.get();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(2u, second->attachments().size());
    EXPECT_FLOAT_EQ(0.0f, p.effects.sweepEffect->progress);
    p.script.scriptStep = step::kSweepReveals;
    runScriptStep(p);
    EXPECT_FLOAT_EQ(1.0f, p.effects.sweepEffect->targetProgress);
    p.script.scriptStep = step::kGoatCompares;
    runScriptStep(p);
    EXPECT_EQ(nullptr, p.effects.sweepEffect);
    EXPECT_EQ("", gFatalErrorText);
}
