#pragma once

// Uniform numbers r with 0 <= r < 1. The real source is seeded once per run;
// tests queue exact values so that they can force any pick or number.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};
