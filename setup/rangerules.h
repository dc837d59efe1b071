#pragma once

// The two ends of a number range chosen on a pair of sliders.
struct RangeEnds
{
    int low = 1;
    int high = 1;

    bool operator==(const RangeEnds &) const = default;
};

// A moved end takes the other one along rather than let the range turn over.
RangeEnds lowEndMoved(RangeEnds ends, int value);
RangeEnds highEndMoved(RangeEnds ends, int value);
// The highest divisor does not push the lowest down: it goes back to it.
RangeEnds highestDivisorMoved(RangeEnds ends, int value);
