#include "engine/Random.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

void seedRandom() { srand(static_cast<unsigned>(time(nullptr))); }

float randomUnit() {
    return static_cast<float>(static_cast<double>(rand()) / static_cast<double>(RAND_MAX));
}

float wrapPositive(float x, float m) {
    const double r = fmod(static_cast<double>(x), static_cast<double>(m));
    return static_cast<float>(x < 0 ? r + m : r);
}
