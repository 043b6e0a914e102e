#include "common/clock_random.h"

#include <chrono>

ClockRandom::ClockRandom()
    : ClockRandom(static_cast<std::uint32_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

ClockRandom::ClockRandom(std::uint32_t seed)
    : engine_(seed)
{
}

float ClockRandom::next()
{
    const std::uint32_t bits = engine_() >> 8; // the top 24 bits
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}
