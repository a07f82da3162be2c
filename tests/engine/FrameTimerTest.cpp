#include <gtest/gtest.h>

#include <vector>

#include "engine/FrameTimer.h"

namespace {
// A clock the test drives: delays advance it, and each frame's work is added
// by the test between ticks.
uint32_t gNow = 0;
std::vector<uint32_t> gDelays;

uint32_t fakeTicks() { return gNow; }
void fakeDelay(uint32_t milliseconds) {
    gDelays.push_back(milliseconds);
    gNow += milliseconds;
}

FrameTimer makeTimer(uint32_t start) {
    gNow = start;
    gDelays.clear();
    FrameTimer timer;
    timer.setClock(fakeTicks, fakeDelay);
    timer.lastTicks = start;
    return timer;
}
}  // namespace

TEST(FrameTimer, InfiniteRateNeverSleeps) {
    FrameTimer timer = makeTimer(1000);
    gNow += 3;
    EXPECT_FLOAT_EQ(0.003f, timer.tick());
    EXPECT_TRUE(gDelays.empty());
}

TEST(FrameTimer, SleepsOutTheRestOfTheFrame) {
    FrameTimer timer = makeTimer(500);
    timer.fps = 60;
    timer.maxDt = 0.045f;
    gNow += 5;
    const float dt = timer.tick();
    ASSERT_EQ(1u, gDelays.size());
    EXPECT_EQ(11u, gDelays[0]);
    EXPECT_FLOAT_EQ(0.016f, dt);

    gNow += 16;
    timer.tick();
    EXPECT_EQ(1u, gDelays.size());

    gNow += 20;
    EXPECT_FLOAT_EQ(0.020f, timer.tick());
    EXPECT_EQ(1u, gDelays.size());
}

TEST(FrameTimer, LongFramesAreCapped) {
    FrameTimer timer = makeTimer(0);
    timer.fps = 60;
    timer.maxDt = 0.045f;
    gNow += 100;
    EXPECT_FLOAT_EQ(0.045f, timer.tick());
    gNow += 45;
    EXPECT_FLOAT_EQ(0.045f, timer.tick());
}

TEST(FrameTimer, TenFramesPerSecondSleepsUpToAFrame) {
    FrameTimer timer = makeTimer(0);
    timer.fps = 10;
    timer.maxDt = 0.045f;
    EXPECT_FLOAT_EQ(0.045f, timer.tick());
    ASSERT_EQ(1u, gDelays.size());
    EXPECT_EQ(100u, gDelays[0]);
}

TEST(FrameTimer, ElapsedTimeSurvivesTheCounterWrapping) {
    FrameTimer timer = makeTimer(0xfffffff0u);
    timer.fps = 60;
    gNow += 0x20;  // wraps past 2^32
    EXPECT_FLOAT_EQ(0.032f, timer.tick());
    EXPECT_TRUE(gDelays.empty());
    EXPECT_EQ(0x10u, timer.lastTicks);
}
