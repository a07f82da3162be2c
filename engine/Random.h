#ifndef QUENDRALVOSS_ENGINE_RANDOM_H
#define QUENDRALVOSS_ENGINE_RANDOM_H

// Seeds the runtime's generator from the clock (once, when the video opens).
void seedRandom();

// A uniform value from 0 to 1, both ends included. Callers that scale and
// truncate it into an index must clamp, since 1.0 itself can come out.
float randomUnit();

// x brought into one period m (m > 0): [0, m) for x >= 0, (0, m] for x < 0.
float wrapPositive(float x, float m);

#endif
