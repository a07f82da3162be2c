#ifndef QUENDRALVOSS_TESTS_SCRIPT_TABLECHECKS_H
#define QUENDRALVOSS_TESTS_SCRIPT_TABLECHECKS_H

// Checks over the resolver's tables that both builds run against their own
// text tables: the names the rows look up, the answers they show and the
// lines of the scenes they start.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "script/ActionRow.h"
#include "text/AnswerTexts.h"
#include "text/ObjectNames.h"
#include "text/StepTexts.h"
#include "text/Text.h"

namespace resolvertest {

// Every target of every row is a name of the table, not empty, and no two
// ids share a name (else the first row of one would answer for the other).
// The player's own target is the self target's name, and the two objects
// written with blanks keep them.
inline void checkRowNames() {
    std::set<std::string> names;
    for (int32_t id = 0; id < kObjectNameCount; ++id) {
        EXPECT_TRUE(names.insert(objectName(static_cast<ObjectName>(id))).second) << id;
    }
    int32_t rows = 0;
    for (int32_t action = 0; action < 19; ++action) {
        const ActionTable* table = actionTable(action);
        ASSERT_NE(nullptr, table);
        ASSERT_NE(nullptr, table->fallback);
        EXPECT_EQ(0, table->fallback->targets.count);
        for (int32_t r = 0; r < table->rowCount; ++r) {
            const TargetSet& targets = table->rows[r].targets;
            EXPECT_GT(targets.count, 0) << action << " row " << r;
            for (int32_t k = 0; k < targets.count; ++k) {
                const int32_t id = targets.names[k];
                ASSERT_TRUE(id >= 0 && id < kObjectNameCount) << action << " row " << r;
                EXPECT_STRNE("", objectName(static_cast<ObjectName>(id)));
            }
            ++rows;
        }
    }
    EXPECT_EQ(227, rows);
    EXPECT_EQ(nullptr, actionTable(-1));
    EXPECT_EQ(nullptr, actionTable(19));
    EXPECT_STREQ(text::kTargetSelf, objectName(kObjYourself));
    for (ObjectName spaced : {kObjSpacedLock, kObjSpacedDoor, kObjSpacedChair}) {
        const std::string name = objectName(spaced);
        EXPECT_TRUE(name.size() > 2 && name.front() == ' ' && name.back() == ' ') << name;
    }
}

// A text fits the panel: at most four lines of at most 23 characters,
// printable ASCII only; capitals as the build allows (none in English, in
// German only the written-out umlauts and sharp s).
inline void expectFitsThePanel(const std::string& text, const std::string& allowedCapitals) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(text.empty());
    int lines = 1;
    size_t lineLength = 0;
    for (char c : text) {
        if (c == '\n') {
            ++lines;
            lineLength = 0;
            continue;
        }
        ++lineLength;
        EXPECT_LE(lineLength, 23u);
        EXPECT_TRUE(c >= ' ' && c <= '~');
        if (std::isupper(static_cast<unsigned char>(c))) {
            EXPECT_NE(std::string::npos, allowedCapitals.find(c)) << c;
        }
    }
    EXPECT_LE(lines, 4);
}

// Every answer of the resolver and every line of the scenes fits the panel.
inline void checkAnswerTexts(const std::string& allowedCapitals) {
    for (int32_t id = 0; id < kAnswerTextCount; ++id) {
        expectFitsThePanel(answerText(static_cast<AnswerText>(id)), allowedCapitals);
    }
}

inline void checkStepTexts(const std::string& allowedCapitals) {
    for (int32_t id = 0; id < kStepTextCount; ++id) {
        expectFitsThePanel(stepText(static_cast<StepText>(id)), allowedCapitals);
    }
}

}  // namespace resolvertest

#endif
