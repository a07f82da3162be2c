// The German caption's one grammar rule.
#include <gtest/gtest.h>

#include "play/SceneDrawing.h"

TEST(TargetGrammar, DirSelbstBecomesDichSelbstAfterThreeActions) {
    EXPECT_EQ("dich selbst", applyTargetGrammar("frage", "dir selbst"));
    EXPECT_EQ("dich selbst", applyTargetGrammar("trickse\n\n  aus", "dir selbst"));
    EXPECT_EQ("dich selbst", applyTargetGrammar("nimm", "dir selbst"));
    EXPECT_EQ("dir selbst", applyTargetGrammar("klopfe an", "dir selbst"));
    EXPECT_EQ("dir selbst", applyTargetGrammar("benutze stein mit", "dir selbst"));
    EXPECT_EQ("tor", applyTargetGrammar("frage", "tor"));
    EXPECT_EQ("", applyTargetGrammar("", ""));
}
