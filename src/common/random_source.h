#pragma once

// A source of uniform single-precision values u with 0 <= u < 1. Drills draw
// their targets from one; the windows own a clock-seeded source, tests script one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};
