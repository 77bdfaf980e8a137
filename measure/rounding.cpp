#include "measure/rounding.h"

#include <cmath>
#include <limits>

namespace tavrel::measure {

std::optional<std::int32_t> roundToInt32(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> toSingle(double value)
{
    // Checked before the cast: a double beyond the float range has no defined conversion.
    if (!(std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())))
        return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace tavrel::measure
