#include "colora/fraction.h"

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
