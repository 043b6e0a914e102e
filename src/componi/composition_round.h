#pragma once

#include "componi/number_target.h"

class RandomSource;

// The target in play and the right and wrong counts, which only grow; only a right answer redraws.
class CompositionRound {
public:
    enum class Verdict { Right, Wrong };

    // Draws the first target; the source must outlive the round.
    explicit CompositionRound(RandomSource &random);

    // Compares the built value exactly with the target and counts the answer.
    Verdict judge(int builtValue);

    const NumberTarget &target() const { return target_; }
    // 64 bits: no pupil can press "Conferma" often enough to run out.
    long long right() const { return right_; }
    long long wrong() const { return wrong_; }

private:
    NumberTarget target_;
    long long right_ = 0;
    long long wrong_ = 0;
};
