// The save sweep over the German table, whose rows and rules look objects up
// by their German names: in every room and story state, each answer row and
// each room rule that starts a scene carried out live, played out, saved,
// loaded, and the rebuilt world held against the one the player left
// (support/SaveSweep.h).
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
