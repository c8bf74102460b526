#pragma once

#include <cstdint>
#include <random>

/// The program's one source of random fractions. Everything that draws (tasks, colours,
/// sounds, worksheets) is handed the same source, so the order of draws is part of the
/// program's behaviour and tests can fix it.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    /// A single-precision fraction, uniform in [0, 1); never 1.0.
    virtual float fraction() = 0;

    /// The integer part of a fresh fraction times `count`: 0 to count - 1 (0 when count is 0
    /// or less; a fraction is consumed all the same). The product is exact in double.
    int below(int count);
};

/// Mersenne twister seeded once; fractions have 24 random bits, so each is exactly
/// representable as a float and the largest is 1 - 2^-24.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    float fraction() override;

    /// A seed taken from the system clock, for the program's start.
    static std::uint32_t clockSeed();

  private:
    std::mt19937 engine_;
};
