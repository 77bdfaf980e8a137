#pragma once
// Rounding to the integer and single-precision values the pattern's arithmetic stores, with
// the range checked before any cast.

#include <cstdint>
#include <optional>

namespace tavrel::measure {

// Nearest integer, halves to even; nullopt outside the signed 32-bit range or for NaN.
std::optional<std::int32_t> roundToInt32(double value);

// Nearest integer, halves to even; nullopt outside the signed 16-bit range or for NaN.
std::optional<std::int16_t> roundToInt16(double value);

// The double rounded to single precision, or nullopt when it is not finite there.
std::optional<float> toSingle(double value);

}  // namespace tavrel::measure
