// The resolver in the German build: its names are the German objects' names,
// its texts German, and its tables and the scenes' lines pass the same checks.
#include "script/ResolverHarness.h"
#include "script/TableChecks.h"
#include "text/Text.h"

using namespace resolvertest;

TEST(GermanResolverTables, RowsLookUpNamesOfTheGermanNameTable) { checkRowNames(); }

TEST(GermanResolverTables, AnswersFitThePanelWithUmlautCapitalsOnly) { checkAnswerTexts("AOUS"); }

TEST(GermanResolverTables, SceneLinesFitThePanelWithUmlautCapitalsOnly) { checkStepTexts("AOUS"); }

TEST_F(ResolverTest, GermanNamesAndTextsAnswer) {
    freshWorld();
    execute(1, kObjYourself);  // "dir selbst"
    EXPECT_EQ(answerText(kAnsAskYourself), shownAnswer());

    freshWorld();
    play().player.position.set(14.0f, 30.0f, 0.0f);
    for (SceneObject* object : play().world.worldList.objects()) object->position.set(15.0f, 30.0f, 1.5f);
    execute(0, kObjBigPumpkin);  // "groSer kUrbis"
    EXPECT_EQ("du kommst nicht ran.", shownAnswer());

    freshWorld();
    execute(-1, kObjGate);
    EXPECT_EQ("wie das gemacht wird\nist unbekannt.", shownAnswer());

    freshWorld();
    execute(12, kObjSpacedChair);  // " stuhl ", no row: the fall-back
    EXPECT_EQ("das funktioniert\nnicht.", shownAnswer());

    freshWorld(kObjFollowedLeader);
    execute(3, kObjKnife);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("ausnahme:\n5"));
}
