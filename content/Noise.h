#ifndef QUENDRALVOSS_CONTENT_NOISE_H
#define QUENDRALVOSS_CONTENT_NOISE_H

#include <cstdint>

// Deterministic noise for procedural pictures and sounds. Value noise is
// periodic: coordinates wrap at `period` lattice cells, so a picture that
// samples one whole period tiles seamlessly.
class Noise {
public:
    explicit Noise(uint32_t seed);

    // Smooth value noise in 0..1 at (x, y), periodic with the period in cells.
    float value(float x, float y, int period) const;
    // Sum of octaves (each double frequency, half amplitude), in 0..1.
    float fractal(float x, float y, int period, int octaves) const;
    // A hash of integers, in 0..1.
    float hash(int x, int y) const;
    // The next number of the generator's own sequence, in 0..1.
    float next();

private:
    uint32_t seed;
    uint32_t state;
};

#endif
