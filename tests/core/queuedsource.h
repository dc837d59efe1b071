#pragma once

#include <deque>
#include <initializer_list>
#include <random>

#include "platform/randomsource.h"

// Hands out exactly the queued values; a draw beyond them is counted, so a
// test can tell that the code drew more often than it should.
class QueuedSource final : public RandomSource
{
public:
    QueuedSource(std::initializer_list<double> queued = {}) : values(queued) {}
    template<typename Container>
    explicit QueuedSource(const Container &queued) : values(queued.begin(), queued.end()) {}

    double next() override
    {
        if (values.empty()) {
            ++overruns;
            return fallback;
        }
        const double r = values.front();
        values.pop_front();
        return r;
    }

    std::deque<double> values;
    double fallback = 0.0;
    int overruns = 0;
};

// A real generator with a fixed seed, for checks over many cards.
class SeededSource final : public RandomSource
{
public:
    explicit SeededSource(unsigned seed) : engine(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }

private:
    std::mt19937 engine;
};
