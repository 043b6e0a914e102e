#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The divisors of a number strictly between 1 and the number itself: how many there
// are and, in increasing order, the first ones up to the length of the shown list.
struct Divisors {
    static constexpr std::size_t listLimit = 500;

    std::int32_t count = 0;
    std::vector<std::uint32_t> listed; // the first min(count, listLimit), increasing
};

// Pairs every divisor d up to the square root with n / d, so that the answer costs
// about the square root of n remainders instead of n.
Divisors findDivisors(std::uint32_t n);
