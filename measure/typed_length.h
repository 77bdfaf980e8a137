#pragma once
// A length the user measured with a ruler and typed in, as the calibrations read it.

#include "measure/unit.h"

#include <optional>
#include <string_view>

namespace tavrel::measure {

// A typed length in inches: metric as a decimal number of millimeters, inches as a decimal number
// or a whole number and a fraction ("7 7/8", "7/8"). Spaces at either end aside; nullopt for
// anything else.
std::optional<double> readTypedInches(std::string_view text, UnitSystem units);

}  // namespace tavrel::measure
