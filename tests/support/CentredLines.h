#ifndef QUENDRALVOSS_TESTS_CENTREDLINES_H
#define QUENDRALVOSS_TESTS_CENTREDLINES_H

// A label draws its lines flush left within its centred block, so a two-line
// page text centres its shorter second line with leading spaces: half the
// difference in length, to the nearest column.
#include <gtest/gtest.h>

#include <string>

inline void expectSecondLineCentred(const std::string& text) {
    const size_t nl = text.find('\n');
    ASSERT_NE(std::string::npos, nl) << text;
    ASSERT_EQ(std::string::npos, text.find('\n', nl + 1)) << text;
    const std::string first = text.substr(0, nl);
    const std::string second = text.substr(nl + 1);
    ASSERT_EQ(0u, first.find_first_not_of(' ')) << text;
    const size_t indent = second.find_first_not_of(' ');
    ASSERT_NE(std::string::npos, indent) << text;
    ASSERT_LE(second.size() - indent, first.size()) << text;
    const size_t twice = first.size() - (second.size() - indent);
    EXPECT_TRUE(2 * indent == twice || 2 * indent + 1 == twice)
        << "\"" << second << "\" under \"" << first << "\" needs " << twice / 2 << " spaces";
}

#endif
