// The story's scenes played whole in the running game: each one started at
// its first step in the room where it happens, the player closing every line
// it shows, until the chain ends. The steps passed, the lines shown and the
// world left behind are checked.
#include <cmath>

#include "StoryBench.h"
#include "catalog/ResourceCatalog.h"

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "engine/Camera.h"
#include "play/GlowSprite.h"
#include "play/GroundGrid.h"
#include "play/RoomId.h"
#include "play/SweepEffect.h"
#include "script/StepIds.h"
#include "text/StepTexts.h"

using namespace storytest;

namespace {

bool at(const Vec3& v, float x, float y, float z) {
    return std::fabs(v.x - x) < 1e-4f && std::fabs(v.y - y) < 1e-4f && std::fabs(v.z - z) < 1e-4f;
}
bool has(PlayScreen& p, ObjectName name) { return p.world.worldList.containsSceneObject(objectName(name)); }
bool holds(const PlayScreen& p, int32_t actionId) {
    for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) {
        if (entry->actionId == actionId) return true;
    }
    return false;
}
// The unnamed objects of the world list standing at (x, y, z).
std::vector<SceneObject*> sceneryAt(PlayScreen& p, float x, float y, float z) {
    std::vector<SceneObject*> found;
    for (SceneObject* o : p.world.worldList.objects()) {
        if (o->name.empty() && at(o->position, x, y, z)) found.push_back(o);
    }
    return found;
}

struct SceneCase {
    const char* what;
    int32_t room;
    void (*prepare)(PlayScreen&);  // flags before the room is built; may be null
    float x, y, z;                 // where the player stands
    int32_t start;
    std::vector<int32_t> steps;    // from start to the end of the chain
    std::vector<StepText> lines;
    void (*verify)(PlayScreen&);
};

void boneLies(PlayScreen& p) { p.story.bonePlaced = true; }
void trickHeld(PlayScreen& p) {
    p.story.specialTrickLearned = true;
    p.player.appendAction(action::kUseSpecialTrick);
}
void lateNight(PlayScreen& p) { p.story.nightAlmostOver = true; }
void eyesOpen(PlayScreen& p) {
    p.story.storyValue49 = 1.0f;
    p.story.storyValue50 = 1.0f;
    p.story.storyValue52 = 1.0f;
    p.story.storyFlag51 = true;
}

