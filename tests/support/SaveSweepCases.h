// The save sweep's cases, the same for each text table: every state's answer
// rows and room rules come back as the player left them, together the states
// choose every row, and each room's states pass every step of its scenes. Included by one test file of
// each program, whose text table the sweep then runs over.
#ifndef QUENDRALVOSS_TESTS_SUPPORT_SAVESWEEPCASES_H
#define QUENDRALVOSS_TESTS_SUPPORT_SAVESWEEPCASES_H

#include "play/RoomTables.h"
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

TEST(SaveSweepCoverage, EverySceneButTheEndingPlaysInOneRoom) { sweep::checkEverySceneHasARoom(); }

// One test a room, each sweeping only that room's states.
class SaveSweepStepCoverage : public testing::TestWithParam<int32_t> {};

TEST_P(SaveSweepStepCoverage, EveryStepIsPassedInSomeStateOfItsRoom) {
    sweep::checkEveryStepIsPassedInItsRoom(GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryRoom, SaveSweepStepCoverage, testing::Range(0, kRoomCount),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return "room" + std::to_string(info.param);
                         });

}  // namespace

#endif
