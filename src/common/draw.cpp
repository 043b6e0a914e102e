#include "common/draw.h"

#include <cmath>

namespace {

int heldTo1To(int n, double drawn)
{
    if (!(drawn >= 1.0))
        return 1;
    if (drawn > n)
        return n;
    return static_cast<int>(drawn);
}

} // namespace

int wholeFrom1To(int n, float u)
{
    return heldTo1To(n, std::floor(n * static_cast<double>(u) + 1.0));
}

int wholeFrom1ToSingle(int n, float u)
{
    return heldTo1To(n, std::floor(static_cast<float>(n) * u + 1.0f));
}
