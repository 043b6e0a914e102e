#pragma once

#include "primi/divisors.h"

#include <cstdint>
#include <string>
#include <string_view>

// One press of "Calcola": whether the typed number is taken and, if so, the verdict
// and the list of divisors, counted and listed exactly as trial division by every
// whole number from 2 to n - 1 finds them. Only whole numbers from 1 to 50000000 are
// taken. Numbers are grouped by thousands with the separator given (UTF-8, from the
// locale); the count of divisors is never grouped.
struct PrimeAnswer {
    bool accepted = false;
    std::string verdict; // empty when the input is refused
    bool showList = false;
    std::string list;    // empty unless the list is shown
    std::string spoken;  // the start of the list as one says it, for a screen reader
};

inline constexpr std::uint32_t largestChecked = 50000000;

PrimeAnswer checkPrime(std::string_view typed, std::string_view thousandsSeparator);

// The answer for a whole number n >= 2 whose divisors are known.
PrimeAnswer describe(std::uint32_t n, const Divisors &divisors, std::string_view thousandsSeparator);

// "#,##": the digits of value grouped by thousands, e.g. 43.243.200.
std::string groupThousands(std::uint32_t value, std::string_view separator);
