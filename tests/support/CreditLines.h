#ifndef QUENDRALVOSS_TESTS_CREDITLINES_H
#define QUENDRALVOSS_TESTS_CREDITLINES_H

// The credits page draws the "by" line and the maker's name centred over each
// other on the third line, so both must be equally long and the name must
// begin exactly one column after the word.
#include <gtest/gtest.h>

#include <string>

inline void expectCreditLinesAlign(const std::string& byText, const std::string& nameText) {
    ASSERT_EQ(0u, byText.find("\n\n"));
    ASSERT_EQ(0u, nameText.find("\n\n"));
    const std::string by = byText.substr(2);
    const std::string name = nameText.substr(2);
    EXPECT_EQ(by.size(), name.size()) << "\"" << by << "\" over \"" << name << "\"";
    const size_t wordEnd = by.find(' ');
    ASSERT_NE(std::string::npos, wordEnd);
    EXPECT_EQ(std::string::npos, by.find_first_not_of(' ', wordEnd)) << "only spaces follow the word";
    EXPECT_EQ(wordEnd + 1, name.find_first_not_of(' ')) << "the name starts one column after \"" << by << "\"";
}

#endif
