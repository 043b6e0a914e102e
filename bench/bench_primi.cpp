// The prime checker's answer against the loop it replaced: trial division by every
// whole number from 2 to n - 1, which froze the window for up to a minute.
#include "primi/number_reader.h"
#include "primi/prime_check.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

// The replaced loop, step by step: every d from 2 while d <= value - 1, the count, the
// first 500 divisors kept in a table, then the same texts as the checker builds.
PrimeAnswer exhaustiveCheck(const std::string &typed, const std::string &separator)
{
    const double value = readNumber(typed);
    if (!(value >= 1 && value <= largestChecked) || value != std::floor(value))
        return {};
    const auto n = static_cast<std::uint32_t>(value);
    std::array<std::uint32_t, Divisors::listLimit> table{};
    std::int32_t count = 0;
    for (std::uint32_t d = 2; d <= n - 1; ++d) {
        if (n % d == 0) {
            ++count;
            if (count <= static_cast<std::int32_t>(table.size()))
                table[count - 1] = d;
        }
    }
    Divisors found;
    found.count = count;
    found.listed.assign(table.begin(), table.begin() + std::min<std::size_t>(count, table.size()));
    return describe(n, found, separator);
}

void fast(benchmark::State &state)
{
    const std::string typed = std::to_string(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkPrime(typed, "."));
}

void exhaustive(benchmark::State &state)
{
    const std::string typed = std::to_string(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(exhaustiveCheck(typed, "."));
}

// 43243200 has the longest list (670 divisors), 50000000 is the largest number taken,
// 49999991 a prime just below it.
BENCHMARK(fast)->Arg(43243200)->Arg(50000000)->Arg(49999991)->Unit(benchmark::kMicrosecond);
BENCHMARK(exhaustive)->Arg(43243200)->Arg(50000000)->Arg(49999991)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
