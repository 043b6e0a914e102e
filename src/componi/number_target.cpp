#include "componi/number_target.h"

#include "common/random_source.h"

#include <cmath>

NumberTarget::NumberTarget(RandomSource &random)
    : random_(random)
{
    draw();
}

void NumberTarget::draw()
{
    // In double, so that a draw just below 1 lands on 9999 and not, rounded up in
    // single precision, on 10000. A source that breaks its promise of 0 <= u < 1
    // still gives a number in range.
    constexpr int span = highest - lowest + 1;
    const double u = random_.next();
    const double step = std::floor(span * u);
    if (!(step >= 0))
        value_ = lowest;
    else if (step >= span)
        value_ = highest;
    else
        value_ = lowest + static_cast<int>(step);
}

std::string NumberTarget::text(int number)
{
    std::string digits = std::to_string(number);
    if (number > 999)
        digits.insert(digits.size() - 3, 1, '.');
    return digits;
}
