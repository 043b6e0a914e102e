#include "primi/divisors.h"

#include <algorithm>

Divisors findDivisors(std::uint32_t n)
{
    // Divisors up to the square root, increasing; their partners n / d, taken in the
    // opposite order, continue the list upwards. A square root is its own partner.
    std::vector<std::uint32_t> low;
    bool square = false;
    for (std::uint32_t d = 2; std::uint64_t{d} * d <= n; ++d) {
        if (n % d == 0) {
            low.push_back(d);
            square = std::uint64_t{d} * d == n;
        }
    }

    Divisors found;
    found.count = static_cast<std::int32_t>(2 * low.size() - (square ? 1 : 0));
    const std::size_t shown = std::min<std::size_t>(found.count, Divisors::listLimit);
    found.listed.reserve(shown);
    for (std::size_t i = 0; i < low.size() && found.listed.size() < shown; ++i)
        found.listed.push_back(low[i]);
    for (std::size_t i = low.size() - (square ? 1 : 0); i > 0 && found.listed.size() < shown; --i)
        found.listed.push_back(n / low[i - 1]);
    return found;
}
