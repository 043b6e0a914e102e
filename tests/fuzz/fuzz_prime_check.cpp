// Feeds any bytes to the number reader and the prime check, as a keyboard or the
// clipboard could, and traps on an answer that contradicts itself.
#include "primi/number_reader.h"
#include "primi/prime_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte picks the locale's thousands separator; the rest is the typed text.
    static constexpr std::string_view separators[] = {".", ",", "\u00A0", "\u202F", "'", ""};
    const std::string_view separator = size ? separators[data[0] % std::size(separators)] : ".";
    const std::string_view typed(reinterpret_cast<const char *>(data) + (size ? 1 : 0),
                                 size ? size - 1 : 0);

    const auto require = [](bool condition) {
        if (!condition)
            __builtin_trap();
    };
    const double value = readNumber(typed);
    const PrimeAnswer answer = checkPrime(typed, separator);

    if (!answer.accepted) {
        require(answer.verdict.empty() && answer.list.empty() && !answer.showList);
        return 0;
    }
    // Only whole numbers from 1 to the limit are taken, and each gets a verdict.
    require(value >= 1 && value <= largestChecked && std::floor(value) == value);
    require(!answer.verdict.empty());
    require(answer.showList == !answer.list.empty());
    const bool prime = answer.verdict.ends_with(" è primo");
    require(!(prime && answer.showList));
    return 0;
}
