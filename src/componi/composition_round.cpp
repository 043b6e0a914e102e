#include "componi/composition_round.h"

CompositionRound::CompositionRound(RandomSource &random)
    : random_(random)
    , target_(NumberTarget::draw(random))
{
}

Verdict CompositionRound::confirm()
{
    const Verdict verdict = score_.count(board_.value() == target_.value());
    if (verdict == Verdict::Right)
        target_ = NumberTarget::draw(random_);
    board_.clear();
    return verdict;
}
