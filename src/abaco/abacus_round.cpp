#include "abaco/abacus_round.h"

AbacusRound::AbacusRound(RandomSource &random)
    : random_(random)
    , target_(AbacusTarget::draw(random))
{
}

Verdict AbacusRound::confirm()
{
    const Verdict verdict = score_.count(board_.text() == target_.text);
    if (verdict == Verdict::Right)
        target_ = AbacusTarget::draw(random_);
    board_.clear();
    return verdict;
}
