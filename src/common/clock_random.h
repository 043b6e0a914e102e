#pragma once

#include "common/random_source.h"

#include <cstdint>
#include <random>

// Uniform values in [0, 1) from a Mersenne twister seeded once, from the clock
// by default. Every value is 24 random bits times 2^-24, so 1.0f never comes out.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint32_t seed);
    float next() override;

private:
    std::mt19937 engine_;
};
