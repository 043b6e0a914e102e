#include "abaco/abacus_target.h"

#include "abaco/abacus_board.h"
#include "abaco/number_text.h"
#include "common/draw.h"
#include "common/random_source.h"

#include <cmath>
#include <cstdint>

namespace {

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
    // A draw just below 1 must not round the product up to the maximum and give one
    // more: the single-precision draw keeps within 1 .. n.
    static constexpr int maxima[] = {9, 99, 999};
    int rangeCode = 0;
    int wholePart = 0;
    int decimalCount = 0;
    float sine = 0.0f;
    do {
        rangeCode = wholeFrom1ToSingle(3, random.next());
        wholePart = wholeFrom1ToSingle(maxima[rangeCode - 1], random.next());
        decimalCount = wholeFrom1ToSingle(3, random.next());
        sine = static_cast<float>(std::sin(static_cast<double>(random.next())));
    } while (decimalCount == rangeCode);

    std::uint64_t step = 1;
    for (int d = decimalCount; d < 3; ++d)
        step *= 10;
    return {numberText(static_cast<std::uint64_t>(wholePart) * 1000 + roundedSine(sine, decimalCount) * step)};
}

bool AbacusTarget::isMetBy(const AbacusBoard &board) const
{
    return board.text() == text;
}
