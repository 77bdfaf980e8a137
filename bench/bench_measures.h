#pragma once
// The decimal-inch measurements the figures are taken at, on a 96 dots-per-inch screen.

#include "pattern/drawing.h"

#include <string>

namespace tavrel::bench {

// M = 100, the size of the worked example.
inline const char* const kMeasureForM100 = "1.3888889";

// The largest measurement that still draws (M = 6553).
inline std::string largestMeasure()
{
    return pattern::largestMeasurementText(*tavrel::measure::unitAt(0), {15, 15});
}

}  // namespace tavrel::bench
