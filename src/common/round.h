#pragma once

#include "common/random_source.h"
#include "common/score.h"

// One sitting at a drill: the board the pupil builds on, the target it must match and
// the score. Every judged answer leaves the board empty; only a right one brings a new
// target. A Board has clear(); a Target has draw(RandomSource &) and isMetBy(const Board &).
template <class Board, class Target>
class Round {
public:
    // Draws the first target at once; the source must outlive the round.
    explicit Round(RandomSource &random)
        : random_(random)
        , target_(Target::draw(random))
    {
    }

    Board &board() { return board_; }
    const Board &board() const { return board_; }
    const Target &target() const { return target_; }
    const Score &score() const { return score_; }

    Verdict confirm()
    {
        const Verdict verdict = score_.count(target_.isMetBy(board_));
        if (verdict == Verdict::Right)
            target_ = Target::draw(random_);
        board_.clear();
        return verdict;
    }

private:
    RandomSource &random_;
    Board board_;
    Target target_;
    Score score_;
};
