#pragma once

#include "abaco/abacus_board.h"
#include "abaco/abacus_target.h"

#include <cstdint>

class RandomSource;

// One sitting at the abacus: the board, the target and the two counts. Every judged
// answer leaves the board empty; only a right one brings a new target.
class AbacusRound {
public:
    // Draws the first target at once.
    explicit AbacusRound(RandomSource &random);

    AbacusBoard &board() { return board_; }
    const AbacusBoard &board() const { return board_; }
    const AbacusTarget &target() const { return target_; }
    std::int64_t rightCount() const { return right_; }
    std::int64_t wrongCount() const { return wrong_; }

    // Compares the board's text with the target's, exactly; true when they match.
    bool confirm();

private:
    RandomSource &random_;
    AbacusBoard board_;
    AbacusTarget target_;
    std::int64_t right_ = 0;
    std::int64_t wrong_ = 0;
};
