// Every reader of the costume flags over all eight mixes of them: a new game
// sets one flag, but a save may carry any mix, and each reader keeps the order
// it has always looked at them in, so a loaded game answers and looks as the
// saved one did.
#include <string>

#include "app/ActionId.h"
#include "catalog/ResourceCatalog.h"
#include "play/BackdropLayer.h"
#include "script/ResolverHarness.h"
#include "script/ScriptSteps.h"
#include "script/StepIds.h"
#include "text/StepTexts.h"

using namespace resolvertest;

namespace {

const StepText kNoLine = kStepTextCount;

// The flags set, then what each reader gives for them.
struct CostumeCase {
    bool ghost, werewolf, death;
    AnswerText trickLine;   // the answer to a trick (death first, then werewolf, then ghost)
    StepText skeletonLine;  // step 7 (ghost first, then werewolf, then death); only death's line leads on
    int32_t skeletonNext;
    int32_t youMesh;        // step 93 (werewolf first, then ghost, then death; -1 the blank)
    int32_t backdropLook;   // room 7's backdrop, in the same order, death's look without a flag
    StepText witchLine;     // step 6: death's refusal, any other flag no effect
};

const int32_t kGhostMesh = mesh::kCostumeGhost;
const int32_t kWolfMesh = mesh::kCostumeWerewolf;
const int32_t kDeathMesh = mesh::kCostumeDeath;
const int32_t kGhostLook = picture::kCostumeGhostLook;
const int32_t kWolfLook = picture::kCostumeWerewolfLook;
const int32_t kDeathLook = picture::kCostumeDeathLook;

const CostumeCase kCases[] = {
    {false, false, false, kNoAnswer, kNoLine, step::kNone, -1, kDeathLook, kNoLine},
    {true, false, false, kAnsSpookySound, kStpSkeletonGreetsGhost, step::kNone, kGhostMesh, kGhostLook, kStpNoEffect},
    {false, true, false, kAnsRoar, kStpSkeletonGreetsWerewolf, step::kNone, kWolfMesh, kWolfLook, kStpNoEffect},
    {false, false, true, kAnsTakeTheirSoul, kStpSkeletonAsksHow, step::kNoIdeaHow, kDeathMesh, kDeathLook, kStpWitchNo},
    {true, true, false, kAnsRoar, kStpSkeletonGreetsGhost, step::kNone, kWolfMesh, kWolfLook, kStpNoEffect},
    {true, false, true, kAnsTakeTheirSoul, kStpSkeletonGreetsGhost, step::kNone, kGhostMesh, kGhostLook, kStpWitchNo},
    {false, true, true, kAnsTakeTheirSoul, kStpSkeletonGreetsWerewolf, step::kNone, kWolfMesh, kWolfLook, kStpWitchNo},
    {true, true, true, kAnsTakeTheirSoul, kStpSkeletonGreetsGhost, step::kNone, kWolfMesh, kWolfLook, kStpWitchNo},
};

class CostumeReadersTest : public ResolverTest {
protected:
    void SetUp() override {
        ResolverTest::SetUp();
        for (int32_t n : {kGhostMesh, kWolfMesh, kDeathMesh, 228, 229, 253}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), screentest::makeMeshBytes(2));
        }
        for (int32_t n : {58, 230, 231, 252, kGhostLook, kWolfLook, kDeathLook}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
        }
    }

    // A fresh world wearing the case's flags.
    void wear(const CostumeCase& c) {
        freshWorld();
        play().story.costumeGhost = c.ghost;
        play().story.costumeWerewolf = c.werewolf;
        play().story.costumeDeath = c.death;
    }

    // Runs one step; the line it showed (kNoLine none) is compared.
    void expectStepLine(int32_t step, StepText line) {
        play().script.scriptStep = step;
        EXPECT_TRUE(runScriptStep(play()));
        EXPECT_EQ(line == kNoLine ? std::string() : std::string(stepText(line)), shownAnswer()) << "step " << step;
    }
};

}  // namespace

TEST_F(CostumeReadersTest, EachReaderKeepsItsOrderOverEveryMixOfFlags) {
    for (const CostumeCase& c : kCases) {
        SCOPED_TRACE(std::string("ghost ") + (c.ghost ? "1" : "0") + ", werewolf " + (c.werewolf ? "1" : "0") +
                     ", death " + (c.death ? "1" : "0"));
        const std::string trick = c.trickLine == kNoAnswer ? std::string() : std::string(answerText(c.trickLine));

        wear(c);
        execute(action::kTrick, kObjStationaryWitch);
        EXPECT_EQ(trick, shownAnswer()) << "trick";

        wear(c);
        expectStepLine(step::kSkeletonGreets, c.skeletonLine);
        EXPECT_EQ(c.skeletonNext, play().script.scriptStep);

        wear(c);
        expectStepLine(step::kWitchAnswers, c.witchLine);

        wear(c);
        play().script.scriptStep = step::kPersonSeesYou;
        EXPECT_TRUE(runScriptStep(play()));
        const SceneObject* you = lastObject(play());
        ASSERT_EQ(objectName(kObjYou), you->name);
        for (int32_t n : {kGhostMesh, kWolfMesh, kDeathMesh}) {
            EXPECT_EQ(n == c.youMesh, showsMesh(you, n)) << "mesh " << n << " on \"you\"";
        }

        BackdropLayer backdrop;
        backdrop.createBackdropLayer(c.ghost, c.werewolf, c.death);
        EXPECT_TRUE(showsTexture(backdrop.costumeTexture, c.backdropLook)) << "the backdrop's look";
        backdrop.freeBackdropLayer();
        EXPECT_EQ("", gFatalErrorText);
    }
}
