#pragma once

#include <string>

class BlockBoard;
class RandomSource;

// The number to compose: a whole number from 100 to 9999, drawn uniformly.
class NumberTarget {
public:
    static constexpr int lowest = 100;
    static constexpr int highest = 9999;

    // One draw.
    static NumberTarget draw(RandomSource &random);

    int value() const { return value_; }
    bool isMetBy(const BlockBoard &board) const;
    // The number as the pupil reads it: a "." after the thousands digit (4.506), the
    // same whatever the locale.
    std::string text() const;

private:
    explicit NumberTarget(int value)
        : value_(value)
    {
    }

    int value_;
};
