#include "engine/FrameTimer.h"

#include <SDL.h>

#include <limits>

FrameTimer* gFrameTimer = nullptr;

namespace {
uint32_t sdlTicks() { return SDL_GetTicks(); }
void sdlDelay(uint32_t milliseconds) { SDL_Delay(milliseconds); }
}  // namespace

FrameTimer::FrameTimer()
    : lastTicks(0),
      fps(std::numeric_limits<float>::infinity()),
      maxDt(0.125f),
      ticksFunction(sdlTicks),
      delayFunction(sdlDelay) {}

void FrameTimer::setClock(TicksFunction ticks, DelayFunction delay) {
    ticksFunction = ticks;
    delayFunction = delay;
}

float FrameTimer::tick() {
    const int32_t elapsed = static_cast<int32_t>(ticksFunction() - lastTicks);
    const double period = 1000.0 / static_cast<double>(fps);
    // The wait is truncated toward zero; a huge wait (fps near 0) is held to
    // what an int can carry.
    const double waitExact = period - elapsed;
    const int32_t wait = waitExact >= 2147483647.0 ? 2147483647 : static_cast<int32_t>(waitExact);
    if (wait > 0) {
        delayFunction(static_cast<uint32_t>(wait));
    }
    const uint32_t now = ticksFunction();
    const uint32_t step = now - lastTicks;
    lastTicks = now;
    const float dt = static_cast<float>(step) / 1000.0f;
    return dt > maxDt ? maxDt : dt;
}
