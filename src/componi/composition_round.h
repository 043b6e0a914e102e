#pragma once

#include "common/score.h"
#include "componi/block_board.h"
#include "componi/number_target.h"

class RandomSource;

// One sitting at the composition drill: the block board, the target and the score.
// Every judged answer leaves the board empty; only a right one brings a new target.
class CompositionRound {
public:
    // Draws the first target at once; the source must outlive the round.
    explicit CompositionRound(RandomSource &random);

    BlockBoard &board() { return board_; }
    const NumberTarget &target() const { return target_; }
    const Score &score() const { return score_; }

    // Compares the built value with the target, exactly, and empties the board.
    Verdict confirm();

private:
    RandomSource &random_;
    BlockBoard board_;
    NumberTarget target_;
    Score score_;
};
