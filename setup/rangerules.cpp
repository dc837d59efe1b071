#include "setup/rangerules.h"

#include <algorithm>

RangeEnds lowEndMoved(RangeEnds ends, int value)
{
    return {value, std::max(ends.high, value)};
}

RangeEnds highEndMoved(RangeEnds ends, int value)
{
    return {std::min(ends.low, value), value};
}

RangeEnds highestDivisorMoved(RangeEnds ends, int value)
{
    return {ends.low, std::max(value, ends.low)};
}
