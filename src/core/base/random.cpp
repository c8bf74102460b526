#include "core/base/random.h"

#include <chrono>
#include <cmath>

int RandomSource::below(int count)
{
    const double product = static_cast<double>(fraction()) * count;
    return count > 0 ? static_cast<int>(std::floor(product)) : 0;
}

float SeededRandom::fraction()
{
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(engine_() >> 8) * scale;
}

std::uint32_t SeededRandom::clockSeed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}
