#include "primi/prime_check.h"

#include "primi/number_reader.h"

#include <algorithm>
#include <cmath>

std::string groupThousands(std::uint32_t value, std::string_view separator)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

PrimeAnswer describe(std::uint32_t n, const Divisors &divisors, std::string_view thousandsSeparator)
{
    PrimeAnswer answer;
    answer.accepted = true;
    answer.verdict = groupThousands(n, thousandsSeparator);
    if (divisors.count == 0) {
        answer.verdict += " è primo";
        return answer;
    }
    answer.verdict += " non è primo, ha " + std::to_string(divisors.count)
        + (divisors.count == 1 ? " divisore" : " divisori");
    answer.showList = true;
    // Every entry but the one numbered as the count is followed by " - ", so a list
    // cut short of the count still ends with it.
    for (std::size_t j = 0; j < divisors.listed.size(); ++j) {
        answer.list += groupThousands(divisors.listed[j], thousandsSeparator);
        if (j + 1 != static_cast<std::size_t>(divisors.count))
            answer.list += " - ";
    }
    // Read aloud, a long list would go on for minutes: the first few, then "e altri".
    constexpr std::size_t said = 10;
    const std::size_t spoken = std::min(divisors.listed.size(), said);
    answer.spoken = "È divisibile per ";
    for (std::size_t j = 0; j < spoken; ++j) {
        if (j > 0)
            answer.spoken += j + 1 == spoken && divisors.listed.size() <= said ? " e " : ", ";
        answer.spoken += groupThousands(divisors.listed[j], thousandsSeparator);
    }
    answer.spoken += divisors.listed.size() > said ? " e altri." : ".";
    return answer;
}

PrimeAnswer checkPrime(std::string_view typed, std::string_view thousandsSeparator)
{
    const double value = readNumber(typed);
    // Only whole numbers from 1 up are answered: a fraction or a negative number has
    // no sound verdict, and the comparisons come before any conversion to an integer.
    if (!(value >= 1 && value <= largestChecked) || value != std::floor(value))
        return {};
    const auto n = static_cast<std::uint32_t>(value);
    if (n == 1) {
        PrimeAnswer answer;
        answer.accepted = true;
        answer.verdict = "1 non è primo";
        return answer;
    }
    return describe(n, findDivisors(n), thousandsSeparator);
}
