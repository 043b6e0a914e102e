#include "colora/colouring_round.h"

ColouringRound::ColouringRound(RandomSource &random)
    : random_(random)
    , fraction_(Fraction::draw(random))
{
}

ColouringRound::Verdict ColouringRound::confirm()
{
    const bool right = grid_.count() == fraction_.targetCells();
    if (right) {
        ++right_;
        fraction_ = Fraction::draw(random_);
    } else {
        ++wrong_;
    }
    return {right, grid_.clearAll()};
}
