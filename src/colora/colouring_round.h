#pragma once

#include "colora/fraction.h"
#include "colora/fraction_grid.h"

#include <cstdint>
#include <vector>

class RandomSource;

// One sitting at the colouring drill: the fraction, the grid and the two counts.
// Every judged answer leaves the grid empty; only a right one brings a new fraction.
class ColouringRound {
public:
    struct Verdict {
        bool right;
        std::vector<int> freed; // the cells the judging emptied
    };

    // Draws the first fraction at once; the source must outlive the round.
    explicit ColouringRound(RandomSource &random);

    FractionGrid &grid() { return grid_; }
    const FractionGrid &grid() const { return grid_; }
    const Fraction &fraction() const { return fraction_; }
    std::int64_t rightCount() const { return right_; }
    std::int64_t wrongCount() const { return wrong_; }

    // Compares the coloured cells with the fraction's target, exactly.
    Verdict confirm();

private:
    RandomSource &random_;
    FractionGrid grid_;
    Fraction fraction_;
    std::int64_t right_ = 0;
    std::int64_t wrong_ = 0;
};
