#include "componi/composition_round.h"

CompositionRound::CompositionRound(RandomSource &random)
    : target_(random)
{
}

CompositionRound::Verdict CompositionRound::judge(int builtValue)
{
    if (builtValue != target_.value()) {
        ++wrong_;
        return Verdict::Wrong;
    }
    ++right_;
    target_.draw();
    return Verdict::Right;
}
