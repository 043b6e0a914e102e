#pragma once

#include <string>

class RandomSource;

// The number to compose: always a whole number from 100 to 9999, drawn uniformly from its source.
class NumberTarget {
public:
    static constexpr int lowest = 100;
    static constexpr int highest = 9999;

    // Draws the first number at once, so that there is never a target without a value.
    explicit NumberTarget(RandomSource &random);

    void draw();
    int value() const { return value_; }
    std::string text() const { return text(value_); }

    // The number as the pupil reads it: a "." after the thousands digit (4.506), the
    // same whatever the locale.
    static std::string text(int number);

private:
    RandomSource &random_;
    int value_ = lowest;
};
