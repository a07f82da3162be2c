#ifndef QUENDRALVOSS_ENGINE_FRAMETIMER_H
#define QUENDRALVOSS_ENGINE_FRAMETIMER_H

#include <cstdint>

// Paces the run loop: sleeps for what is left of the frame period and returns
// the frame's time step, capped at maxDt. The owner writes fps and maxDt.
class FrameTimer {
public:
    typedef uint32_t (*TicksFunction)();
    typedef void (*DelayFunction)(uint32_t milliseconds);

    FrameTimer();

    // Sleeps, then returns the seconds since the previous tick (at most maxDt).
    float tick();

    // Replaces the clock (SDL_GetTicks and SDL_Delay by default), so a test
    // can drive the timer with a clock of its own.
    void setClock(TicksFunction ticks, DelayFunction delay);

    uint32_t lastTicks;
    float fps;
    float maxDt;

private:
    TicksFunction ticksFunction;
    DelayFunction delayFunction;
};

// The run loop's timer, created by the application.
extern FrameTimer* gFrameTimer;

#endif
