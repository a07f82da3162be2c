// The save sweep's cases, the same for each text table: every state's answer
// rows and room rules come back as the player left them, together the states
// choose every row, and the states where each scene plays pass its every
// step. Included by one test file of each program, whose text table the sweep
// then runs over.
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

// Each chain of cases comes back as the player left it at the chain's end.
class SaveSweepChainTest : public testing::TestWithParam<int32_t> {};

TEST_P(SaveSweepChainTest, ChainsComeBackAsThePlayerLeftThem) {
    const sweep::SweepChain& chain = sweep::kSweepChains[GetParam()];
    const sweep::SweepState* state = sweep::stateNamed(chain.state);
    ASSERT_NE(nullptr, state) << chain.state;
    sweep::SaveSweep run(*state);
    ASSERT_TRUE(run.start()) << gFatalErrorText;
    run.sweepChain(chain);
    EXPECT_EQ(1, run.counts.compared) << chain.label;
}

INSTANTIATE_TEST_SUITE_P(EveryChain, SaveSweepChainTest, testing::Range(0, sweep::kSweepChainCount),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             std::string name = sweep::kSweepChains[info.param].label;
                             for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(SaveSweepCoverage, EveryRowIsChosenInSomeState) { sweep::checkEveryRowIsChosen(); }

TEST(SaveSweepCoverage, TheStepChecksSplitTheSweepWithoutAGap) { sweep::checkTheCoverageChecksSplitTheSweep(); }

// One test a part of the sweep (a room, or part of one), each sweeping only
// its own states.
class SaveSweepStepCoverage : public testing::TestWithParam<int32_t> {};

TEST_P(SaveSweepStepCoverage, EveryStepIsPassedInSomeState) {
    sweep::checkEveryStepIsPassed(sweep::kStepCoverages[GetParam()]);
}

INSTANTIATE_TEST_SUITE_P(EveryPart, SaveSweepStepCoverage, testing::Range(0, sweep::kStepCoverageCount),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return std::string(sweep::kStepCoverages[info.param].label);
                         });

}  // namespace

#endif
