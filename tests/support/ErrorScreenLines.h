#ifndef QUENDRALVOSS_TESTS_ERRORSCREENLINES_H
#define QUENDRALVOSS_TESTS_ERRORSCREENLINES_H

// The error screen shows 32 columns of the stroke font; a longer line would
// wrap there, so every line of an advice text must fit.
#include <gtest/gtest.h>

#include <string>

inline void expectLinesFitTheErrorScreen(const std::string& message) {
    size_t start = 0;
    while (start <= message.size()) {
        size_t end = message.find('\n', start);
        if (end == std::string::npos) end = message.size();
        EXPECT_LE(end - start, 32u) << message.substr(start, end - start);
        start = end + 1;
    }
}

#endif
