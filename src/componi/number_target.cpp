#include "componi/number_target.h"

#include "common/draw.h"
#include "componi/block_board.h"
#include "common/random_source.h"

NumberTarget NumberTarget::draw(RandomSource &random)
{
    return NumberTarget(lowest - 1 + wholeFrom1To(highest - lowest + 1, random.next()));
}

std::string NumberTarget::text() const
{
    std::string digits = std::to_string(value_);
    if (value_ > 999)
        digits.insert(digits.size() - 3, 1, '.');
    return digits;
}

bool NumberTarget::isMetBy(const BlockBoard &board) const
{
    return board.value() == value_;
}
