// The script steps one at a time on a world holding one object of every name:
// each step's line, sounds, object changes, flight, flags, delay and the step
// it leads to; and the rooms' exits and limits.
#include <algorithm>

#include "ResolverHarness.h"
#include "TableChecks.h"
#include "catalog/ResourceCatalog.h"

#include "engine/Camera.h"
#include "play/GlowSprite.h"
#include "play/NoiseOverlay.h"
#include "play/SweepEffect.h"
#include "script/Room7Behaviour.h"
#include "script/RoomBehaviour.h"
#include "script/ScriptSteps.h"
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
    p.player.appendAction(13);
    p.player.selectedAction = p.player.actions().front().get();
}

const StepCase kCases[] = {
    {nullptr, 1, kStpNoEffect, {}, -1, 0.0f, nullptr},
    {nullptr, 2, kStpNotASnake, {}, 1, 0.0f, nullptr},
    {ghost, 6, kStpNoEffect, {}, -1, 0.0f, nullptr},
    {noCostume, 6, kNoLine, {}, -1, 0.0f, nullptr},
    {death, 6, kStpWitchNo, {{338, 0.4f}}, -1, 0.0f, nullptr},
    {ghost, 7, kStpSkeletonGreetsGhost, {{328, 1.0f}}, -1, 0.0f, nullptr},
    {werewolf, 7, kStpSkeletonGreetsWerewolf, {{328, 1.0f}}, -1, 0.0f, nullptr},
    {death, 7, kStpSkeletonAsksHow, {{328, 1.0f}}, 11, 0.0f, nullptr},
    {nullptr, 13, kStpSkeletonRemembers, {{328, 1.0f}}, 40, 0.0f, nullptr},
    {nullptr, 14, kNoLine, {}, -1, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjLock)); }},
    {nullptr, 15, kNoLine, {}, 16, 1.0f, nullptr},
    {nullptr, 19, kStpShadowGiggles, {{322, 0.3f}}, 20, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(showsMesh(p.findSceneObject(kObjShadyCat), mesh::kCatCowering)); }},
    {nullptr, 20, kNoLine, {}, 21, 1.0f, [](PlayScreen& p) { EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget); }},
    {nullptr, 21, kNoLine, {}, -1, 0.0f, [](PlayScreen& p) { EXPECT_EQ(1.0f, p.view.sceneVisibilityTarget); }},
    {nullptr, 22, kNoLine, {}, 23, 1.0f, nullptr},
    {nullptr, 23, kStpCatMeows, {{320, 0.3f}}, 20, 0.0f, nullptr},
    {nullptr, 28, kNoLine, {}, -1, 0.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.moniqueHasFlower);
         EXPECT_EQ(2, countNamed(p, kObjHat));
         EXPECT_FALSE(hasAction(p, 8));
     }},
    {nullptr, 33, kStpRightStatueDuty, {{331, 0.8f}}, 34, 0.0f,
     [](PlayScreen& p) { EXPECT_EQ(0.0f, p.findSceneObject(kObjLeftBirdStatue)->animSpeed); }},
    {nullptr, 34, kStpLeftStatuePurpose, {{330, 0.8f}}, 35, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(p.view.flight.isRunning()); }},
    {death, 39, kStpLeftStatueDeath, {{330, 0.8f}}, -1, 0.0f, nullptr},
    // The lit candle joins the end of the list; the choice stays where it was.
    {candleHeld, 42, kNoLine, {{99, 0.2f}}, -1, 0.0f,
     [](PlayScreen& p) {
         EXPECT_FALSE(hasAction(p, 13));
         EXPECT_EQ(14, p.player.actions().back()->actionId);
         EXPECT_EQ(0, selectedActionId(p));
     }},
    {nullptr, 47, kNoLine, {}, 43, 1.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.bonePlaced);
         SceneObject* dog = p.findSceneObject(kObjDog);
         EXPECT_TRUE(near(dog->position, 13.5f, 24.5f, 0.35651f));
         ASSERT_EQ(2u, dog->attachments().size());
         EXPECT_EQ(2162, dog->attachments()[1]->vertexIndex);
         EXPECT_FLOAT_EQ(0.1f, dog->attachments()[1]->quadExtent.x);
     }},
    {nullptr, 48, kStpDogHeard, {{319, 0.4f}}, 52, 0.0f, nullptr},
    {nullptr, 56, kNoLine, {}, -1, 0.0f,
     [](PlayScreen& p) {
         EXPECT_EQ(0, countNamed(p, kObjDog));
         EXPECT_EQ(0, countNamed(p, kObjTmp));
         EXPECT_EQ(2u, lastObject(p)->attachments().size());
     }},
    {nullptr, 58, kNoLine, {}, -1, 0.0f, [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjBigPumpkin)); }},
    {noFlag36, 61, kStpFishInterest, {{332, 0.4f}}, 67, 0.0f, [](PlayScreen& p) { EXPECT_TRUE(p.story.storyFlag36); }},
    {flag36, 61, kStpFishThrowIn, {{332, 0.4f}}, 67, 0.0f, [](PlayScreen& p) { EXPECT_FALSE(p.story.storyFlag36); }},
    {flag36, 67, kStpFishTrade, {{332, 0.4f}}, 68, 0.0f, nullptr},
    {noFlag36, 68, kStpFishChange, {{332, 0.4f}}, 62, 0.0f, nullptr},
    {nullptr, 63, kNoLine, {}, -1, 0.0f,
     [](PlayScreen& p) { EXPECT_TRUE(near(p.findSceneObject(kObjFishPerson)->position, 0.0f, -3.5f, 0.95f)); }},
    {nullptr, 72, kStpBallReassures, {{318, 0.18f}}, -1, 0.0f, nullptr},
    {coinInWell, 72, kStpBallLostSight, {{318, 0.18f}}, -1, 0.0f, nullptr},
    {nullptr, 73, kNoLine, {{303, 0.15f}}, 73, 0.08f, [](PlayScreen& p) { EXPECT_EQ(4, p.story.storyCount40); }},
    {dustHalfGone, 73, kNoLine, {}, 74, 0.08f, [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjDust)); }},
    {nullptr, 83, kNoLine, {}, -1, 0.0f,
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.specialTrickLearned);
         EXPECT_EQ(17, selectedActionId(p));
     }},
    {nullptr, 88, kStpPersonLong, {{333, 0.15f}}, -1, 0.0f, nullptr},
    {ghost, 93, kNoLine, {}, 94, 3.0f, [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjYou)); }},
    {noCostume, 93, kNoLine, {}, 94, 3.0f, [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjYou)); }},
    {nullptr, 101, kStpPersonVerdict1, {{333, 0.0999f}}, 102, 0.0f, nullptr},
    {nullptr, 114, kNoLine, {{336, 0.9f}}, 116, 0.0f, [](PlayScreen& p) { EXPECT_EQ(2, countNamed(p, kObjSkeleton)); }},
    {nullptr, 120, kNoLine, {}, 121, 3.0f, [](PlayScreen& p) { EXPECT_EQ(0, countNamed(p, kObjLetter)); }},
    {nullptr, 123, kNoLine, {}, 124, 1.0f, [](PlayScreen& p) { EXPECT_TRUE(p.story.storyFlag48); }},
    {gateOpened, 123, kStpGateUrges, {{341, 0.6f}}, -1, 0.0f, nullptr},
    {nullptr, 133, kStpBatGuess, {{335, 0.4f}}, -1, 0.0f, nullptr},
    {nightOver, 133, kStpBatSleeps, {}, -1, 0.0f, nullptr},
    {endingClimbing, 140, kNoLine, {}, 140, 0.0f, nullptr},
    {endingHalfWay, 140, kNoLine, {}, 141, 9.0f, [](PlayScreen& p) { EXPECT_FLOAT_EQ(0.5001f, p.story.endingProgress); }},
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
    play().script.scriptStep = 56;
    runScriptStep(play());
    EXPECT_NE(std::string::npos, gFatalErrorText.find("5"));
}

