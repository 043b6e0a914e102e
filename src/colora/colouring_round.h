#pragma once

#include "colora/fraction.h"
#include "colora/fraction_grid.h"
#include "common/score.h"

class RandomSource;

// One sitting at the colouring drill: the grid, the fraction and the score. Every
// judged answer leaves the grid empty; only a right one brings a new fraction.
class ColouringRound {
public:
    // Draws the first fraction at once; the source must outlive the round.
    explicit ColouringRound(RandomSource &random);

    FractionGrid &grid() { return grid_; }
    const Fraction &fraction() const { return fraction_; }
    const Score &score() const { return score_; }

    // Compares the coloured cells with the fraction's target, exactly, and empties the grid.
    Verdict confirm();

private:
    RandomSource &random_;
    FractionGrid grid_;
    Fraction fraction_;
    Score score_;
};
