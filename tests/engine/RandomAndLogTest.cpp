#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sys/stat.h>

#include "engine/AppLog.h"
#include "engine/Random.h"
#include "support/TestDirectory.h"

TEST(Random, UnitStaysInRangeAndScaledIndexNeverOverflows) {
    srand(1);
    for (int i = 0; i < 20000; ++i) {
        const float value = randomUnit();
        ASSERT_GE(value, 0.0f);
        ASSERT_LE(value, 1.0f);
        ASSERT_LE(static_cast<int>(value * 5.9999f), 5);
    }
    EXPECT_LE(static_cast<int>(1.0f * 5.9999f), 5);
}

TEST(Random, WrapPositiveKeepsValuesInOnePeriod) {
    const float twoPi = 6.2831855f;
    EXPECT_NEAR(7.0f - twoPi, wrapPositive(7.0f, twoPi), 1e-6f);
    EXPECT_NEAR(twoPi - 1.0f, wrapPositive(-1.0f, twoPi), 1e-6f);
    EXPECT_FLOAT_EQ(twoPi, wrapPositive(-twoPi, twoPi));
    EXPECT_FLOAT_EQ(0.0f, wrapPositive(0.0f, 5.0f));
    EXPECT_FLOAT_EQ(2.5f, wrapPositive(12.5f, 5.0f));
}

// The log stream is a global that lives for the whole program; the tests run
// in their own process each, so the first line here opens it.
TEST(AppLog, LinesAreAppendedPlainAndFlushed) {
    TestDirectory dir;
    writeLogLine("a");
    writeLogLine("b");
    EXPECT_EQ((std::vector<uint8_t>{'a', '\n', 'b', '\n'}), readFileBytes("app.log"));
    gAppLogStream.close();
}

// The log is opened once per program, so a log opened by an earlier test
// would hide the failed open: the scenario runs in a freshly started copy of
// this program, which reports through its exit code.
TEST(AppLog, UncreatableLogDropsLinesSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TestDirectory dir;
            int failures = gAppLogOpen == 0 ? 0 : 1;
            failures += mkdir("app.log", 0755) == 0 ? 0 : 2;
            writeLogLine("lost");
            failures += gAppLogOpen == 1 ? 0 : 4;
            failures += rmdir("app.log") == 0 ? 0 : 8;
            writeLogLine("still lost");
            struct stat info;
            failures += stat("app.log", &info) != 0 ? 0 : 16;
            std::exit(failures);
        },
        testing::ExitedWithCode(0), "");
}
