#include "colora/fraction.h"

#include "colora/fraction_grid.h"
#include "common/draw.h"
#include "common/random_source.h"

Fraction Fraction::draw(RandomSource &random)
{
    const int kind = wholeFrom1To(3, random.next());
    const float u = random.next();
    switch (kind) {
    case 1:
        return {wholeFrom1To(10, u), 10};
    case 2:
        return {wholeFrom1To(100, u), 100};
    default:
        return {wholeFrom1To(100, u) * 10, 1000};
    }
}

bool Fraction::isMetBy(const FractionGrid &grid) const
{
    return grid.count() == targetCells();
}

std::string Fraction::spoken() const
{
    const bool one = numerator_ == 1;
    const char *part = denominator_ == 10 ? (one ? "decimo" : "decimi")
        : denominator_ == 100             ? (one ? "centesimo" : "centesimi")
                                          : (one ? "millesimo" : "millesimi");
    return std::to_string(numerator_) + ' ' + part;
}
