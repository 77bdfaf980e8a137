#pragma once
// The size of the rectangle a corner calibration is made on, as the user types it: "24 x 18 in",
// "600 x 450 mm", "24 x 18" in the ruler's own units, with fractions in inches ("17 1/2 x 11").

#include "measure/unit.h"

#include <optional>
#include <string_view>

namespace tavrel::projection {

struct RectangleSize {
    double widthInches = 0, heightInches = 0;
    measure::UnitSystem units = measure::UnitSystem::Inch;  // as typed, for the steps and words
};

// nullopt for anything but two lengths joined by "x" (or "X" or "×") with an optional "in",
// "inch", "inches", "\"", "mm" at the end. A decimal comma reads as the point.
std::optional<RectangleSize> readRectangleSize(std::string_view text, measure::UnitSystem units);

}  // namespace tavrel::projection