TEST_F(ScriptStepsTest, TheFishPersonNeverStandsWithinReachOfThePosts) {
    freshWorld();
    PlayScreen& p = play();
    p.player.position.set(1.0f, -1.85f, 0.0f);
    p.player.viewAngles.set(0.0f, 0.0f, 0.0f);  // straight at the post (1.55, -1.85)
    p.script.scriptStep = 60;
    runScriptStep(p);
    const Vec3 fish = p.findSceneObject(kObjFishPerson)->position;
    EXPECT_GE(std::hypot(fish.x - 1.55f, fish.y + 1.85f), 0.9f - 1e-4f);
    EXPECT_GE(std::hypot(fish.x + 1.55f, fish.y + 1.85f), 0.9f - 1e-4f);
    EXPECT_EQ(64, p.script.scriptStep);
}

// Room exits: the player's place, the flags, and the room asked for.
struct ExitCase {
    int32_t room;
    float x, y, z;
    int32_t pending;
};

const ExitCase kExits[] = {
    {4, 14.0f, 29.0f, 0.0f, 1},  {4, 12.0f, 42.0f, 1.0f, 5}, {4, 12.0f, 42.0f, 8.0f, 6},
    {4, 12.0f, 42.0f, 5.0f, -1}, {5, 15.0f, 41.0f, 0.0f, 4}, {5, 17.0f, 41.0f, 0.0f, -1},
    {6, 12.0f, 40.0f, 7.0f, 4},  {6, 12.0f, 40.0f, 7.5f, -1}, {1, 12.0f, 10.0f, 0.0f, 0},
    {1, 12.0f, 29.5f, 0.0f, 4},
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
    p.world.room = 1;
    p.script.scriptStep = 12;
    p.player.position.set(13.0f, 25.0f, 0.0f);
    updateRoomBehaviour(p, 0.045f);
    EXPECT_EQ(47, p.script.scriptStep);
    p.story.bonePlaced = true;
    p.script.scriptStep = -1;
    updateRoomBehaviour(p, 0.045f);
    EXPECT_EQ(-1, p.script.scriptStep);
}

