#include "abaco/abacus_round.h"

AbacusRound::AbacusRound(RandomSource &random)
    : random_(random)
    , target_(AbacusTarget::draw(random))
{
}

bool AbacusRound::confirm()
{
    const bool right = board_.text() == target_.text;
    if (right) {
        target_ = AbacusTarget::draw(random_);
        ++right_;
    } else {
        ++wrong_;
    }
    board_.clear();
    return right;
}
