#pragma once

#include <cstdint>
#include <random>

// Uniform numbers r with 0 <= r < 1. The real source is seeded once per run;
// tests queue exact values so that they can force any pick or number.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The same numbers for the same seed on every machine: the engine's output is
// fixed by the standard, where the library's distributions are not.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint32_t seed)
        : engine(seed)
    {
    }
    double next() override { return double(engine()) / 4294967296.0; }

private:
    std::mt19937 engine;
};
