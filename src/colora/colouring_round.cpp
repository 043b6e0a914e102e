#include "colora/colouring_round.h"

ColouringRound::ColouringRound(RandomSource &random)
    : random_(random)
    , fraction_(Fraction::draw(random))
{
}

Verdict ColouringRound::confirm()
{
    const Verdict verdict = score_.count(grid_.count() == fraction_.targetCells());
    if (verdict == Verdict::Right)
        fraction_ = Fraction::draw(random_);
    grid_.clearAll();
    return verdict;
}
