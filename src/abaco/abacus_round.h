#pragma once

#include "abaco/abacus_board.h"
#include "abaco/abacus_target.h"
#include "common/score.h"

class RandomSource;

// One sitting at the abacus: the board, the target and the score. Every judged
// answer leaves the board empty; only a right one brings a new target.
class AbacusRound {
public:
    // Draws the first target at once; the source must outlive the round.
    explicit AbacusRound(RandomSource &random);

    AbacusBoard &board() { return board_; }
    const AbacusTarget &target() const { return target_; }
    const Score &score() const { return score_; }

    // Compares the board's text with the target's, exactly, and empties the board.
    Verdict confirm();

private:
    RandomSource &random_;
    AbacusBoard board_;
    AbacusTarget target_;
    Score score_;
};