const SceneCase kScenes[] = {
    {"dog notices the player", room::kGarden, nullptr, 12.0f, 20.0f, 0.0f, step::kLayBoneDown,
     {step::kLayBoneDown, step::kDogCameraToBone, step::kDogCameraToDog, step::kDogGuards, step::kDogSceneEnds,
      step::kNone}, {},
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.bonePlaced);
         ASSERT_TRUE(has(p, kObjBone));
         EXPECT_EQ(mesh::kBone, meshNumber(p.findSceneObject(kObjBone)));
         SceneObject* dog = p.findSceneObject(kObjDog);
         EXPECT_EQ(mesh::kDogGuarding, meshNumber(dog));
         EXPECT_EQ(1.0f, dog->animSpeed);
         EXPECT_TRUE(at(dog->position, 13.5f, 24.5f, 0.35651f));
         EXPECT_EQ(2u, dog->attachments().size());
     }},
    {"dog given the bone", room::kGarden, boneLies, 12.0f, 20.0f, 0.0f, step::kDogBuriesBone,
     {step::kDogBuriesBone, step::kDogBurialView, step::kDogBurialDarkens, step::kDogLiesContent, step::kNone}, {},
     [](PlayScreen& p) {
         EXPECT_FALSE(has(p, kObjDog));
         EXPECT_FALSE(has(p, kObjTmp));
         const std::vector<SceneObject*> left = sceneryAt(p, 13.5f, 23.5f, 0.35651f);
         ASSERT_EQ(2u, left.size());
         EXPECT_EQ(mesh::kBoneHoleFilled, meshNumber(left[0]));
         EXPECT_EQ(mesh::kDogChewing, meshNumber(left[1]));
         EXPECT_EQ(2.0f, left[1]->animSpeed);
         ASSERT_EQ(2u, left[1]->attachments().size());
         EXPECT_EQ(76, left[1]->attachments()[0]->vertexIndex);
         EXPECT_EQ(374, left[1]->attachments()[1]->vertexIndex);
         EXPECT_EQ(1.0f, p.view.sceneVisibilityTarget);
     }},
    {"fish person", room::kFishPond, nullptr, 0.0f, 0.0f, 0.91f, step::kFishRises,
     {step::kFishRises, step::kFishRipples, step::kFishSplashesUp, step::kFishFirstLine, step::kFishSecondLine,
      step::kFishThirdLine, step::kFishSinks, step::kFishSplashesDown, step::kFishBackInPond, step::kNone},
     {kStpFishThrowIn, kStpFishOneWord, kStpFishChange},
     [](PlayScreen& p) {
         EXPECT_FALSE(p.story.fishGaveInterestTalk());  // a new game's first visit turns it off
         SceneObject* fish = p.findSceneObject(kObjFishPerson);
         EXPECT_EQ(mesh::kFishPersonFloating, meshNumber(fish));
         EXPECT_TRUE(at(fish->position, 0.0f, -3.5f, 0.95f));
         EXPECT_TRUE(at(fish->halfSize, 0.5f, 0.5f, 5.0f));
         ASSERT_NE(nullptr, p.effects.groundGrid);
         EXPECT_EQ(40, p.effects.groundGrid->sourceRow);
         EXPECT_EQ(13, p.effects.groundGrid->sourceColumn);
         EXPECT_EQ(1, p.effects.groundGrid->sourceRadius);
         EXPECT_EQ(0.0f, p.effects.groundGrid->sourceOffset);
     }},
    {"goat person names its condition", room::kBehindHall, nullptr, 19.0f, 43.0f, 0.91f, step::kGoatBoasts,
     {step::kGoatBoasts, step::kGoatCondition, step::kGoatBound, step::kNone},
     {kStpGoatBoasts, kStpGoatCondition},
     [](PlayScreen& p) { EXPECT_EQ(mesh::kGoatPersonBound, meshNumber(p.findSceneObject(kObjGoatPerson))); }},
    {"goat person teaches the trick", room::kBehindHall, nullptr, 19.0f, 43.0f, 0.91f, step::kGoatRises,
     {step::kGoatRises, step::kGoatRelief, step::kGoatHandsOver, step::kGoatTeaches, step::kGoatTeachingDarkens,
      step::kSpecialTrickLearned, step::kNone},
     {kStpGoatRelief, kStpGoatHandsOver},
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.specialTrickLearned);
         ASSERT_NE(nullptr, p.player.selectedAction);
         EXPECT_EQ(17, p.player.selectedAction->actionId);
         EXPECT_FALSE(has(p, kObjGoatPerson));
         ASSERT_NE(nullptr, p.effects.sweepEffect);
         ASSERT_NE(nullptr, p.effects.sweepEffect->instance);
         EXPECT_EQ(objectName(kObjGoatPerson), p.effects.sweepEffect->instance->name);
         EXPECT_EQ(mesh::kGoatPersonTeaching, meshNumber(p.effects.sweepEffect->instance.get()));
         EXPECT_NEAR(20.95f + 0.5f, p.effects.sweepEffect->instance->position.x, 1e-4f);
         EXPECT_EQ(1.0f, p.view.sceneVisibilityTarget);
     }},
    {"the night", room::kUpperFloor, trickHeld, 12.0f, 33.0f, 7.33f, step::kTrickBegins,
     {step::kTrickBegins, step::kTrickShimmers, step::kTrickUnfolds, step::kPersonFirstLaugh, step::kPersonSecondLaugh,
      step::kPersonFirstVerdict, step::kPersonSecondVerdict, step::kNoiseTakesOver, step::kRatAndGoatAppear,
      step::kSweepReveals, step::kGoatTeacher, step::kGoatLoan, step::kAfterGoatLoan, step::kGoatCompares,
      step::kAfterGoatCompares, step::kTeacherCameraTurns, step::kPersonPasses, step::kPersonLightsFade,
      step::kTrickFadesOut, step::kBeforeLateNight, step::kLateNightBegins, step::kDawnNear, step::kNone},
     {kStpPersonLaugh1, kStpPersonLaugh2, kStpPersonVerdict1, kStpPersonVerdict2, kStpGoatTeacher, kStpGoatLoan,
      kStpGoatCompare, kStpDawnNear},
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.nightAlmostOver);
         EXPECT_EQ(room::kUpperFloor, p.world.room);
         // Rebuilt late at night: the person is gone, the letters are there.
         EXPECT_FALSE(has(p, kObjPerson));
         EXPECT_FALSE(has(p, kObjYou));
         EXPECT_FALSE(has(p, kObjSkeleton));
         EXPECT_TRUE(has(p, kObjLetter));
         EXPECT_FALSE(holds(p, 17));
         EXPECT_EQ(nullptr, p.effects.noiseOverlay);
         EXPECT_EQ(nullptr, p.effects.sweepEffect);
         EXPECT_FLOAT_EQ(70.0f, gCamera->fovy);
         EXPECT_FLOAT_EQ(12.5f, p.player.position.x);
         EXPECT_FLOAT_EQ(32.0f, p.player.position.y);
         EXPECT_NEAR(270.0f * 0.0174533f, p.player.viewAngles.z, 1e-4f);
     }},
    {"the gate", room::kStreet, lateNight, 7.0f, 5.0f, 0.0f, step::kGateAsked,
     {step::kGateAsked, step::kGateOpening, step::kGateWonders, step::kGateCreaksOpen, step::kGateCameraRises,
      step::kGateStandsOpen, step::kGateSceneEnds, step::kNone}, {kStpGateWonders},
     [](PlayScreen& p) {
         EXPECT_TRUE(p.story.gateOpened());
         EXPECT_FALSE(has(p, kObjGate1));
         EXPECT_EQ(mesh::kGateOpen, meshNumber(p.findSceneObject(kObjGate)));
         EXPECT_EQ(room::kNone, p.world.pendingRoom);
     }},
    // Last: it leaves play for the ending screen.
    {"home again", room::kTunnel, eyesOpen, -12.0f, -3.0f, 0.0f, step::kTimelyReturn,
     {step::kTimelyReturn, step::kFirstWarning, step::kSecondWarning, step::kThirdWarning, step::kEndingHalfWay,
      step::kEndingFades, step::kShowEndingScreen, step::kEndingShown},
     {kStpTimelyReturn, kStpWarning1, kStpWarning2, kStpWarning3},
     [](PlayScreen& p) {
         EXPECT_EQ(kGameStateEnding, gGameState);
         EXPECT_GT(p.story.endingProgress, 0.5f);
         EXPECT_EQ(0.0f, p.view.sceneVisibilityTarget);
     }},
};

class SceneChainsTest : public StoryTest {};

}  // namespace

TEST_F(SceneChainsTest, EachSceneRunsItsStepsToTheEnd) {
    PlayScreen& p = play();
    for (const SceneCase& c : kScenes) {
        SCOPED_TRACE(c.what);
        p.resetPlayState();
        if (c.prepare) c.prepare(p);
        p.enterRoom(c.room);
        p.player.position.set(c.x, c.y, c.z);
        p.player.viewAngles.set(0.0f, 0.0f, 0.0f);
        lines.clear();
        p.script.scriptStep = c.start;
        EXPECT_EQ(c.steps, runScene());
        std::vector<std::string> expected;
        for (StepText line : c.lines) expected.push_back(stepText(line));
        EXPECT_EQ(expected, lines);
        ASSERT_EQ("", gFatalErrorText);
        c.verify(p);
    }
}