TEST_F(ScriptStepsTest, RoomTwoHoldsThePlayerInsideItsRing) {
    freshWorld();
    PlayScreen& p = play();
    p.world.room = 2;
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
    p.script.scriptStep = 84;
    runScriptStep(p);
    ASSERT_NE(nullptr, p.effects.sweepEffect);
    EXPECT_EQ(goat, p.effects.sweepEffect->instance.get());
    const std::vector<SceneObject*>& world = p.world.worldList.objects();
    EXPECT_EQ(world.end(), std::find(world.begin(), world.end(), goat));
    const float x = goat->position.x;
    p.script.scriptStep = 83;
    runScriptStep(p);
    EXPECT_FLOAT_EQ(x + 0.5f, goat->position.x);

    p.script.scriptStep = 97;
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

    p.script.scriptStep = 104;
    runScriptStep(p);
    EXPECT_EQ(nullptr, p.effects.noiseOverlay);
    ASSERT_NE(nullptr, p.effects.sweepEffect);
    SceneObject* second = p.effects.sweepEffect->instance.get();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(2u, second->attachments().size());
    EXPECT_FLOAT_EQ(0.0f, p.effects.sweepEffect->progress);
    p.script.scriptStep = 115;
    runScriptStep(p);
    EXPECT_FLOAT_EQ(1.0f, p.effects.sweepEffect->targetProgress);
    p.script.scriptStep = 112;
    runScriptStep(p);
    EXPECT_EQ(nullptr, p.effects.sweepEffect);
    EXPECT_EQ("", gFatalErrorText);
}
