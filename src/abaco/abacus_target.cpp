#include "abaco/abacus_target.h"

#include "abaco/number_text.h"
#include "common/random_source.h"

#include <algorithm>
#include <cmath>

namespace {

// floor(n * r + 1) in single precision, kept within 1..n: a draw just below 1 must
// not round the product up to n and give n + 1.
int wholeFrom(float r, int n)
{
    const float scaled = static_cast<float>(n) * r + 1.0f;
    return std::clamp(static_cast<int>(std::floor(scaled)), 1, n);
}

// The sine in units of 10^-decimals, rounded half to even. A float has 24 bits and
// 10^3 ten, so the product is exact in a double and the halves are true halves.
std::uint64_t roundedSine(float sine, int decimals)
{
    const double scaled = static_cast<double>(sine) * std::pow(10.0, decimals);
    const double below = std::floor(scaled);
    const double rest = scaled - below;
    auto units = static_cast<std::uint64_t>(below);
    if (rest > 0.5 || (rest == 0.5 && units % 2 == 1))
        ++units;
    return units;
}

} // namespace

AbacusTarget AbacusTarget::draw(RandomSource &random)
{
    static constexpr int maxima[] = {9, 99, 999};
    AbacusTarget t;
    do {
        t.rangeCode = wholeFrom(random.next(), 3);
        t.wholeMaximum = maxima[t.rangeCode - 1];
        t.wholePart = wholeFrom(random.next(), t.wholeMaximum);
        t.decimalCount = wholeFrom(random.next(), 3);
        t.sineValue = static_cast<float>(std::sin(static_cast<double>(random.next())));
    } while (t.decimalCount == t.rangeCode);

    std::uint64_t step = 1;
    for (int d = t.decimalCount; d < 3; ++d)
        step *= 10;
    t.thousandths = static_cast<std::uint64_t>(t.wholePart) * 1000
        + roundedSine(t.sineValue, t.decimalCount) * step;
    t.text = numberText(t.thousandths);
    return t;
}
