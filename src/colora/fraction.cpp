#include "colora/fraction.h"

#include "common/random_source.h"

#include <cmath>

namespace {

// floor(n * u + 1) for 0 <= u < 1. In double the product of a float and a small
// whole number is exact, so the ends fall where the formula puts them; a value
// outside [0, 1) from a faulty source is held to 1 .. n rather than trusted.
int wholeFrom1To(int n, float u)
{
    const double drawn = std::floor(n * static_cast<double>(u) + 1.0);
    if (!(drawn >= 1.0))
        return 1;
    if (drawn > n)
        return n;
    return static_cast<int>(drawn);
}

} // namespace

Fraction Fraction::draw(RandomSource &random)
{
    const auto kind = static_cast<Kind>(wholeFrom1To(3, random.next()));
    const float u = random.next();
    switch (kind) {
    case Kind::Tenths:
        return {kind, wholeFrom1To(10, u)};
    case Kind::Hundredths:
        return {kind, wholeFrom1To(100, u)};
    case Kind::Thousandths:
        break;
    }
    return {Kind::Thousandths, wholeFrom1To(100, u) * 10};
}

int Fraction::denominator() const
{
    switch (kind_) {
    case Kind::Tenths:
        return 10;
    case Kind::Hundredths:
        return 100;
    case Kind::Thousandths:
        break;
    }
    return 1000;
}

int Fraction::targetCells() const
{
    switch (kind_) {
    case Kind::Tenths:
        return numerator_ * 10;
    case Kind::Hundredths:
        return numerator_;
    case Kind::Thousandths:
        break;
    }
    return numerator_ / 10;
}
