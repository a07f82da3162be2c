// The save sweep's cases, the same for each text table: every state's answer
// rows and room rules come back as the player left them, and together the
// states choose every row and pass every step. Included by one test file of
// each program, whose text table the sweep then runs over.
#ifndef QUENDRALVOSS_TESTS_SUPPORT_SAVESWEEPCASES_H
#define QUENDRALVOSS_TESTS_SUPPORT_SAVESWEEPCASES_H

#include "support/SaveSweep.h"

namespace {

class SaveSweepTest : public testing::TestWithParam<int32_t> {};

TEST_P(SaveSweepTest, RowsComeBackAsThePlayerLeftThem) {
    sweep::SaveSweep run(sweep::kSweepStates[GetParam()]);
    ASSERT_TRUE(run.start()) << gFatalErrorText;
    run.sweepRows();
    std::printf("%s\n", run.summary().c_str());
}

TEST_P(SaveSweepTest, RoomRulesComeBackAsThePlayerLeftThem) {
    sweep::SaveSweep run(sweep::kSweepStates[GetParam()]);
    ASSERT_TRUE(run.start()) << gFatalErrorText;
    run.sweepRoomRules();
    std::printf("%s\n", run.summary().c_str());
}

INSTANTIATE_TEST_SUITE_P(EveryState, SaveSweepTest, testing::Range(0, sweep::kSweepStateCount),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return sweep::stateTestName(info.param);
                         });

TEST(SaveSweepCoverage, EveryRowIsChosenInSomeState) { sweep::checkEveryRowIsChosen(); }

TEST(SaveSweepCoverage, EveryStepIsPassedInSomeState) { sweep::checkEveryStepIsPassed(); }

}  // namespace

#endif
